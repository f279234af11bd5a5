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
if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
  echo "atspi_e2e_test: needs python3-gi and gir1.2-atspi-2.0 (scripts/install-deps.sh)" >&2
  exit 1
fi
exec "$here/with-a11y-bus.sh" /usr/bin/python3 "$here/$client" "$spintrak"
