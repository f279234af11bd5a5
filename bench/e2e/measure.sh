#!/usr/bin/env bash
# Prints the desktop host's figures, all under one private X server: time from launch to the
# first frame of a bare 1166 x 741 form and of the main window, with the resident memory at that
# point (five warm runs each, the web view not made yet), the labels one entry repaints, Enter to
# counter, strip and tables on screen with 1 000 and 1 000 000 spins (and the pixels, rectangles
# and paints that each entry sent to the screen), and the host's key-press
# latency; then the banner pane's memory, the proportional set size (PSS) of the program and all
# the web engine's processes with the page shown, with our engine settings and with the engine's
# defaults (three runs each), the CPU time of each process while idle with the pane shown, and
# the time from closing the about box until the main window is active, its entry focused and the
# window holds the desktop's focus.
# Usage: measure.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/../../tests/e2e" && pwd)  # the X server wrapper and the bus client
# A build's measuring program; a build of a tree from before these programs left tests/e2e (a
# baseline, say) has them there.
measure_program() {
  if [ -x "$1/bench/e2e/$2" ]; then echo "$1/bench/e2e/$2"; else echo "$1/tests/e2e/$2"; fi
}
export -f measure_program

# ---- The session journal's figures: measure.sh --journal BUILD_DIR [BASELINE_BUILD_DIR] ----
# Enter to counter, strip and tables on screen with 1 000 and 1 000 000 spins with the journal on
# (BUILD_DIR) and, in the same run, without one in the baseline build; then launch to the first
# complete frame of an empty start and of a resumed session of 1 000 000 spins, five runs each.
journal_figures() {
  local build=${1:?usage: measure.sh --journal BUILD_DIR [BASELINE_BUILD_DIR]} baseline=${2:-}
  "$here/run-under-xvfb.sh" bash -c '
    build=$1 baseline=$2
    main="$(measure_program "$build" e2e_main_window_measure)"
    work=$(mktemp -d)
    trap "rm -rf $work" EXIT
    export XDG_STATE_HOME="$work/state" temp="$work"
    if [ -n "$baseline" ]; then
      echo "baseline $baseline, no journal:"
      "$(measure_program "$baseline" e2e_main_window_measure)" --latency | grep "^Enter"
    fi
    echo "$build, with the journal:"
    "$main" --latency --journal | grep "^Enter"
    awk "BEGIN { srand(7); for (i = 0; i < 1000000; i++) print int(rand() * 37) }" >"$work/million.txt"
    "$main" >/dev/null   # warm the caches
    "$main" --resume "$work/million.txt" >/dev/null
    for i in 1 2 3 4 5; do
      SPINTRAK_LAUNCH_NS=$(date +%s%N) "$main" --journal
      SPINTRAK_LAUNCH_NS=$(date +%s%N) "$main" --resume "$work/million.txt"
    done
  ' journal "$build" "$baseline"
}
if [ "${1:-}" = --journal ]; then
  shift
  journal_figures "$@"
  exit
fi
# ---- end of the session journal's figures ----
# ---- The accessibility model's cost: measure.sh --a11y BUILD_DIR BASELINE_BUILD_DIR ----
# Launch to the main window's first frame, five runs of each build taken in turn, and Enter to
# counter, strip and tables on screen with 1 000 and 1 000 000 spins, the baseline build first:
# once with nobody listening, then once more on the desktop's accessibility bus with a client
# running that reads each window whole and receives every event (atspi_client.py --listen, as a
# screen reader would); last, the main window's tree fetched by a new client, five times a build.
# The first frames and Enter to pixels of both builds, run where the caller set things up.
a11y_runs() {
  local build=$1 baseline=$2 dir i
  for dir in "$baseline" "$build"; do "$(measure_program "$dir" e2e_main_window_measure)" >/dev/null; done
  for i in 1 2 3 4 5; do
    for dir in "$baseline" "$build"; do
      echo "$dir: $(SPINTRAK_LAUNCH_NS=$(date +%s%N) "$(measure_program "$dir" e2e_main_window_measure)")"
    done
  done
  for dir in "$baseline" "$build"; do
    echo "$dir:"
    "$(measure_program "$dir" e2e_main_window_measure)" --latency | grep "^Enter"
  done
}
export -f a11y_runs
a11y_figures() {
  local build=${1:?usage: measure.sh --a11y BUILD_DIR BASELINE_BUILD_DIR}
  local baseline=${2:?usage: measure.sh --a11y BUILD_DIR BASELINE_BUILD_DIR}
  echo "== nobody listening"
  "$here/run-under-xvfb.sh" bash -c '
    build=$1 baseline=$2
    work=$(mktemp -d)
    trap "rm -rf $work" EXIT
    export XDG_STATE_HOME="$work/state" temp="$work"
    a11y_runs "$build" "$baseline"
  ' a11y "$build" "$baseline"
  echo "== a client on the accessibility bus"
  "$here/run-under-xvfb.sh" dbus-run-session -- bash -c '
    build=$1 baseline=$2 here=$3
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    work=$(mktemp -d)
    export XDG_STATE_HOME="$work/state" temp="$work" NO_AT_BRIDGE=0 GTK_A11Y=atk
    for _ in $(seq 50); do
      dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
      sleep 0.1
    done
    /usr/bin/python3 "$here/atspi_client.py" --listen &
    client=$!
    trap "kill $client $launcher 2>/dev/null; rm -rf $work" EXIT
    sleep 1
    a11y_runs "$build" "$baseline"
    # The main window'"'"'s whole tree, names and roles, as a client that meets the program for the
    # first time fetches it: five new clients against each build.
    for dir in "$baseline" "$build"; do
      "$dir/app/spintrak" --no-journal &
      program=$!
      for _ in $(seq 100); do
        [ "$(/usr/bin/python3 "$here/atspi_client.py" --fetch-tree | cut -d" " -f1)" -gt 250 ] && break
        sleep 0.1
      done
      for i in 1 2 3 4 5; do
        echo "$dir: the tree fetched by a new client: $(/usr/bin/python3 "$here/atspi_client.py" --fetch-tree) (objects, ms)"
      done
      kill $program
      wait $program 2>/dev/null
    done
  ' a11y "$build" "$baseline" "$here" 2>&1 | grep -v "^dbus-daemon\|SpiRegistry"
}
if [ "${1:-}" = --a11y ]; then
  shift
  a11y_figures "$@"
  exit
fi
# ---- end of the accessibility figures ----
build=${1:?usage: measure.sh BUILD_DIR}
"$here/run-under-xvfb.sh" bash -c '
  bare="$(measure_program "$1" e2e_first_frame)"
  main="$(measure_program "$1" e2e_main_window_measure)"
  "$bare" >/dev/null   # warm the caches
  "$main" >/dev/null
  for i in 1 2 3 4 5; do
    SPINTRAK_LAUNCH_NS=$(date +%s%N) "$bare"
    SPINTRAK_LAUNCH_NS=$(date +%s%N) /usr/bin/time -f "  /usr/bin/time: %e s elapsed, %M KB maximum resident" "$main"
  done
  "$main" --latency | grep -v "^main window"
  "$1/tests/e2e/e2e_host_test" --gtest_filter=GtkHost.KeyPressToPixelsLatency | grep "key press"

  figures="$(measure_program "$1" e2e_banner_figures)"
  [ -x "$figures" ] || exit 0
  work=$(mktemp -d)
  trap "rm -rf $work" EXIT
  # The PSS in kB of a process and all its descendants (the engine runs as children of the program).
  tree_pss() {
    local total=0 pid kb
    for pid in $(ps -eo pid=,ppid= | awk -v root="$1" "
        { parent[\$1] = \$2 } END { for (p in parent) for (q = p; q != \"\"; q = parent[q]) if (q == root) { print p; break } }"); do
      kb=$(awk "/^Pss:/ { print \$2 }" /proc/$pid/smaps_rollup 2>/dev/null || echo 0)
      total=$((total + ${kb:-0}))
    done
    echo $total
  }
  # The CPU time each process of the running program $1 uses while nobody types, with the banner
  # pane shown: past the caret'"'"'s blink timeout (the desktop'"'"'s, 10 s unless set otherwise; the
  # page has been up for 5 s), over 30 s, from /proc/PID/stat (clock ticks).
  idle_cpu() {
    local pid=$1 seconds=30 p
    sleep 7
    local -A before
    local procs="$pid $(ps -eo pid=,ppid= | awk -v root=$pid "\$2 == root { print \$1 }")"
    for p in $procs; do before[$p]=$(awk "{ print \$14 + \$15 }" /proc/$p/stat); done
    sleep $seconds
    local hz total=0 ticks
    hz=$(getconf CLK_TCK)
    per_second() { awk -v t="$1" -v hz="$hz" -v s="$seconds" "BEGIN { printf \"%5.2f\", t * 1000 / hz / s }"; }
    for p in $procs; do
      ticks=$(( $(awk "{ print \$14 + \$15 }" /proc/$p/stat) - ${before[$p]} ))
      total=$((total + ticks))
      printf "idle, banner pane shown, %-17s %s ms of CPU per second over %d s\n" "$(cat /proc/$p/comm):" \
        "$(per_second $ticks)" $seconds
    done
    echo "idle, banner pane shown, all processes:  $(per_second $total) ms of CPU per second (one clock tick: $((1000 / hz)) ms)"
  }
  # Starts the figures program, waits for its page, lets the engine settle, reads, ends it.
  pane_pss() {
    rm -f "$work/in" && mkfifo "$work/in"
    "$figures" "$@" <"$work/in" >"$work/out" 2>/dev/null &
    local pid=$!
    exec 3>"$work/in"
    for i in $(seq 1 300); do grep -q ready "$work/out" && break; sleep 0.1; done
    sleep 5
    local kb; kb=$(tree_pss $pid)
    local count; count=$(ps -eo ppid= | grep -c "^ *$pid$" || true)
    exec 3>&-
    wait $pid || true
    echo "$kb kB over $((count + 1)) processes"
  }
  for run in 1 2 3; do
    echo "banner pane shown, our settings:      PSS $(pane_pss)"
    echo "banner pane shown, engine defaults:   PSS $(pane_pss --engine-defaults)"
  done
  # The program itself: up once its page is written and the engine has started and settled.
  if [ -x "$1/app/spintrak" ]; then
    mkdir -p "$work/temp"
    TEMP="$work/temp" "$1/app/spintrak" >/dev/null 2>&1 &
    pid=$!
    for i in $(seq 1 300); do
      [ -f "$work/temp/SKTemp1.htm" ] && ps -eo ppid=,comm= | grep -q "^ *$pid WebKitWebProces" && break
      sleep 0.1
    done
    sleep 5
    echo "spintrak, banner pane shown:          PSS $(tree_pss $pid) kB"
    idle_cpu $pid
    kill $pid; wait $pid 2>/dev/null || true
  fi
  rm -f "$work/in" && mkfifo "$work/in"
  "$figures" --about 15 <"$work/in" >"$work/out" 2>/dev/null &
  exec 3>"$work/in"
  for i in $(seq 1 600); do grep -q ready "$work/out" && break; sleep 0.1; done
  exec 3>&-
  wait
  grep "about box" "$work/out"
' measure "$build"
