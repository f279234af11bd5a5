#!/usr/bin/python3
"""Runs the installed Orca screen reader for a test: its debug log is written line by line (Orca
opens it block-buffered, so a reader would see nothing until Orca exits), nothing is sent to a
speech synthesizer (the log's "SPEECH OUTPUT" lines are what it would say), and it neither looks
for nor is seen by other Orcas of the same user, whose desktop is not the test's.
Usage: run_orca.py DEBUG_FILE SETTINGS_DIR"""
import builtins
import runpy
import sys

log_file, prefs_dir = sys.argv[1], sys.argv[2]
real_open = builtins.open


def line_buffered_log(file, mode="r", *args, **kwargs):
    if file == log_file and "w" in mode:
        return real_open(file, mode, buffering=1, encoding="utf-8")
    return real_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_log
script = runpy.run_path("/usr/bin/orca", run_name="orca_under_test")
script_globals = script["main"].__globals__
script_globals["otherOrcas"] = lambda: []
script_globals["setProcessName"] = lambda name: None

from orca import speech  # noqa: E402  (after Orca's own path set-up above)

speech._initSpeechServer = lambda module_name, server_info: None
sys.argv = ["orca", "--debug-file", log_file, "--user-prefs", prefs_dir]
sys.exit(script["main"]())
