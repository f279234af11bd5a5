#!/usr/bin/env bash
# The journal under the real program: types spins into the main window, kills the program with
# SIGKILL as soon as the last change is on the screen, starts it again with --resume and checks
# that the window shows the same counter, strip and tables (compared pixel for pixel with what the
# screen showed before the kill) and that the journal holds every spin. The last action of every
# other try is a correction in the strip. Run under a display (run-under-xvfb.sh).
# Usage: journal_e2e_test.sh SPINTRAK [TRIES [SPINS]]; prints "lost 0 of TRIES" when all is well.
set -euo pipefail
program=${1:?usage: journal_e2e_test.sh SPINTRAK [TRIES [SPINS]]}
tries=${2:-2}
spins=${3:-5}

work=$(mktemp -d "${TMPDIR:-/tmp}/spintrak-journal-e2e.XXXXXX")
pid=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_STATE_HOME="$work/state" temp="$work"
sessions="$XDG_STATE_HOME/spintrak/sessions"

fail() {
  echo "journal e2e: $*" >&2
  [ -n "${wid:-}" ] && import -window "$wid" "$work/../spintrak-journal-e2e-failure.png" 2>/dev/null &&
    echo "journal e2e: the window is in ${TMPDIR:-/tmp}/spintrak-journal-e2e-failure.png" >&2
  exit 1
}

# A digest of a rectangle of the window's client area as the X server holds it: W H X Y.
grab() {
  local digest
  digest=$(import -window "$wid" -crop "$1x$2+$3+$4" +repage rgb:- 2>/dev/null | md5sum | cut -d' ' -f1)
  # Nothing read back would compare equal to nothing.
  [ "$digest" != d41d8cd98f00b204e9800998ecf8427e ] || fail "cannot read the window back"
  echo "$digest"
}
counter() { grab 120 46 740 30; }     # the spin counter
below() { grab 1166 662 0 79; }       # the strip and both tables

start() {
  "$program" "$@" 2>>"$work/stderr" &
  pid=$!
  wid=""
  for _ in $(seq 1 200); do
    wid=$(xdotool search --onlyvisible --pid "$pid" --name '^Spintrak$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && break
    sleep 0.05
  done
  [ -n "$wid" ] || fail "no window after starting $program $*"
  xdotool windowactivate --sync "$wid" windowfocus --sync "$wid" 2>/dev/null || true
}

# Waits until a digest differs from (or, with "same", equals) the one given; 10 s at most.
wait_for() {
  local what=$1 mode=$2 digest=$3
  for _ in $(seq 1 400); do
    local now; now=$($what)
    if [ "$mode" = same ] && [ "$now" = "$digest" ]; then return 0; fi
    if [ "$mode" = changed ] && [ "$now" != "$digest" ]; then return 0; fi
    sleep 0.025
  done
  return 1
}

lost=0
for try in $(seq 1 "$tries"); do
  rm -rf "$XDG_STATE_HOME"
  start
  expected=()
  for i in $(seq 1 "$spins"); do
    n=$(( (try * 7 + i * 11) % 37 ))
    before=$(counter)
    xdotool type --window "$wid" "$n"
    xdotool key --window "$wid" Return
    wait_for counter changed "$before" || fail "try $try: spin $i never reached the screen"
    expected+=("$n")
  done
  if [ $((try % 2)) -eq 0 ]; then
    # A correction of the newest spin as the last action: double-click it, answer the prompt.
    before=$(below)
    xdotool mousemove --window "$wid" 149 94 click --repeat 2 --delay 80 1
    prompt=$(xdotool search --sync --all --onlyvisible --pid "$pid" --name 'Смена' | head -1)
    n=$(( (expected[spins - 1] + 1) % 37 ))
    # The prompt shows the number selected; typing replaces it.
    xdotool windowactivate --sync "$prompt" 2>/dev/null || true
    xdotool type "$n"
    xdotool key Return
    # The prompt may cover the area watched below: what is compared is the window after it closed.
    for _ in $(seq 100); do
      xdotool search --all --onlyvisible --pid "$pid" --name 'Смена' >/dev/null 2>&1 || break
      sleep 0.05
    done
    wait_for below changed "$before" || fail "try $try: the correction never reached the screen"
    expected[spins - 1]=$n
  fi
  shown_counter=$(counter)
  shown_below=$(below)
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""

  journal=$(printf '%s\n' "${expected[@]}")
  file=$(ls "$sessions"/*.txt 2>/dev/null | head -1)
  if [ -z "$file" ] || [ "$(cat "$file")" != "$journal" ]; then
    echo "journal e2e: try $try: the journal holds $(tr '\n' ' ' <"${file:-/dev/null}") instead of ${expected[*]}" >&2
    lost=$((lost + 1))
    continue
  fi
  start --resume
  if ! wait_for counter same "$shown_counter" || ! wait_for below same "$shown_below"; then
    echo "journal e2e: try $try: the resumed window does not show what the killed one showed" >&2
    lost=$((lost + 1))
  fi
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
done
echo "journal e2e: lost $lost of $tries tries ($spins spins each, every other one ending in a correction)"
[ "$lost" -eq 0 ]
