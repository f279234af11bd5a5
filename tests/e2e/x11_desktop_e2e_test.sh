#!/usr/bin/env bash
# The program on an X11 desktop as the desktop sees it: at GDK_SCALE=2 its window is twice the
# logical size and its text is drawn at that resolution, not enlarged; at scale 1 its WM_CLASS is
# the menu entry's StartupWMClass and its dialogs are transient for the main window. Run it under
# an X server large enough for a window at scale 2:
#   SPINTRAK_XVFB_SCREEN=2560x1600x24 run-under-xvfb.sh x11_desktop_e2e_test.sh SPINTRAK DESKTOP_ENTRY
set -uo pipefail
spintrak=$(realpath "${1:?usage: x11_desktop_e2e_test.sh SPINTRAK DESKTOP_ENTRY}")
entry=$(realpath "${2:?usage: x11_desktop_e2e_test.sh SPINTRAK DESKTOP_ENTRY}")
readonly width=1166 height=742

work=$(mktemp -d)
export XDG_STATE_HOME="$work/state" temp="$work"
app_pid=""
stop() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Starts the program at a scale; main is its main window's id once it is shown (empty: never).
main=""
start() {
  GDK_SCALE=$1 "$spintrak" --no-journal >/dev/null &
  app_pid=$!
  main=""
  for _ in $(seq 200); do
    main=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Spintrak$' 2>/dev/null | head -1)
    [ -n "$main" ] && break
    sleep 0.1
  done
}
stop_app() {
  kill "$app_pid" 2>/dev/null
  wait "$app_pid" 2>/dev/null
  app_pid=""
}
size_of() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }

# Scale 2: twice the client size, and text rendered anew. A picture enlarged from scale 1 is made
# of 2 x 2 blocks: sampled down to every second pixel and enlarged again, it comes back the same.
start 2
if [ -z "$main" ]; then
  fail "no window at scale 2"
else
  [ "$(size_of "$main")" = "$((2 * width))x$((2 * height))" ] ||
    fail "the client size at scale 2 is $(size_of "$main"), not $((2 * width))x$((2 * height))"
  # The caption "Красное" of the red row, read until it is painted (red ink in it).
  blocky=0
  for _ in $(seq 40); do
    import -window "$main" "$work/scale2.png"
    convert "$work/scale2.png" -crop 260x60+90+310 +repage "$work/caption.png"
    red=$(convert "$work/caption.png" -fill black +opaque red -fill white -opaque red -format '%[fx:int(w*h*mean)]' info:)
    if [ "$red" -gt 500 ]; then
      convert "$work/caption.png" -sample 50% -scale 200% "$work/blocks.png"
      blocky=$(compare -metric AE "$work/caption.png" "$work/blocks.png" null: 2>&1 | cut -d' ' -f1)
      break
    fi
    sleep 0.25
  done
  [ "$blocky" -gt 100 ] || fail "the caption at scale 2 is not painted, or made of 2 x 2 blocks ($blocky pixels differ)"
fi
stop_app

# Scale 1: WM_CLASS, and the about box and the exit question transient for the main window.
start 1
if [ -z "$main" ]; then
  fail "no window at scale 1"
else
  wanted=$(awk -F= '/^StartupWMClass=/ {print $2}' "$entry")
  class=$(xprop -id "$main" WM_CLASS | sed 's/.*= //')
  [ "$class" = "\"$wanted\", \"$wanted\"" ] || fail "WM_CLASS is $class, the entry's StartupWMClass $wanted"
  xdotool windowactivate --sync "$main"
  for dialog in "About:940:38:Return" "Confirm:1090:38:Escape"; do
    IFS=: read -r title x y key <<<"$dialog"
    xdotool windowactivate --sync "$main"
    xdotool mousemove --window "$main" "$x" "$y" click 1
    id=""
    for _ in $(seq 100); do
      id=$(xdotool search --all --onlyvisible --pid "$app_pid" --name "^$title\$" 2>/dev/null | head -1)
      [ -n "$id" ] && break
      sleep 0.1
    done
    if [ -z "$id" ]; then
      fail "the dialog $title did not show"
      continue
    fi
    owner=$(xprop -id "$id" WM_TRANSIENT_FOR | awk '/window id/ {print $NF}')
    if [ -z "$owner" ]; then
      fail "the dialog $title is transient for no window"
    elif [ "$(printf '%d' "$owner")" != "$main" ]; then
      fail "the dialog $title is transient for $owner, not the main window $main"
    fi
    xdotool windowactivate --sync "$id"
    xdotool key "$key"
    sleep 1
  done
fi
stop_app

[ "$failures" = 0 ] && echo "x11_desktop_e2e_test: all passed"
exit $((failures > 0))
