#!/usr/bin/env bash
# Sets up, builds and launches the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh default
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "nabrel: no display found (DISPLAY is not set); run it on a desktop, or under xvfb-run to try it headless" >&2
    exit 1
fi
exec build/default/app/nabrel
