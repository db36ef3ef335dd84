#!/usr/bin/env bash
# Builds the game and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target klopfomat
exec build/default/src/app/klopfomat
