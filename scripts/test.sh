#!/usr/bin/env bash
# Builds everything and runs every test, headless. Exits non-zero on any
# failure. Runs the suite three times: the ordinary build, then under
# AddressSanitizer and UndefinedBehaviorSanitizer, then with the portable
# fallbacks that Windows and macOS run in place of timerfd and POSIX signals.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)

# The engine under libFuzzer, checked against a model of the rules, for a
# bounded time; the seeds are copied so the repository stays untouched.
echo "== fuzz"
cmake -S fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz
corpus=$(mktemp -d)
cp fuzz/corpus/* "$corpus"/
build/fuzz/fuzz_match -max_total_time="${FUZZ_SECONDS:-60}" -print_final_stats=1 "$corpus" 2>&1 \
    | grep -E "^(Done|stat::number_of_executed_units|==|SUMMARY|engine and model)" || true
status=${PIPESTATUS[0]}
rm -rf "$corpus"
[[ $status -eq 0 ]] || { echo "fuzzing failed"; exit 1; }
for preset in default sanitize portable; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "== $preset tests"
    ctest --preset "$preset"
done
