#!/usr/bin/env bash
# The real program heard through the Orca screen reader: a private D-Bus session with the
# accessibility bus, Orca with its speech written to its debug log (run_orca.py), and the program
# driven with xdotool. Run it under an X server: run-under-xvfb.sh orca_e2e_test.sh SPINTRAK
set -euo pipefail
spintrak=$(realpath "${1:?usage: orca_e2e_test.sh SPINTRAK}")
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -x /usr/bin/orca ] || ! command -v xdotool >/dev/null; then
  echo "orca_e2e_test: needs orca and xdotool (scripts/install-deps.sh)" >&2
  exit 1
fi
# Orca writes into its settings folder; it gets a copy of the test's own settings.
exec "$here/../with-a11y-bus.sh" bash -c '
  mkdir -p "$SPINTRAK_A11Y_WORK/orca"
  cp "$2/user-settings.conf" "$SPINTRAK_A11Y_WORK/orca/"
  exec /usr/bin/python3 "$2/orca_e2e_test.py" "$1" "$SPINTRAK_A11Y_WORK"
' orca "$spintrak" "$here"
