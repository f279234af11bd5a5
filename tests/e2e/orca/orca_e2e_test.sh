#!/usr/bin/env bash
# The real program heard through the Orca screen reader: a private D-Bus session with the
# accessibility bus, Orca with its speech written to its debug log (run_orca.py), and the program
# driven with xdotool. Run it under an X server: run-under-xvfb.sh orca_e2e_test.sh SPINTRAK
set -euo pipefail
spintrak=$(realpath "${1:?usage: orca_e2e_test.sh SPINTRAK}")
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ] || [ ! -x /usr/bin/orca ] || ! command -v xdotool >/dev/null; then
  echo "orca_e2e_test: needs at-spi2-core, orca and xdotool (scripts/install-deps.sh)" >&2
  exit 1
fi
exec dbus-run-session -- bash -c '
  "$3" --launch-immediately &
  launcher=$!
  work=$(mktemp -d)
  trap "kill $launcher 2>/dev/null; rm -rf $work" EXIT
  export temp="$work" XDG_STATE_HOME="$work/state" NO_AT_BRIDGE=0 GTK_A11Y=atk
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  # Orca writes into its settings folder; it gets a copy of the test'"'"'s own settings.
  mkdir -p "$work/orca"
  cp "$2/user-settings.conf" "$work/orca/"
  /usr/bin/python3 "$2/orca_e2e_test.py" "$1" "$work"
' orca "$spintrak" "$here" "$launcher"
