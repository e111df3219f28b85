#!/usr/bin/env bash
# Builds the Windows package (reusing the cached static Qt) and plays it under
# Wine on a private Xvfb display with openbox.
# Usage: windows_test.sh [BUILD_DIR]        (default: build/windows)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$(realpath -m "${1:-$root/build/windows}")

if ! bash "$root/scripts/windows.sh" "$out"; then
    echo "FAIL the Windows package builds"
    echo "0 passed, 1 failed"
    exit 1
fi
work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
unzip -q "$out"/nabrel-*-win64.zip -d "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$root/tests/display/with_display.sh" "$root/tests/display/wine_play_test.sh" "$work"/nabrel-*-win64 "$out/screenshots"
