#!/usr/bin/env bash
# Installs the Windows installer silently in a fresh Wine prefix, starts the
# installed calm game from its Start-menu entry, uninstalls it silently through
# its uninstall entry, and compares the prefix with what it was before.
# Run it under with_display.sh with WINEPREFIX set to a fresh folder.
# Usage: wine_install_test.sh INSTALLER PACKAGE_DIR TITLE APP_ID VERSION
set -uo pipefail
source "$(dirname "$0")/harness.sh"
installer=$1
package=$2
app_title=$3
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$4"
version=$5
# The shortcuts' folders would otherwise become menus of the machine's desktop.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

# Wine re-reads its devices after its first start; a restart first makes the
# prefix one that stays as it is.
restart_wine() { wine wineboot -r >/dev/null 2>&1 && wineserver -w; }
wine wineboot --init >/dev/null 2>&1
wineserver -w
restart_wine
# The prefix's files and registry, without the times Wine stamps on keys and
# the devices it lists afresh whenever a program opens a window (Wine 10 lists
# them under ControlSet001). Folders in Temp are left out: the uninstaller runs
# from a copy there, which the next start deletes (Wine leaves the emptied
# folder); a file left there counts.
snapshot() {
    (cd "$WINEPREFIX" && find . -path ./dosdevices -prune -o ! \( -type d -path './drive_c/users/*/Temp/*' \) \
        -printf '%y %p\n' | LC_ALL=C sort) >"$1"
    awk '/^\[/ { devices = /^\[System\\\\(Current)?ControlSet[0-9]*\\\\(Control\\\\(Class|DeviceClasses)|Enum)\\\\/; sub(/\] [0-9]+$/, "]") }
        !devices && !/^#time=/' "$WINEPREFIX"/{system,user,userdef}.reg >>"$1"
}
before=$(mktemp)
after=$(mktemp)
snapshot "$before"

windows_path() { wine winepath -u "$1" 2>/dev/null; }
installed() { wine "$installer" /S && wineserver -w; }
check "silent install (/S)" installed
user_dir='C:\users\'"$(id -un)"'\AppData'
install_dir=$(windows_path "$user_dir\Local\Programs\Nabrel Orlenby")
menu=$(windows_path "$user_dir\Roaming\Microsoft\Windows\Start Menu\Programs")/$app_title
listing() { LC_ALL=C sort | tr '\n' ' '; }
download_installed() {
    [ "$(cd "$install_dir" && find . -type f | listing)" = "$({ cd "$package" && find . -type f; echo ./uninstall.exe; } | listing)" ]
}
check "it installs the download's files and its uninstaller" download_installed
calm=$menu/"$app_title 点滅なしで遊ぶ.lnk"
menu_entries() { [ -f "$menu/$app_title.lnk" ] && utf16_in "$calm" --reduce-motion; }
check "Start-menu entries for the game and the calm game (--reduce-motion)" menu_entries
entry() { wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
entry_named() { [ -n "$(entry DisplayName)" ] && [ "$(entry DisplayVersion)" = "$version" ]; }
check "an uninstall entry with a name and the version" entry_named

wine start /unix "$calm" >/dev/null 2>&1
pid=$(wait_for pgrep -f -n 'nabrel[.]exe.*--reduce-motion')
check "the calm entry starts the installed game to its title screen" wait_for has_window Nabrel 402 213
wmctrl -i -c "$(window_id Nabrel 402 213)"
check "closing the title screen ends it" wait_for process_gone

# As the entry says: "C:\...\uninstall.exe" /S
quiet=$(entry QuietUninstallString)
uninstaller=${quiet#\"}
uninstaller=${uninstaller%%\"*}
uninstalled() { wine "$uninstaller" ${quiet##*\" } && wineserver -w; }
check "silent uninstall as its entry says (${quiet##*\" })" uninstalled
# The uninstaller runs from a copy in Temp that Windows deletes at its next start.
restart_wine
snapshot "$after"
check "the prefix is as it was before the install: files and registry" diff "$before" "$after"
rm -f "$before" "$after"
report
