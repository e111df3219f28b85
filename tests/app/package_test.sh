#!/usr/bin/env bash
# Builds the .deb from a configured build tree and checks it as Debian would:
# its contents, lintian (no error, no warning), the software-catalogue entry;
# then, as root, installs it with apt-get, starts the installed game from its
# menu entry's command on a private display, purges it and checks nothing is left.
# Usage: package_test.sh BUILD_DIR
set -uo pipefail
build=$1
display=$(cd "$(dirname "$0")/../display" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/nabrel_*.deb)
dpkg -x "$deb" "$scratch/root"
root=$scratch/root
app_id=io.github.nabrel.Orlenby

passed=0
failed=0
expect() {
    if eval "$2"; then echo "ok   $1"; passed=$((passed + 1)); else echo "FAIL $1"; failed=$((failed + 1)); fi
}
expect "named with the version" '[ "$(basename "$deb")" = nabrel_0.00.0001_$(dpkg --print-architecture).deb ]'
expect "package version" '[ "$(dpkg-deb -f "$deb" Version)" = 0.00.0001 ]'
expect "libraries computed, fonts a hard dependency" 'dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6 (>=" &&
    dpkg-deb -f "$deb" Depends | grep -q "fonts-ipafont-gothic | fonts-japanese-gothic, fonts-ipafont-mincho | fonts-japanese-mincho"'
expect "a stripped game in /usr/games" '[ -x "$root/usr/games/nabrel" ] && file "$root/usr/games/nabrel" | grep -q ", stripped"'
expect "version in the executable" 'strings -el "$root/usr/games/nabrel" | grep -qx "0\.00\.0001"'
expect "desktop entry, valid" 'grep -q "^Categories=Game;" "$root/usr/share/applications/$app_id.desktop" &&
    desktop-file-validate "$root/usr/share/applications/$app_id.desktop"'
expect "icons: scalable and 48, 128, 256 px" 'grep -q "<svg" "$root/usr/share/icons/hicolor/scalable/apps/nabrel.svg" &&
    (for s in 48 128 256; do identify "$root/usr/share/icons/hicolor/${s}x$s/apps/nabrel.png" | grep -q "PNG ${s}x$s" || exit 1; done)'
expect "man page in section 6" 'zcat "$root/usr/share/man/man6/nabrel.6.gz" | grep -q "^\.TH NABREL 6"'
expect "metainfo valid" 'appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$scratch/as.log" 2>&1 ||
    { cat "$scratch/as.log"; false; }'
expect "lintian: no error, no warning" 'lintian --fail-on error,warning "$deb" 2>/dev/null | tee "$scratch/lintian.log" | grep -v "^I:" >&2;
    [ "${PIPESTATUS[0]}" = 0 ]'

# The same commit, built for release twice in different folders at different
# times, makes the same package, bit for bit.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
build_release_package() {  # folder
    cmake -S "$source_dir" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$scratch/again.log" 2>&1 &&
        cmake --build "$1" --target nabrel package_documents >>"$scratch/again.log" 2>&1 &&
        (cd "$1" && cpack -G DEB -B "$1/out" >>"$scratch/again.log" 2>&1) || { cat "$scratch/again.log"; exit 1; }
}
build_release_package "$scratch/first"
sleep 1
build_release_package "$scratch/second/elsewhere"
same_bytes() {
    [ "$(sha256sum <"$1")" = "$(sha256sum <"$2")" ] && return 0
    diffoscope --text - "$1" "$2" 2>&1 | head -40
    return 1
}
expect "built twice in other folders: the same bytes" 'same_bytes "$scratch"/first/out/nabrel_*.deb "$scratch"/second/elsewhere/out/nabrel_*.deb'

if [ "$(id -u)" -ne 0 ]; then
    echo "skip installing: that needs root"
elif dpkg-query -W -f='${Status}' nabrel 2>/dev/null | grep -q installed; then
    echo "skip installing: a nabrel package is installed on this machine already"
else
    expect "apt-get installs it" 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >"$scratch/apt.log" 2>&1 ||
        { cat "$scratch/apt.log"; false; }'
    dpkg -L nabrel >"$scratch/installed" 2>/dev/null
    command=$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop")
    expect "the menu entry's command shows the title screen" '"$display/with_display.sh" bash -c "
        source \"$display/x_helpers.sh\"; PATH=/usr/games:\$PATH; $command & pid=\$!
        wait_for has_window Nabrel 402 213; shown=\$?; kill \$pid; exit \$shown"'
    expect "purge leaves no installed file" 'DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq nabrel >/dev/null 2>&1 &&
        ! dpkg-query -W nabrel >/dev/null 2>&1 && [ ! -e /usr/share/doc/nabrel ] &&
        (while read -r path; do [ -d "$path" ] || [ ! -e "$path" ] || { echo "left: $path"; exit 1; }; done <"$scratch/installed")'
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
