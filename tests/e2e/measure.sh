#!/usr/bin/env bash
# Prints the desktop host's figures, all under one private X server: time from launch to the
# first frame of a bare 1166 x 741 form and of the main window, with the resident memory at that
# point (five warm runs each, the web view not made yet), the labels one entry repaints, Enter to
# counter, strip and tables on screen with 1 000 and 1 000 000 spins, and the host's key-press
# latency. Usage: measure.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: measure.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
"$here/run-under-xvfb.sh" bash -c '
  bare="$1/tests/e2e/e2e_first_frame"
  main="$1/tests/e2e/e2e_main_window_measure"
  "$bare" >/dev/null   # warm the caches
  "$main" >/dev/null
  for i in 1 2 3 4 5; do
    SPINTRAK_LAUNCH_NS=$(date +%s%N) "$bare"
    SPINTRAK_LAUNCH_NS=$(date +%s%N) /usr/bin/time -f "  /usr/bin/time: %e s elapsed, %M KB maximum resident" "$main"
  done
  "$main" --latency | grep -v "^main window"
  "$1/tests/e2e/e2e_host_test" --gtest_filter=GtkHost.KeyPressToPixelsLatency | grep "key press"
' measure "$build"
