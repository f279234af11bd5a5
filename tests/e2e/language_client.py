#!/usr/bin/python3
"""The real program in the player's language, read over the accessibility interface: started in
an English locale that the system has not generated, and in a Russian one, it names its controls,
tables and cells in that language. Usage: language_client.py SPINTRAK"""
import os
import subprocess
import sys

from atspi_client import Role, check, find, fresh, press, wait, window
from gi.repository import Atspi, GLib

ENGLISH = {
    "exit": "Exit", "about": "About", "add": "Add the number", "box": "Keep the window on top",
    "table": "Even chances and dozens", "field": "Winning number", "strip": ("Last numbers, 1", "7, red"),
    "cell": ("Red, last 10", "1"), "said": "7, red. Spin 1",
}
RUSSIAN = {
    "exit": "Выход", "about": "О программе", "add": "Добавить число", "box": "показывать окно поверх всех окон",
    "table": "Простые шансы и дюжины", "field": "Ввод выпавшего числа", "strip": ("Последние числа, 1", "7, красное"),
    "cell": ("Красное, 10 спинов", "1"), "said": "7, красное. Спин 1",
}


def quietly(probe):
    # A program that has just gone may still be listed for a moment; its objects then answer
    # with an error, which only means "not this one, not yet".
    def probe_or_none():
        try:
            return probe()
        except GLib.Error:
            return None
    return probe_or_none


def text(obj):
    return Atspi.Text.get_text(fresh(obj), 0, -1)


def run(spintrak, env, words):
    program = subprocess.Popen([spintrak, "--no-journal"], env={**os.environ, **env})
    try:
        win = wait("the window Spintrak", quietly(lambda: window("Spintrak")))
        for key in ("exit", "about", "add"):
            check(wait(words[key], lambda: find(win, Role.PUSH_BUTTON, words[key])) is not None,
                  f"{env}: the button {words[key]!r}")
        check(find(win, Role.CHECK_BOX, words["box"]) is not None, f"{env}: the check box {words['box']!r}")
        check(find(win, Role.TABLE, words["table"]) is not None, f"{env}: the table {words['table']!r}")
        field = find(win, Role.ENTRY, words["field"])
        check(field is not None, f"{env}: the field is named by its caption {words['field']!r}")
        counter = find(win, Role.LABEL, "0")
        check(Atspi.EditableText.set_text_contents(field, "7"), "the field takes the text 7")
        press(find(win, Role.PUSH_BUTTON, words["add"]))
        wait("the counter to read 1", lambda: Atspi.Text.get_text(fresh(counter), 0, -1) == "1")
        for role, (name, says) in ((Role.LIST_ITEM, words["strip"]), (Role.TABLE_CELL, words["cell"])):
            cell = find(win, role, name)
            check(cell is not None and wait(says, lambda: text(cell) == says), f"{env}: {name!r} reads {says!r}")
        check(fresh(field).get_description() == words["said"], f"{env}: the entry is said as {words['said']!r}")
    finally:
        program.kill()
        program.wait()
        # The next run must not meet this one's window, which the registry keeps a moment longer.
        wait("the window to go", quietly(lambda: window("Spintrak") is None))


def main():
    spintrak = sys.argv[1]
    clean = {"LC_ALL": "", "LC_MESSAGES": "", "LANGUAGE": ""}
    run(spintrak, {**clean, "LANG": "en_US.UTF-8"}, ENGLISH)
    run(spintrak, {**clean, "LANG": "de_DE.UTF-8"}, ENGLISH)
    run(spintrak, {**clean, "LANG": "en_GB.UTF-8", "LANGUAGE": "ru"}, RUSSIAN)
    run(spintrak, {**clean, "LANG": "C.UTF-8"}, RUSSIAN)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
