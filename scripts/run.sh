#!/usr/bin/env bash
# Sets up, builds and launches the game: only what building and playing need.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "nabrel: no display found (DISPLAY is not set); run it on a desktop, or under xvfb-run to try it headless" >&2
    exit 1
fi
source scripts/packages.sh
ensure_packages "${game_packages[@]}"
cmake --preset game >/dev/null
cmake --build --preset game --target nabrel
exec build/game/app/nabrel
