#!/usr/bin/env bash
# Builds everything and runs every test: unit, headless integration and, where a display
# host is built, the end-to-end tests under a private X server.
# Sanitizers (AddressSanitizer, UndefinedBehaviorSanitizer) are on; --no-sanitize turns them off.
# Then every fuzz target runs for 20 seconds when clang with libFuzzer is installed.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=ON
for arg in "$@"; do
  case "$arg" in
    --no-sanitize) sanitize=OFF ;;
    *) echo "usage: scripts/test.sh [--no-sanitize]" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh

build=build/test-sanitize-$sanitize
jobs=$(nproc)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPINTRAK_SANITIZE=$sanitize \
  -DSPINTRAK_TESTS=ON -DSPINTRAK_BENCH=ON -DSPINTRAK_WERROR=ON >/dev/null
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"
bash scripts/check-format.sh
bash scripts/fuzz.sh --time 20 --if-available
