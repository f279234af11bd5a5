#!/usr/bin/env bash
# Builds Spintrak (optimised) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build/release
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DSPINTRAK_TESTS=OFF -DSPINTRAK_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target spintrak
exec "$build/app/spintrak" "$@"
