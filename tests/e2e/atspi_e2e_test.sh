#!/usr/bin/env bash
# The program on the desktop's accessibility bus: a private D-Bus session and the accessibility
# bus of at-spi2-core, started for this test and stopped after it, and a client of the
# accessibility interface (atspi_client.py) that drives the program. Run it under an X server:
# run-under-xvfb.sh atspi_e2e_test.sh SPINTRAK [CLIENT], where CLIENT is a client of this folder
# (atspi_client.py when not given).
set -euo pipefail
spintrak=$(realpath "${1:?usage: atspi_e2e_test.sh SPINTRAK [CLIENT]}")
client=${2:-atspi_client.py}
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ] || ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
  echo "atspi_e2e_test: needs at-spi2-core, python3-gi and gir1.2-atspi-2.0 (scripts/install-deps.sh)" >&2
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
  /usr/bin/python3 "$2/$4" "$1"
' atspi "$spintrak" "$here" "$launcher" "$client"
