#!/usr/bin/env bash
# Installs whatever Debian packages the build and the tests need, then
# configures and builds each preset given (default: "default").
# Usage: setup.sh [PRESET...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
presets=("${@:-default}")

ensure_packages "${game_packages[@]}" "${test_packages[@]}"

for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
