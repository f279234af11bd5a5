#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/fuzz_*.cpp) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time. The corpus grows between runs in
# build/fuzz/corpus/<target>; inputs that crash are kept in build/fuzz/findings/<target>/.
#
#   scripts/fuzz.sh [--time SECONDS] [--if-available] [TARGET...]
#
# --time: seconds per target (default 60). --if-available: when clang or its libFuzzer runtime
# is missing, say so and succeed (the test command uses this). Exit status 1 when a target
# found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
if_available=0
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --time) seconds="$2"; shift 2 ;;
    --time=*) seconds="${1#--time=}"; shift ;;
    --if-available) if_available=1; shift ;;
    -h|--help) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "fuzz: unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

unavailable() {
  if [ $if_available -eq 1 ]; then
    echo "fuzz: $1; fuzzing skipped" >&2
    exit 0
  fi
  echo "fuzz: $1" >&2
  exit 2
}
command -v clang++ >/dev/null || unavailable "clang++ not found (Debian: clang libclang-rt-dev)"
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$probe/probe.cpp"
clang++ -fsanitize=fuzzer "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null ||
  unavailable "clang++ cannot link libFuzzer (Debian: libclang-rt-dev)"

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPINTRAK_FUZZ=ON \
  -DSPINTRAK_SANITIZE=ON -DSPINTRAK_TESTS=OFF -DSPINTRAK_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

# Inputs to start from, besides fuzz/seeds/<name>: the pictures the program and its tests carry.
seeds_for() {
  local name="${1#fuzz_}"
  [ -d "fuzz/seeds/$name" ] && echo "fuzz/seeds/$name"
  case "$name" in
    png) echo resources/icons tests/gui/graphics/data; [ -d resources/hicolor ] && echo resources/hicolor ;;
  esac
  return 0
}

status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/fuzz-$target.log"
  mkdir -p "$corpus" "$findings"
  dict=()
  [ -f "fuzz/${target#fuzz_}.dict" ] && dict=("-dict=fuzz/${target#fuzz_}.dict")
  # shellcheck disable=SC2046
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/" "${dict[@]}" "$corpus" $(seeds_for "$target") >"$log" 2>&1; then
    result="no crash"
  else
    result="CRASH, input in $findings/ (log: $log)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "fuzz: $target: ${runs:-?} executions in ${seconds} s, corpus $(find "$corpus" -type f | wc -l) inputs, $result"
done
exit $status
