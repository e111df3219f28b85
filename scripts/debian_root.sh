#!/usr/bin/env bash
# Builds this work tree's "default" preset in a root of another Debian release
# and runs its tests there (unit, display and package), with the README's own
# setup inside. The root is made once with debootstrap from the machine's own
# Debian package source and kept in the cache beside the Windows Qt
# ($NABREL_CACHE, else $XDG_CACHE_HOME/nabrel, else ~/.cache/nabrel); when
# the package list changes it is brought up to date. Needs root or sudo.
# Usage: debian_root.sh CODENAME        (trixie, bookworm, ...)
# Exit status: the tests' own; 77 when skipped (no root, no sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
codename=$1
name="Debian $codename"

if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        exec sudo -n env NABREL_CACHE="${NABREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/nabrel}" \
            bash "$PWD/scripts/debian_root.sh" "$@"
    fi
    echo "skip $name: making and entering its root needs root or sudo"
    exit 77
fi
cache=${NABREL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/nabrel}
root=$cache/debian-$codename
log=$cache/debian-$codename.log
mkdir -p "$cache"
# One run at a time in a root.
exec 9>"$cache/debian-$codename.lock"
flock 9
ensure_packages debootstrap

# The machine's own Debian source: the archive and its security archive as
# apt knows them for this machine's release.
host=$(. /etc/os-release && echo "$VERSION_CODENAME")
source_of() { apt-get indextargets --format '$(CODENAME) $(REPO_URI)' | awk -v c="$1" '$1 == c {print $2; exit}'; }
mirror=$(source_of "$host")
security=$(source_of "$host-security")
if [ -z "$mirror" ]; then
    echo "nabrel: apt lists no Debian package source for this machine's release ($host); run 'apt-get update'" \
        "or add one, then try again" >&2
    exit 1
fi

# A root whose list of sources and packages is not this one's is brought up to date.
stamp=$(printf '%s\n' "$codename" "$mirror" "$security" "${game_packages[@]}" "${test_packages[@]}" | sha256sum | cut -c1-16)
if [ ! -f "$root/.nabrel-made" ]; then
    echo "nabrel: making a $name root in $root (once; a few minutes)"
    rm -rf --one-file-system "$root.new"
    every_minute "making the $name root" "$log" debootstrap --variant=minbase "$codename" "$root.new" "$mirror" ||
        { echo "nabrel: debootstrap failed; the last lines of $log:" >&2; tail -20 "$log" >&2; exit 1; }
    touch "$root.new/.nabrel-made"
    rm -rf --one-file-system "$root"
    mv "$root.new" "$root"
fi
{
    echo "deb $mirror $codename main"
    echo "deb $mirror $codename-updates main"
    [ -z "$security" ] || echo "deb $security $codename-security main"
} >"$root/etc/apt/sources.list"
cp /etc/resolv.conf /etc/hosts "$root/etc/"
name="Debian $(. "$root/etc/os-release" && echo "${VERSION_ID:-$codename} ($codename)")"

# The host's /proc, /sys and /dev, bound in for as long as this runs.
mounted=()
unmount() {
    local point
    for point in "${mounted[@]}"; do umount -R "$point" 2>/dev/null || umount -R -l "$point"; done
}
trap unmount EXIT
for point in proc sys dev; do
    mountpoint -q "$root/$point" && umount -R -l "$root/$point"
    mount --rbind "/$point" "$root/$point"
    mount --make-rslave "$root/$point"
    mounted+=("$root/$point")
done
inside() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb CI="${CI:-}" bash -c "$1"
}

if [ "$(cat "$root/.nabrel-stamp" 2>/dev/null)" != "$stamp" ]; then
    echo "nabrel: bringing the $name root up to date"
    every_minute "updating the $name root" "$log" inside \
        'export DEBIAN_FRONTEND=noninteractive; apt-get update -qq && apt-get dist-upgrade -y -qq >/dev/null' ||
        { echo "nabrel: updating the $name root failed; the last lines of $log:" >&2; tail -20 "$log" >&2; exit 1; }
fi

# The work tree as git sees it (tracked and new files), over the root's last
# copy: its build folder stays, so an unchanged file is not built again.
copy=$root/root/nabrel
mkdir -p "$copy"
find "$copy" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf --one-file-system {} +
if git -c safe.directory="$PWD" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git -c safe.directory="$PWD" ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read -cf - 2>/dev/null
else
    tar --exclude=./build -cf - .
fi | tar -xf - -C "$copy"

echo "nabrel: $name: setting up and building the default preset"
every_minute "$name set-up and build" "$log" inside 'cd /root/nabrel && bash scripts/setup.sh default' ||
    { echo "nabrel: the $name set-up or build failed; the last lines of $log:" >&2; tail -40 "$log" >&2; exit 1; }
printf '%s\n' "$stamp" >"$root/.nabrel-stamp"
echo "nabrel: $name: running the tests"
every_minute "$name tests" - inside 'cd /root/nabrel && ctest --preset default'
