#!/usr/bin/env bash
# Builds the .deb from a configured build tree and unpacks it into a scratch
# root: executable, desktop entry, icon, version 0.00.0001, computed dependencies.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/nabrel_*.deb)
dpkg -x "$deb" "$scratch/root"

failures=0
expect() {
    if eval "$2"; then echo "ok   $1"; else echo "FAIL $1"; failures=$((failures + 1)); fi
}
expect "named with the version" '[ "$(basename "$deb")" = nabrel_0.00.0001_$(dpkg --print-architecture).deb ]'
expect "package version" '[ "$(dpkg-deb -f "$deb" Version)" = 0.00.0001 ]'
expect "dependencies computed" 'dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6 (>="'
expect "executable" '[ -x "$scratch/root/usr/bin/nabrel" ]'
expect "desktop entry" 'grep -q "^Categories=Game;" "$scratch/root/usr/share/applications/io.github.nabrel.Orlenby.desktop" &&
    grep -q "^Name\[ja\]=～Nabrel～ Orlenby" "$scratch/root/usr/share/applications/io.github.nabrel.Orlenby.desktop"'
expect "icon" 'grep -q "<svg" "$scratch/root/usr/share/icons/hicolor/scalable/apps/nabrel.svg"'
expect "version in the executable" 'strings -el "$scratch/root/usr/bin/nabrel" | grep -qx "0\.00\.0001"'
if command -v desktop-file-validate >/dev/null; then
    expect "desktop entry valid" 'desktop-file-validate "$scratch/root/usr/share/applications/io.github.nabrel.Orlenby.desktop"'
fi
echo "$(( 7 - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
