#!/usr/bin/env bash
# The program as a Wayland client: weston's X11 backend runs nested in the test's X server, with
# the kiosk shell, whose one output is the main window's size, so the window fills it at (0, 0).
# xdotool's input to weston's window reaches the Wayland client, and a screenshot of weston's
# window is what the client shows. Run it under an X server:
#   run-under-xvfb.sh wayland_e2e_test.sh SPINTRAK SPINTRAK_SNAPSHOT
# It checks start and first frame, an entry and its pixels (against spintrak-snapshot's picture
# of the same window), a correction through the prompt, the about box, the exit question, the
# stay-on-top box shown disabled with its tooltip, and the application id. Exits 77 (skipped) with
# a message when weston cannot start here.
set -uo pipefail
spintrak=$(realpath "${1:?usage: wayland_e2e_test.sh SPINTRAK SPINTRAK_SNAPSHOT}")
snapshot=$(realpath "${2:?usage: wayland_e2e_test.sh SPINTRAK SPINTRAK_SNAPSHOT}")
readonly width=1166 height=742
# The main window's rows below the banner pane (which shows a page the snapshot has no browser for)
# and above the stay-on-top box (disabled here, enabled in the snapshot).
readonly below_banner=${width}x574+0+82

for tool in weston xdotool import compare; do
  if ! command -v "$tool" >/dev/null; then
    echo "wayland_e2e_test: SKIPPED: $tool is missing (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/run" XDG_STATE_HOME="$work/state" temp="$work"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston_pid="" app_pid=""
stop() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  [ -n "${SPINTRAK_KEEP:-}" ] && cp "$work"/*.png "$SPINTRAK_KEEP"/
  rm -rf "$work"
}
trap stop EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  [ -f "$work/now.png" ] && cp "$work/now.png" "$work/failed-$failures.png"
}

weston --backend=x11-backend.so --shell=kiosk-shell.so --socket=spintrak-test --width=$width --height=$height \
  --no-config --log="$work/weston.log" &
weston_pid=$!
output=""
for _ in $(seq 100); do
  output=$(xwininfo -root -tree 2>/dev/null | awk '/"Weston Compositor/ {print $1; exit}')
  [ -n "$output" ] && [ -S "$XDG_RUNTIME_DIR/spintrak-test" ] && break
  sleep 0.1
done
if [ -z "$output" ] || ! kill -0 "$weston_pid" 2>/dev/null; then
  echo "wayland_e2e_test: SKIPPED: weston cannot start here:"
  tail -5 "$work/weston.log"
  exit 77
fi

# Weston draws its cursor into the output: it is brought in over the banner pane, outside the rows
# compared, and kept there between clicks.
xdotool mousemove 0 0
sleep 0.2
xdotool mousemove --window "$output" 300 40
sleep 0.2

shot() { import -window "$output" "$work/$1.png"; }
# Pixels that differ between two pictures within a region (all of them without one).
differ() {
  local region=${3:-${width}x${height}+0+0}
  convert "$1" -crop "$region" +repage "$work/a.png"
  convert "$2" -crop "$region" +repage "$work/b.png"
  compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 | cut -d' ' -f1
}
# Waits up to $1 tenths of a second for the screen to match a picture in a region.
wait_match() {
  local limit=$1 expected=$2 region=$3
  for _ in $(seq "$limit"); do
    shot now
    [ "$(differ "$work/now.png" "$expected" "$region")" = 0 ] && return 0
    sleep 0.1
  done
  return 1
}
# Clicks at a point of the window, $3 times (once by default). Weston takes the pointer in from
# motion events, so the pointer moves first; afterwards it rests over the banner pane, where the
# cursor weston draws is outside the rows compared.
# Waits up to $1 tenths of a second for the screen to differ from a picture in more than $3 pixels.
wait_change() {
  local limit=$1 before=$2 pixels=$3
  for _ in $(seq "$limit"); do
    shot now
    [ "$(differ "$work/now.png" "$before")" -gt "$pixels" ] && return 0
    sleep 0.1
  done
  return 1
}
click() {
  xdotool mousemove --window "$output" "$1" "$2"
  sleep 0.3
  xdotool click --repeat "${3:-1}" --delay 80 1
  sleep 0.3
  park
}
park() { xdotool mousemove --window "$output" 300 40; }

"$snapshot" "$work/empty.png"
"$snapshot" --spins 7 "$work/seven.png"
"$snapshot" --spins 5 "$work/five.png"

# Start and first frame: the window as the snapshot paints it.
started=$(date +%s%N)
WAYLAND_DEBUG=client WAYLAND_DISPLAY=spintrak-test GDK_BACKEND=wayland "$spintrak" --no-journal \
  2>"$work/protocol.log" &
app_pid=$!
if wait_match 30 "$work/empty.png" "$below_banner"; then
  echo "first frame within $((($(date +%s%N) - started) / 1000000)) ms"
else
  fail "the window never showed its first frame ($(differ "$work/now.png" "$work/empty.png" "$below_banner") pixels differ)"
fi
# Weston's window takes the keyboard once activated.
xdotool windowactivate --sync "$output"
xdotool mousemove 0 0
park
grep -q 'set_app_id("example.spintrak.Spintrak")' "$work/protocol.log" ||
  fail "the application id is not the menu entry's id"

# An entry and its pixels, typed into the field, which has the focus from the start.
xdotool key End BackSpace BackSpace
xdotool type --delay 50 7
xdotool key Return
wait_match 50 "$work/seven.png" "$below_banner" ||
  fail "after entering 7 the window differs from its snapshot in $(differ "$work/now.png" "$work/seven.png" "$below_banner") pixels"

# A correction through the prompt: the newest number double-clicked, 5 typed over it.
click 149 93 2
sleep 1
xdotool key ctrl+a
xdotool type --delay 50 5
xdotool key Return
wait_match 50 "$work/five.png" "$below_banner" ||
  fail "after correcting 7 to 5 the window differs from its snapshot in $(differ "$work/now.png" "$work/five.png" "$below_banner") pixels"

# The stay-on-top box: disabled (its caption grey, no black in it), and its tooltip shows.
shot box
black=$(convert "$work/box.png" -crop 220x34+40+668 +repage -fill white +opaque black -format '%[fx:int(w*h*(1-mean))]' info:)
[ "$black" = 0 ] || fail "the stay-on-top box's caption is drawn black ($black pixels): not disabled"
xdotool mousemove --window "$output" 100 676
wait_change 50 "$work/box.png" 500 || fail "no tooltip over the disabled stay-on-top box"
park
sleep 1

# The about box opens over the window and closes with its OK button. The kiosk shell centres a
# dialog over its window, but gives it the keyboard only once it is clicked, so its buttons are
# clicked where they stand.
shot before
click 940 38
wait_change 100 "$work/before.png" 10000 || fail "the about box did not show"
sleep 0.5
click 582 466
wait_match 30 "$work/before.png" "$below_banner" || fail "the window was not painted again after the about box"

# The exit question: No keeps the program, Yes ends it.
click 1090 38
wait_change 100 "$work/before.png" 2000 || fail "the exit question did not show"
sleep 0.5
click 615 410 # No
sleep 1
kill -0 "$app_pid" 2>/dev/null || fail "the program ended though the question was answered No"
click 1090 38
wait_change 100 "$work/before.png" 2000 || fail "the exit question did not show again"
sleep 0.5
click 548 410 # Yes
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  fail "the program did not end after Yes"
else
  wait "$app_pid"
  status=$?
  app_pid=""
  [ "$status" = 0 ] || fail "the program ended with status $status"
fi

[ "$failures" = 0 ] && echo "wayland_e2e_test: all passed"
exit $((failures > 0))
