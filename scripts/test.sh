#!/usr/bin/env bash
# Builds everything and runs every test, headless. Exits non-zero on any
# failure. Runs the suite twice: the ordinary build, then under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
for preset in default sanitize; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "== $preset tests"
    ctest --preset "$preset"
done
