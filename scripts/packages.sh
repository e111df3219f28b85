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

# What building and playing the game need; the tests need more (setup.sh).
game_packages=(
    g++ binutils cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-ipafont-gothic fonts-ipafont-mincho
)
