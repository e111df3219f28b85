#!/usr/bin/env bash
# Sets up, builds and launches the game: only what building and playing need.
set -euo pipefail
cd "$(dirname "$0")/.."
# Said before minutes of installing and building, not after.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY is not set); run it from a desktop session, or under xvfb-run" >&2
    exit 1
fi
source scripts/packages.sh
ensure_packages "${game_packages[@]}"
cmake --preset game >/dev/null
cmake --build --preset game --target nabrel
exec build/game/app/nabrel
