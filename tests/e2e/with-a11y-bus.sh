#!/usr/bin/env bash
# Runs a command in a private D-Bus session with the desktop's accessibility bus (at-spi2-core's
# launcher), both started for it and stopped after it, with GTK's accessibility bridge on and a
# scratch folder for the banner page and the journal. The command gets that folder as
# $SPINTRAK_A11Y_WORK. Usage: with-a11y-bus.sh COMMAND [ARGS...]; exits with the command's status.
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ]; then
  echo "with-a11y-bus: needs at-spi2-core (scripts/install-deps.sh)" >&2
  exit 1
fi
exec dbus-run-session -- bash -c '
  launcher=$1
  shift
  "$launcher" --launch-immediately &
  pid=$!
  work=$(mktemp -d)
  trap "kill $pid 2>/dev/null; rm -rf $work" EXIT
  export SPINTRAK_A11Y_WORK="$work" temp="$work" XDG_STATE_HOME="$work/state" NO_AT_BRIDGE=0 GTK_A11Y=atk
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  "$@"
' a11y "$launcher" "$@"
