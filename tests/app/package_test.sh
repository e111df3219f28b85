#!/usr/bin/env bash
# Builds the .deb from a configured build tree and checks it as Debian would:
# its contents, lintian (no error, no warning), the software-catalogue entry;
# then, as root, installs it with apt-get, starts the installed game from its
# menu entry's command on a private display, purges it and checks nothing is left.
# Usage: package_test.sh BUILD_DIR VERSION APP_ID
set -uo pipefail
build=$1
version=$2
app_id=$3
display=$(cd "$(dirname "$0")/../display" && pwd)
source "$display/../checks.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch" "$check_output"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/nabrel_*.deb)
dpkg -x "$deb" "$scratch/root"
root=$scratch/root
desktop_entry=$root/usr/share/applications/$app_id.desktop

depends_on_libraries_and_fonts() {
    dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6 (>=" &&
        dpkg-deb -f "$deb" Depends | grep -q "fonts-ipafont-gothic | fonts-japanese-gothic, fonts-ipafont-mincho | fonts-japanese-mincho"
}
icons_in_every_size() {
    grep -q "<svg" "$root/usr/share/icons/hicolor/scalable/apps/nabrel.svg" || return 1
    for s in 48 128 256; do identify "$root/usr/share/icons/hicolor/${s}x$s/apps/nabrel.png" | grep -q "PNG ${s}x$s" || return 1; done
}
man_page_of_this_version() { zcat "$root/usr/share/man/man6/nabrel.6.gz" | grep -q "^\.TH NABREL 6 .* \"$version\""; }
# Debian 13's lintian warns of the missing home page through its AppStream
# check (appstream-metadata-validation-failed), which catalogue_complete makes
# in full; Debian 12's lintian has no such tag, and refuses to suppress it.
not_told=()
lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1 &&
    not_told=(--suppress-tags appstream-metadata-validation-failed)
# One run of lintian, the slowest check, with its notes (-I) for hardened.
lintian -I --fail-on error,warning "${not_told[@]}" "$deb" >"$scratch/lintian" 2>/dev/null
lintian_status=$?
lintian_silent() { ! grep -v "^I:" "$scratch/lintian" && [ "$lintian_status" = 0 ]; }
check "named with the version" [ "$(basename "$deb")" = "nabrel_${version}_$(dpkg --print-architecture).deb" ]
check "package version" [ "$(dpkg-deb -f "$deb" Version)" = "$version" ]
check "libraries computed, fonts a hard dependency" depends_on_libraries_and_fonts
check "a stripped game in /usr/games" bash -c "[ -x '$root/usr/games/nabrel' ] && file '$root/usr/games/nabrel' | grep -q ', stripped'"
check "version in the executable" grep -qaF "$version" "$root/usr/games/nabrel"
check "desktop entry in the ゲーム menu" grep -qx "Categories=Game;Simulation;" "$desktop_entry"
check "and matched to the game's X11 window" grep -qx "StartupWMClass=nabrel" "$desktop_entry"
check "desktop entry valid" desktop-file-validate "$desktop_entry"
check "icons: scalable and 48, 128, 256 px" icons_in_every_size
check "man page in section 6, of this version" man_page_of_this_version
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
# Valid for AppStream 1.0 as for 0.16, by the validator's exit status, but for
# the home page the game does not have (url-homepage-missing, a warning): the
# copy validated names a placeholder.
catalogue_complete() {
    sed 's|^  <launchable |  <url type="homepage">https://home-page.invalid/</url>\n&|' "$metainfo" >"$scratch/metainfo.xml" &&
        appstreamcli validate --pedantic --no-net "$scratch/metainfo.xml" &&
        grep -q '<developer id="[a-z.]*">' "$metainfo" && grep -q "<control>keyboard</control>" "$metainfo" &&
        grep -qx "X-GNOME-SingleWindow=true" "$desktop_entry" && [ "$(dpkg-deb -f "$deb" Recommends)" = qt6-wayland ]
}
check "catalogue entries complete: AppStream 1.0 valid but for a home page, a single window, Wayland recommended" catalogue_complete
check "lintian: no error, no warning" lintian_silent
# Every hardening-check line that this release's own binaries pass. Left out:
# - control-flow integrity while the start files (crt1.o) carry no CET note: no
#   executable linked with them has one, Debian's own included (12 and 13 on
#   amd64); the code is built with -fcf-protection all the same;
# - branch protection (hardening-check of Debian 13 on): arm64's, no on amd64.
not_asked=()
readelf -n "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/crt1.o" | grep -q IBT || not_asked+=(--nocfprotection)
[ "$(dpkg --print-architecture)" != arm64 ] && grep -q -- --nobranchprotection <(hardening-check --help 2>&1) &&
    not_asked+=(--nobranchprotection)
hardened() { ! grep hardening- "$scratch/lintian" && hardening-check --quiet "${not_asked[@]}" "$root/usr/games/nabrel"; }
check "hardened: no lintian hardening tag, every hardening-check line yes" hardened
warned_and_calm_one_click_away() {
    grep -q "^\.SH WARNING" <(zcat "$root/usr/share/man/man6/nabrel.6.gz") &&
        grep -q "photosensitive" "$root/usr/share/metainfo/$app_id.metainfo.xml" "$root/usr/share/doc/nabrel/README.md" &&
        grep -qx "Exec=nabrel --reduce-motion" "$desktop_entry" && grep -qx "Name\[ja\]=点滅なしで遊ぶ" "$desktop_entry"
}
check "the flashing warned of, the calm game a menu action" warned_and_calm_one_click_away
# A library search path, even an empty entry, would load a libm.so.6 from the folder the game starts in.
nothing_from_the_current_folder() {
    local binary here=$scratch/here
    mkdir -p "$here" && cp /lib/"$(dpkg-architecture -qDEB_HOST_MULTIARCH)"/libm.so.6 "$here"
    for binary in "$root/usr/games/nabrel" "$build/app/nabrel"; do
        readelf -d "$binary" | grep -E 'R(UN)?PATH' && return 1
        (cd "$here" && LD_DEBUG=libs "$binary" --version 2>&1 | grep 'calling init: [^/]') && return 1
    done
    return 0
}
check "no library search path: nothing loaded from the current folder" nothing_from_the_current_folder
unknown_option_refused() {
    QT_QPA_PLATFORM=offscreen "$root/usr/games/nabrel" -reduce-motion 2>"$scratch/usage"
    [ $? = 2 ] && grep -q "^Usage: nabrel" "$scratch/usage"
}
check "an unknown option: the usage on standard error, exit status 2" unknown_option_refused

# The same commit, built for release twice in different folders at different
# times, makes the same package, bit for bit: once in a folder kept from run to
# run (so built only as far as the sources changed), once afresh.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
build_release_package() {  # folder
    rm -rf "$1/out"
    cmake -S "$source_dir" -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$scratch/again.log" 2>&1 &&
        cmake --build "$1" --target nabrel package_documents >>"$scratch/again.log" 2>&1 &&
        (cd "$1" && cpack -G DEB -B "$1/out" >>"$scratch/again.log" 2>&1) || { cat "$scratch/again.log"; exit 1; }
}
build_release_package "$build/release-package"
sleep 1
build_release_package "$scratch/elsewhere"
check "built twice in other folders: the same bytes" same_bytes "$build"/release-package/out/nabrel_*.deb "$scratch"/elsewhere/out/nabrel_*.deb

if [ "$(id -u)" -ne 0 ]; then
    echo "skip installing: that needs root"
elif dpkg-query -W -f='${Status}' nabrel 2>/dev/null | grep -q installed; then
    echo "skip installing: a nabrel package is installed on this machine already"
else
    check "apt-get installs it" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb"
    dpkg -L nabrel >"$scratch/installed" 2>/dev/null
    command=$(sed -n '/^\[Desktop Entry\]/,/^\[/ s/^Exec=//p' "/usr/share/applications/$app_id.desktop")
    check "the menu entry's command shows the title screen" "$display/with_display.sh" bash -c "
        source '$display/harness.sh'; PATH=/usr/games:\$PATH; $command & pid=\$!
        wait_for has_window Nabrel 402 213; shown=\$?; kill \$pid; exit \$shown"
    purged_without_trace() {
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq nabrel >/dev/null 2>&1 &&
            ! dpkg-query -W nabrel >/dev/null 2>&1 && [ ! -e /usr/share/doc/nabrel ] || return 1
        while read -r path; do [ -d "$path" ] || [ ! -e "$path" ] || { echo "left: $path"; return 1; }; done <"$scratch/installed"
    }
    check "purge leaves no installed file" purged_without_trace
fi
report
