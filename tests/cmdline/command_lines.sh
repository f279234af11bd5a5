#!/bin/sh
# Runs spintrak and spintrak-stats on their help, their version and a table of wrong command
# lines, in the C locale and in an English one, and prints what each wrote and its exit status.
# The command-line tests compare this with command_lines.expected, so that every message stays
# as it was, byte for byte; after a deliberate change, regenerate the file with this script. The
# version number is written as VERSION, so that a new release does not change the transcript.
# Usage: command_lines.sh SPINTRAK SPINTRAK_STATS
set -u
spintrak=$1
stats=$2
# Nothing of the user's: no sessions, no tables, no colour from the terminal.
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
export XDG_STATE_HOME="$state"
unset LC_ALL LC_MESSAGES LANGUAGE NO_COLOR

run() {
  name=$1
  program=$2
  shift 2
  printf '=== %s' "$name"
  printf ' [%s]' "$@"
  printf '\n'
  "$program" "$@" </dev/null >"$state/out" 2>"$state/err"
  status=$?
  printf -- '--- stdout\n'
  sed 's/^\(spintrak[a-z-]*\) [0-9][0-9.]*$/\1 VERSION/' "$state/out"
  printf -- '--- stderr\n'
  cat "$state/err"
  printf -- '--- status %s\n' "$status"
}

long=$(printf 'x%.0s' $(seq 65))
for lang in C en_US.UTF-8; do
  export LANG=$lang
  printf '##### LANG=%s\n' "$lang"
  for args in "--help" "-h" "--version" "-V" "-hV" "--version --help"; do
    # shellcheck disable=SC2086
    run spintrak "$spintrak" $args
    # shellcheck disable=SC2086
    run spintrak-stats "$stats" $args
  done
  for args in "--bogus" "-x" "file.txt" "--help --bogus" "--help=yes" "--no-journal=1" "--resume a b" \
    "--resum" "--resume=" "--resume= x" "--table" "--table=" "--table a --ask-table" "--table a --resume f" \
    "--ask-table --resume f" "--table $long" "--no-announce=0" "-- x" "--version=1" "-Vx"; do
    # shellcheck disable=SC2086
    run spintrak "$spintrak" $args
  done
  run spintrak "$spintrak" --table " "
  run spintrak "$spintrak" --table "$(printf 'a\tb')"
  for args in "--bogus" "-x" "--help --bogus" "--help=yes" "-s=1" "--format" "--format=xml" "-f xml" \
    "--format=" "--color=sometimes" "--colour=often" "--window=0" "--window=abc" "-w -1" "--window 5" \
    "--window=" "--window= x" "--plot=x.gif" "--plot" "--analysis -f csv" "--sessions --analysis" \
    "--sessions --plot a.svg" "--sessions f" "--last f" "--sessions --last" "--tables --last" \
    "--tables f" "--table a f" "--table a --last" "--table" "--table $long" "-- --bogus" "-a -w" \
    "-- --format=" "-sx"; do
    # shellcheck disable=SC2086
    run spintrak-stats "$stats" $args
  done
  run spintrak-stats "$stats" --table " "
done

# Help and version that cannot be written.
for name in spintrak spintrak-stats; do
  program=$spintrak
  [ "$name" = spintrak ] || program=$stats
  for option in --help --version; do
    printf '=== %s [%s] >/dev/full\n' "$name" "$option"
    "$program" "$option" >/dev/full 2>"$state/err"
    status=$?
    cat "$state/err"
    printf -- '--- status %s\n' "$status"
  done
done
