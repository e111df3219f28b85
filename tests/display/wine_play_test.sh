#!/usr/bin/env bash
# Plays the Windows package under Wine as a player would, at 100, 125 and
# 150 % display scaling: title screen → START! → ファイル → 開始 → one day's
# piecework → 終了 → はい; at 100 % it plays on to the game-over screen first.
# Run it under with_display.sh with WINEPREFIX set to a fresh folder.
# Usage: wine_play_test.sh PACKAGE_DIR SCREENSHOT_DIR TITLE VERSION
set -uo pipefail
source "$(dirname "$0")/harness.sh"
package=$1
shots=$2
app_title=$3
version=$4
mkdir -p "$shots"
shot() { import -window root "$shots/wine_$1.png"; }
caption_is() { [ "$(xdotool getwindowname "$1")" = "$2" ]; }
off_taskbar() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || transient_dialog "$1"; }
# Drawn at all: Wine shows a window black until the program first paints it.
painted() { awk -v m="$(import -window "$1" png:- | convert - -format '%[fx:mean]' info:)" 'BEGIN { exit !(m > 0.2) }'; }

# The package: one executable that needs nothing but Windows' own DLLs, with its version record.
check "the executable imports no Qt, libgcc, libstdc++ or winpthread DLL" bash -c \
    "! x86_64-w64-mingw32-objdump -p '$package/nabrel.exe' | grep 'DLL Name' | grep -i -E 'qt|libgcc|libstdc|winpthread'"
check "its version record reads $version" utf16_in "$package/nabrel.exe" "$version"
check "and the title" utf16_in "$package/nabrel.exe" "$app_title"

wine wineboot --init >/dev/null 2>&1
wineserver -w

# Sizes at 125 and 150 % are a scaled design's (scaled, at $dpi), which Qt rounds either way.
size_slack=2

for dpi in 96 120 144; do
    echo "# at $dpi dpi"
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -w
    wine "$package/nabrel.exe" >/dev/null 2>"$shots/wine_stderr_$dpi.log" &
    pid=$!
    check "title screen opens, $(scaled 402) x $(scaled 213)" wait_for has_window Nabrel "$(scaled 402)" "$(scaled 213)"
    title=$(window_id Nabrel "$(scaled 402)" "$(scaled 213)")
    check "title caption" caption_is "$title" "$app_title"
    check "title screen has no taskbar entry" off_taskbar "$title"
    check "title screen paints" wait_for painted "$title"
    shot "title_$dpi"
    activate "$title"
    key Return
    # The main window's client holds its menu bar too: measured at 100 %, scaled after.
    [ "$dpi" = 96 ] && read -r _ _ _ main_height <<<"$(client_geometry "$(main_window)")"
    check "START! opens the main window, $(scaled 312) x $(scaled "$main_height")" \
        wait_for has_window Nabrel "$(scaled 312)" "$(scaled "$main_height")"
    main=$(window_id Nabrel "$(scaled 312)" "$(scaled "$main_height")")
    check "main window caption" caption_is "$main" "$app_title"
    check "main window has a taskbar entry" bash -c "! xprop -id $main _NET_WM_STATE | grep -q SKIP_TASKBAR"
    activate "$main"
    menu_entry s
    key 1
    check "key 1 opens the choice dialog, $(scaled 270) x $(scaled 94)" wait_for has_window 'コマンド' "$(scaled 270)" "$(scaled 94)"
    [ "$dpi" = 96 ] && day1=$(day_box "$main")  # the game has started: keys are handled in order
    dialog=$(window_id 'コマンド' "$(scaled 270)" "$(scaled 94)")
    check "choice dialog has no taskbar entry" off_taskbar "$dialog"
    shot "dialog_$dpi"
    key Return
    check "内職 closes it" wait_for no_window 'コマンド' "$(scaled 270)" "$(scaled 94)"
    if [ "$dpi" = 96 ]; then
        check "the day advances" wait_for day_changed "$main" "$day1"
        check "piecework every day ends the game" play_until_game_over Return
        gameover=$(window_id Nabrel 402 213)
        shot game_over
        check "game-over caption" caption_is "$gameover" "$app_title"
        check "game-over screen has no taskbar entry" off_taskbar "$gameover"
        check "it flashes" flashing "$gameover"
        activate "$gameover" && click_at "$gameover" 200 180
        check "OK closes it" wait_for no_window Nabrel 402 213
        check "and the main window stays" find_main_window
        main=$(main_window)
    fi
    activate "$main"
    menu_entry x
    check "End asks before quitting" wait_for window_count_is 2
    shot "quit_question_$dpi"
    key Return
    check "はい ends the program" wait_for process_gone
    wait "$pid"
    check "with exit code 0" [ $? = 0 ]
done
report
