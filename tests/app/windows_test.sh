#!/usr/bin/env bash
# Builds the Windows package (reusing the cached static Qt) and plays it under
# Wine on a private Xvfb display with openbox.
# Usage: windows_test.sh [BUILD_DIR]        (default: build/windows)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$(realpath -m "${1:-$root/build/windows}")
source "$root/scripts/packages.sh"
ensure_packages "${windows_packages[@]}" || exit 1

if ! bash "$root/scripts/windows.sh" "$out"; then
    echo "FAIL the Windows package builds"
    echo "0 passed, 1 failed"
    exit 1
fi
# Built again in another folder against the same Qt: the same zip, bit for bit.
source "$root/tests/checks.sh"
again=$(mktemp -d)
built_again() { bash "$root/scripts/windows.sh" "$again/elsewhere" >"$again/build.log" 2>&1 || { tail -20 "$again/build.log"; false; }; }
check "the Windows package builds a second time, in another folder" built_again
check "built twice in different folders: the same zip" same_bytes "$out"/nabrel-*-win64.zip "$again"/elsewhere/nabrel-*-win64.zip
check "and the same installer" same_bytes "$out"/nabrel-*-win64-setup.exe "$again"/elsewhere/nabrel-*-win64-setup.exe
rm -rf "$again"
zip=$(ls "$out"/nabrel-*-win64.zip)
download_complete() {
    local dir notices readme
    dir=$(basename "$zip" .zip)
    notices=$(unzip -p "$zip" "$dir/THIRD-PARTY-NOTICES.txt")
    readme=$(unzip -p "$zip" "$dir/README.txt")
    [ "$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ')" = "$dir/ $dir/LICENSE.txt $dir/README.txt $dir/SOURCE.txt \
$dir/THIRD-PARTY-NOTICES.txt $dir/licenses/ $dir/licenses/GPL-3.0-only.txt $dir/licenses/LGPL-3.0-only.txt $dir/nabrel.exe " ] &&
        grep -q "^PCRE2 " <<<"$notices" && grep -q "^Unicode Common Locale Data Repository" <<<"$notices" &&
        ! grep -q "^HarfBuzz" <<<"$notices" &&
        grep -q "qt6-base=$(qt_source_version)" <(unzip -p "$zip" "$dir/SOURCE.txt") &&
        grep -q "注意：点滅" <<<"$readme" && grep -q "WARNING: FLASHING" <<<"$readme"
}
check "the download: the player's README, the licences, notices of what Qt put in (PCRE2 and CLDR, not HarfBuzz)" download_complete
check "nabrel.exe with ASLR (high entropy) and DEP" bash -c "x86_64-w64-mingw32-objdump -p '$out/nabrel.exe' |
    grep -A4 DllCharacteristics | tr -s ' \t\n' ' ' | grep -q 'HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT'"
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null; WINEPREFIX=$work/installed wineserver -k 2>/dev/null; rm -rf "$work" "$check_output"' EXIT
unzip -q "$out"/nabrel-*-win64.zip -d "$work"
# Wine names files in the locale's character set, and the Start-menu entries'
# names are Japanese: a UTF-8 one, whatever the machine's (POSIX has no kana).
export LC_ALL=C.UTF-8
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The title and the version as the build has them.
fact() { sed -n "s/.*$1\[\] = \"\(.*\)\";/\1/p" "$out/generated/nabrel_facts.h"; }
"$root/tests/display/with_display.sh" "$root/tests/display/wine_play_test.sh" "$work"/nabrel-*-win64 "$out/screenshots" \
    "$(fact kTitle)" "$(fact kVersion)"
played=$?
WINEPREFIX=$work/installed "$root/tests/display/with_display.sh" "$root/tests/display/wine_install_test.sh" \
    "$out"/nabrel-*-win64-setup.exe "$work"/nabrel-*-win64 "$(fact kTitle)" "$(fact kAppId)" "$(fact kVersion)"
installed=$?
report && [ "$played" = 0 ] && [ "$installed" = 0 ]
