#!/usr/bin/env bash
# Prints the desktop host's start-up figures: time from launch to the first frame of a 1166 x 741
# form and its resident memory (five warm runs, under a private X server), then the key-press
# latency from the end-to-end test. Usage: measure.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: measure.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
"$here/run-under-xvfb.sh" bash -c '
  program="$1/tests/e2e/e2e_first_frame"
  "$program" >/dev/null   # warm the caches
  for i in 1 2 3 4 5; do
    SPINTRAK_LAUNCH_NS=$(date +%s%N) /usr/bin/time -f "  /usr/bin/time: %e s elapsed, %M KB maximum resident" "$program"
  done
  "$1/tests/e2e/e2e_host_test" --gtest_filter=GtkHost.KeyPressToPixelsLatency | grep "key press"
' measure "$build"
