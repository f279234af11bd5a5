#!/usr/bin/env bash
# Runs a command under a private X server (Xvfb) with a window manager (openbox) and always stops
# both afterwards. The X server picks a free display number itself, so this also works while
# another X server runs. Usage: run-under-xvfb.sh COMMAND [ARGS...]; exits with the command's status
# (124 when it ran longer than SPINTRAK_E2E_TIMEOUT seconds, 150 by default).
set -u

if [ $# -lt 1 ]; then
  echo "usage: $0 COMMAND [ARGS...]" >&2
  exit 2
fi

for tool in Xvfb openbox xprop; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "run-under-xvfb: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/spintrak-xvfb.XXXXXX")
xvfb_pid=""
wm_pid=""

stop() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  [ -n "$wm_pid" ] && wait "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT TERM

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    if [ $SECONDS -ge $deadline ]; then return 1; fi
    sleep 0.05
  done
}

# -displayfd: the server chooses a free display and writes its number once it accepts clients.
# SPINTRAK_XVFB_SCREEN sets the screen (1600x1000x24 by default; a scale-2 window needs 2560x1600x24).
# SPINTRAK_XVFB_OPTIONS adds options of the server's own (-bs: no backing store, so that an uncovered
# window must paint the area again, as on a desktop without a compositor).
# shellcheck disable=SC2086
Xvfb -displayfd 3 -screen 0 "${SPINTRAK_XVFB_SCREEN:-1600x1000x24}" -nolisten tcp -noreset ${SPINTRAK_XVFB_OPTIONS:-} 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! wait_for 30 grep -q '[0-9]' "$work/display"; then
  echo "run-under-xvfb: the X server did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
unset WAYLAND_DISPLAY

# openbox needs no configuration; it is ready once it has announced itself on the root window.
HOME="$work" openbox --sm-disable >"$work/wm.log" 2>&1 &
wm_pid=$!
if ! wait_for 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'; then
  echo "run-under-xvfb: the window manager did not start:" >&2
  cat "$work/wm.log" >&2
  exit 1
fi

# The command gets a time limit of its own, shorter than the test runner's, so that a hung test
# still ends here and the X server and window manager are stopped, not left behind.
timeout --kill-after=10 "${SPINTRAK_E2E_TIMEOUT:-150}" "$@"
