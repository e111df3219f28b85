#!/usr/bin/env bash
# Builds the game and its benchmarks, runs every benchmark and prints a table
# of what it measured against its goal. Not part of the tests.
# Usage: bench/run_all.sh [GAMES]   (GAMES for the many-games run, default 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh default >/dev/null
exec tests/display/with_display.sh bash bench/measure.sh build/default "${1:-10000}"
