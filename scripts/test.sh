#!/usr/bin/env bash
# Sets up, builds and runs every test: once as built for release, once under
# AddressSanitizer + UndefinedBehaviorSanitizer + LeakSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh default asan
ctest --preset default
ctest --preset asan
