# Sourced by the scripts: ensure_packages PACKAGE... installs whichever of the
# given Debian packages are missing, with apt-get as root or through sudo.
ensure_packages() {
    local package missing=() as_root=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "nabrel: these packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
            return 1
        fi
        as_root=(sudo)
    fi
    echo "nabrel: installing ${missing[*]}"
    if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq ||
        ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        echo "nabrel: could not install ${missing[*]} (apt-get as root or through sudo failed)" >&2
        return 1
    fi
}

# Runs a command with its output to a log (- for none), saying once a minute
# that it still works: "nabrel: WHAT: N min".
every_minute() {  # what log command...
    local what=$1 log=$2 ticker status=0
    shift 2
    (
        minutes=0
        while sleep 60; do echo "nabrel: $what: $((minutes += 1)) min"; done
    ) &
    ticker=$!
    if [ "$log" = - ]; then "$@" || status=$?; else "$@" >"$log" 2>&1 || status=$?; fi
    kill "$ticker" 2>/dev/null
    wait "$ticker" 2>/dev/null || true
    return "$status"
}

# The version of Debian's qt6-base source that the installed Qt comes from
# (its binary packages' names differ between releases: libqt6core6t64 on 13).
qt_source_version() {
    dpkg-query -W -f='${db:Status-Abbrev} ${source:Package} ${source:Version}\n' | awk '$1 == "ii" && $2 == "qt6-base" && !seen++ {print $3}'
}

# What building and playing the game need; the tests need more (setup.sh).
# The same names serve Debian 12 and Debian 13.
game_packages=(
    g++ binutils cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
)
# What the tests of a build need besides (the Windows build's own: windows.sh).
test_packages=(
    dpkg-dev libgtest-dev
    xvfb openbox kwin-x11 kwin-style-breeze mutter xdotool wmctrl x11-utils imagemagick sway qt6-wayland wtype grim
    dbus at-spi2-core python3-pyatspi python3-xlib python3-dbus python3-gi strace procps
    lintian appstream desktop-file-utils man-db file diffoscope-minimal devscripts
)
# What the Windows package's build (windows.sh) and its play under Wine
# (windows_test.sh) need besides the game's.
windows_packages=(
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev dpkg-dev zip nsis
    wine wine64 unzip
)
