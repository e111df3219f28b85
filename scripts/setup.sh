#!/usr/bin/env bash
# Installs whatever Debian 12 packages the build and the tests need, then
# configures and builds each preset given (default: "default").
# Usage: setup.sh [PRESET...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
presets=("${@:-default}")

ensure_packages "${game_packages[@]}" dpkg-dev libgtest-dev \
    xvfb openbox xdotool wmctrl x11-utils imagemagick sway qt6-wayland wtype grim \
    dbus at-spi2-core python3-pyatspi python3-xlib python3-dbus python3-gi strace procps \
    lintian appstream desktop-file-utils man-db file diffoscope-minimal devscripts \
    wine wine64 unzip

for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
