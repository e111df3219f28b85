#!/usr/bin/env bash
# Plays the real game on a real X display with real input, as a player would:
# keyboard and mouse, through the title screen and whole games to the quit
# confirmation. Run it under with_display.sh.
# Usage: real_display_test.sh NABREL_EXECUTABLE SCREENSHOT_DIR
set -uo pipefail
source "$(dirname "$0")/x_helpers.sh"
nabrel=$1
shots=$2
mkdir -p "$shots"
passed=0
failed=0
pid=""

check() {
    local what=$1
    shift
    if "$@" >/dev/null; then
        passed=$((passed + 1))
        echo "ok   $what"
    else
        failed=$((failed + 1))
        echo "FAIL $what"
    fi
}

shot() { import -window root "$shots/$1.png"; }

click_at() {  # window, x, y in client coordinates
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.15
}

runs=0
launch() {
    runs=$((runs + 1))
    "$nabrel" >/dev/null 2>"$shots/stderr.$runs.log" &
    pid=$!
    retry 100 has_window Nabrel 402 213
}

# Ends the run (if it has not ended by itself) and checks that the program
# reported no sanitizer error on the way.
stop() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    check "run $runs: no sanitizer report" bash -c "! grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' '$shots/stderr.$runs.log'"
}

main_height=""

echo "# title screen closed through its frame"
check "title screen opens" launch
title=$(windows_sized Nabrel 402 213)
check "title is the only window" [ "$(xdotool search --onlyvisible --pid "$pid" --name . | wc -l)" = 1 ]
check "title caption" bash -c "xdotool getwindowname $title | grep -qx '～Nabrel～ Orlenby'"
check "title screen has no taskbar entry" transient_dialog "$title"
shot title
xdotool windowactivate --sync "$title"
key alt+F4
check "closing it ends the program" retry 50 process_gone
stop

echo "# a game by keyboard alone"
check "title screen opens" launch
title=$(windows_sized Nabrel 402 213)
xdotool windowactivate --sync "$title"
key Return
check "Enter on START! opens the main window" retry 50 main_window
check "and the title screen is gone" retry 30 no_window Nabrel 402 213
main=$(main_window)
read -r _ _ _ main_height <<<"$(client_geometry "$main")"
check "main window caption" bash -c "xdotool getwindowname $main | grep -qx '～Nabrel～ Orlenby'"
check "main window has a taskbar entry" normal_window "$main"
xdotool windowactivate --sync "$main"
key alt+f
key s
shot main_new_game
key 1
check "key 1 opens the choice dialog" retry 30 dialog_open
dialog=$(windows_sized 'コマンド' 270 94)
check "dialog client at (184, 250), 270 x 94" [ "$(client_geometry "$dialog")" = "184 250 270 94" ]
check "dialog has no taskbar entry" transient_dialog "$dialog"
shot dialog
key Escape
check "Esc closes it" retry 30 no_window 'コマンド' 270 94
check "piecework every day ends the game" play_until_game_over Return
shot game_over
gameover=$(windows_sized Nabrel 402 213)
check "game-over screen has no taskbar entry" transient_dialog "$gameover"
xdotool windowactivate --sync "$gameover"
key Return
check "Enter presses OK on the game-over screen" retry 30 no_window Nabrel 402 213
main=$(main_window)
xdotool windowactivate --sync "$main"
key alt+f
key x
check "End asks before quitting" retry 30 bash -c "xdotool search --onlyvisible --pid $pid --name Nabrel | wc -l | grep -qx 2"
shot quit_question
key Escape
sleep 0.3
check "No keeps the window" main_window
key alt+f
key x
sleep 0.3
key Return
check "Yes closes the window and ends the program" retry 50 process_gone
stop

echo "# a game by mouse alone"
check "title screen opens" launch
title=$(windows_sized Nabrel 402 213)
click_at "$title" 200 180
check "START! opens the main window" retry 50 main_window
main=$(main_window)
menubar=$((main_height - 213))
click_at "$main" 20 $((menubar / 2))
key s  # the menu's own access key once it is open
days=0
while ! game_over_open && [ $days -lt 60 ]; do
    click_at "$main" 60 $((menubar + 180))        # 労働
    retry 30 dialog_open || break
    click_at "$(windows_sized 'コマンド' 270 94)" 48 68  # 内職
    days=$((days + 1))
done
check "clicking 労働 and 内職 every day ends the game" retry 20 game_over_open
gameover=$(windows_sized Nabrel 402 213)
click_at "$gameover" 200 180
check "clicking OK closes the game-over screen" retry 30 no_window Nabrel 402 213
stop

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
