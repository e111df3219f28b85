#!/usr/bin/env bash
# Sets up, builds and launches the game: only what building and playing need.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${game_packages[@]}"
cmake --preset game >/dev/null
cmake --build --preset game --target nabrel
exec build/game/app/nabrel
