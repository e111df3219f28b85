#!/usr/bin/env bash
# Sets up, builds and runs every test: once as built for release, once under
# AddressSanitizer + UndefinedBehaviorSanitizer + LeakSanitizer; then builds
# the Windows package and plays it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh default asan
ctest --preset default
ctest --preset asan
# The first run on a machine builds the static Qt for Windows (see README).
timeout 5400 bash tests/app/windows_test.sh build/windows
