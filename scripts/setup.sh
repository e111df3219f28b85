#!/usr/bin/env bash
# Installs whatever Debian 12 packages the build and tests need, then
# configures and builds each preset given (default: "default").
# Usage: setup.sh [PRESET...]
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("${@:-default}")

packages=(
    g++ binutils cmake ninja-build pkg-config dpkg-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
    xvfb openbox xdotool wmctrl x11-utils imagemagick
    dbus at-spi2-core python3-pyatspi strace procps
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done

if ((${#missing[@]})); then
    if [ "$(id -u)" -eq 0 ]; then
        as_root=()
    elif command -v sudo >/dev/null 2>&1; then
        as_root=(sudo)
    else
        echo "nabrel: these packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
        exit 1
    fi
    echo "nabrel: installing ${missing[*]}"
    if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
        ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        echo "nabrel: could not install ${missing[*]} (apt-get as root or through sudo failed)" >&2
        exit 1
    fi
fi

for preset in "${presets[@]}"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
