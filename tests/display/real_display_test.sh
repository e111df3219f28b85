#!/usr/bin/env bash
# Plays the real game on a real X display with real input, as a player would:
# keyboard and mouse, through the title screen and whole games to the quit
# confirmation. Run it under with_display.sh.
# Usage: real_display_test.sh NABREL_EXECUTABLE SCREENSHOT_DIR TITLE
set -uo pipefail
source "$(dirname "$0")/harness.sh"
nabrel=$1
shots=$2
app_title=$3
mkdir -p "$shots"
pid=""

shot() { import -window root "$shots/$1.png"; }

# From the title screen to a new game in the main window.
start_game() {
    activate "$(window_id Nabrel 402 213)"
    key Return
    main=$(main_window) && activate "$main" || return 1
    menu_entry s
}

runs=0
launch() { launch_as exec "$nabrel" "$@"; }  # [OPTION...]
launch_as() {  # the command that becomes the game's process
    runs=$((runs + 1))
    ("$@") >/dev/null 2>"$shots/stderr.$runs.log" &
    pid=$!
    wait_for has_window Nabrel 402 213
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
title=$(window_id Nabrel 402 213)
check "title is the only window" window_count_is 1
check "title caption" [ "$(xdotool getwindowname "$title")" = "$app_title" ]
check "title screen has no taskbar entry" transient_dialog "$title"
check "windows carry the game's icon" wait_for bash -c "xprop -id $title _NET_WM_ICON | grep -q 'Icon (48 x 48)'"
shot title
activate "$title"
wmctrl -i -c "$title"  # the frame's close
check "closing it ends the program" wait_for process_gone
stop

echo "# a game by keyboard alone"
check "title screen opens" launch
title=$(window_id Nabrel 402 213)
activate "$title"
key Return
check "Enter on START! opens the main window" wait_for main_window
check "and the title screen is gone" wait_for no_window Nabrel 402 213
main=$(main_window)
read -r _ _ _ main_height <<<"$(client_geometry "$main")"
check "main window caption" [ "$(xdotool getwindowname "$main")" = "$app_title" ]
check "which no window manager numbers" bash -c "! xprop -id $main _NET_WM_VISIBLE_NAME | grep -q '<[0-9]*>'"
check "main window has a taskbar entry" normal_window "$main"
activate "$main"
menu_entry s
shot main_new_game
key 1
check "key 1 opens the choice dialog" wait_for dialog_open
dialog=$(window_id 'コマンド' 270 94)
check "dialog client at (184, 250), 270 x 94" [ "$(client_geometry "$dialog")" = "184 250 270 94" ]
check "dialog has no taskbar entry" transient_dialog "$dialog"
shot dialog
dialog_key Escape
check "Esc closes it" wait_for no_window 'コマンド' 270 94
check "piecework every day ends the game" play_until_game_over Return
shot game_over
gameover=$(window_id Nabrel 402 213)
check "the game-over screen flashes" flashing "$gameover"
check "game-over screen has no taskbar entry" off_taskbar "$gameover"
activate "$gameover"
key Return
check "Enter presses OK on the game-over screen" wait_for no_window Nabrel 402 213
main=$(main_window)
activate "$main"
menu_entry x
check "End asks before quitting" wait_for window_count_is 2
shot quit_question
answer_box Escape
check "No keeps the window" wait_for window_count_is 1
check "and the main window" main_window
activate "$main"
menu_entry x
answer_box Return
check "Yes closes the window and ends the program" wait_for process_gone
stop

echo "# a game ended by keyboard from a focused action button"
check "title screen opens" launch
start_game
activate "$main" && key Tab  # 買物 has the focus
check "援助交際 every day from a focused 買物 ends the game" play_until_game_over Tab Return
# The key that ended the game must not start another day: a dialog would open
# with the screen, so a bounded look once the screen is open suffices.
no_dialog_for_two_seconds() {
    local until=$((SECONDS + 2))
    while ((SECONDS < until)); do
        dialog_open && return 1
        sleep 0.1
    done
}
check "and no dialog opens after it" no_dialog_for_two_seconds
# The main window activated as its taskbar entry does, then a click on ファイル.
click_menu_bar() {
    local menubar=$((main_height - 213))
    activate "$main" && open_menu click_in "$main" 14 $((menubar / 2 - 3)) 24 6
}
menu_by_click() { local popup; popup=$(click_menu_bar) && key Escape && wait_for gone "$popup"; }
check "a click on the menu bar opens the menu while the game-over screen flashes" menu_by_click
activate "$main"
check "Alt+F then S starts a new game while the game-over screen flashes" menu_entry s
activate "$(window_id Nabrel 402 213)" && key Return
wait_for no_window Nabrel 402 213
check "which plays to its own end" play_until_game_over Return
stop

echo "# a game by mouse alone"
check "title screen opens" launch
title=$(window_id Nabrel 402 213)
check "START! opens the main window" act_until click_at "$title" 200 180 -- find_main_window
main=$(main_window)
menubar=$((main_height - 213))
# Clicks go where the window is once its manager has placed it: when it is active.
activate "$main"
menu_entry s click_in "$main" 14 $((menubar / 2 - 3)) 24 6  # the menu's own access key once it is open
days=0
until game_over_open || ((days >= 60)); do
    act_until click_in "$main" 20 $((menubar + 172)) 80 16 -- dialog_or_game_over || break  # 労働
    dialog=$(dialog_id) || break                                                              # the game is over
    act_until click_at "$dialog" 48 68 -- gone "$dialog" || break                           # 内職
    days=$((days + 1))
done
check "clicking 労働 and 内職 every day ends the game" wait_for game_over_open
gameover=$(window_id Nabrel 402 213)
check "clicking OK closes the game-over screen" act_until click_at "$gameover" 200 180 -- no_window Nabrel 402 213
stop

echo "# the choice dialog stays above the main window"
check "title screen opens" launch
start_game
key 1
wait_for dialog_open
dialog=$(window_id 'コマンド' 270 94)
check "it is transient for the main window" transient_for "$dialog" "$main"
check "the main window takes the keyboard while it is pending" activate "$main"
key 2
check "an action while it is pending brings it to the front" wait_for active_is "$dialog"
one_dialog() { size_up 'コマンド' 270 94 && ((${#sized[@]} == 1)); }
check "and opens no second one" one_dialog
dialog_key Escape
wait_for no_window 'コマンド' 270 94
activate "$main"
key 2
dialog_key Return  # カップ麺, beyond 100 円: a warning
box=$(message_box)
centred_over() {  # window, owner: the window's centre lies on its owner
    local x y w h ox oy ow oh
    read -r x y w h <<<"$(client_geometry "$1")"
    read -r ox oy ow oh <<<"$(client_geometry "$2")"
    ((x + w / 2 > ox && x + w / 2 < ox + ow && y + h / 2 > oy && y + h / 2 < oy + oh))
}
check "a warning is owned by the main window" transient_for "$box" "$main"
check "and opens over it" centred_over "$box" "$main"
# The close reaches the game before the key: had it asked 終了しますか？, Enter would say はい.
wmctrl -i -c "$main"
wm_sync
answer_box Return
check "a frame close under it does nothing: Enter closes the warning, the game goes on" \
    wait_for window_count_is 1
wait_for gone "$box"

echo "# a frame close while End's question is open"
activate "$main"
key 3  # a meal: the first question, then who eats
first=$(window_id 'コマンド' 270 94)
dialog_key Return  # カップ麺
wait_for dialog_other_than "$first"
activate "$main"
menu_entry x
wait_for window_count_is 3
wmctrl -i -c "$main"
wm_sync "$main"
answer_box Escape
check "asks nothing new and ends nothing; No keeps the game" wait_for window_count_is 2
check "with the pending choice still open" dialog_open
activate "$main"
menu_entry x
wait_for window_count_is 3
wmctrl -i -c "$main"
wm_sync "$main"
answer_box Return
check "only Yes ends the program" wait_for process_gone
stop

echo "# a player who asked for less motion"
game_over_calm() { calm "$(window_id Nabrel 402 213)"; }
game_over_flashing() { flashing "$(window_id Nabrel 402 213)"; }
# Closes the game-over screen and plays the next game to its end.
next_game_over() {
    activate "$(window_id Nabrel 402 213)" && key Return && wait_for no_window Nabrel 402 213 &&
        activate "$main" && menu_entry s && play_until_game_over Return
}
check "title screen opens" launch --reduce-motion
start_game
play_until_game_over Return
check "the game-over screen changes colour, once a second" game_over_calm
stop

# The rest asks nothing of the window manager, only of X, the desktop's
# settings and the machine: checked under one manager, openbox.
[ "${NABREL_WM:-openbox}" = openbox ] || { report; exit; }

echo "# windows destroyed by another X client"
check "title screen opens" launch
xdotool windowclose "$(window_id Nabrel 402 213)"
check "the title screen: the program ends" wait_for process_gone
stop
check "title screen opens" launch
start_game
key 1
wait_for dialog_open
xdotool windowclose "$(window_id 'コマンド' 270 94)"
wait_for no_window 'コマンド' 270 94
activate "$main"
key 1
check "the choice dialog counts as Cancel: the next action asks again" wait_for dialog_open
dialog_key Escape
wait_for no_window 'コマンド' 270 94
xdotool windowclose "$main"
check "the main window: the program ends without asking" wait_for process_gone
stop
check "title screen opens" launch
start_game
play_until_game_over Return
xdotool windowclose "$(window_id Nabrel 402 213)"
check "the game-over screen counts as OK" wait_for no_window Nabrel 402 213
activate "$main"
menu_entry s
check "and the next game over shows a screen again" play_until_game_over Return
stop

# The settings portal, started on demand as desktops start theirs; each
# SIGUSR1 to it swaps its two values.
portal_log=$shots/portal.log
portal_on_demand() {  # fake_portal.py arguments
    : >"$portal_log"
    printf '[D-BUS Service]\nName=org.freedesktop.portal.Desktop\nExec=%s --log %s %s\n' \
        "$(realpath "$(dirname "$0")/fake_portal.py")" "$portal_log" "$*" \
        >"$NABREL_TEST_SERVICES/org.freedesktop.portal.Desktop.service"
    check "title screen opens" launch "${game_options[@]}"
    # The portal writes its log as it answers: the answer is on its way before
    # the game starts. A motion option leaves the desktop unasked.
    ((${#game_options[@]})) || wait_for test -s "$portal_log"
    start_game
    play_until_game_over Return
}
game_options=()
swap_portal_values() { pkill -USR1 -f '[f]ake_portal.py'; }
stop_portal() { pkill -f '[f]ake_portal.py' && wait_for bash -c "! pgrep -f '[f]ake_portal.py' >/dev/null"; }
portal_on_demand --start-delay 1 --then true enable-animations false
check "a portal a second slow to start: its answer is honoured" game_over_calm
swap_portal_values
check "animations turned on mid-run, the next game ends" next_game_over
check "and its screen flashes" game_over_flashing
swap_portal_values
check "turned off again, the next game ends" next_game_over
check "and its screen is calm" game_over_calm
check "the portal asked once, at start-up" [ "$(wc -l <"$portal_log")" = 2 ]
stop
stop_portal
portal_on_demand --no-read-one --never-answer reduced-motion 1
check "an older portal that never answers: the screen flashes" game_over_flashing
check "asked through ReadOne, then Read" [ "$(sort "$portal_log" | tr '\n' ' ')" = "Read Read ReadOne ReadOne " ]
stop
stop_portal
game_options=(--reduce-motion=off)
portal_on_demand enable-animations false
check "--reduce-motion=off where the desktop asks for less motion: the option wins, the screen flashes" game_over_flashing
check "and the desktop was never asked" [ ! -s "$portal_log" ]
stop
stop_portal
rm "$NABREL_TEST_SERVICES"/*

echo "# starved of what the toolkit needs: ends, saying why in one line"
ends_saying_why() {  # ulimit option, value, what the one line says
    local log=$shots/limit$1$2.log
    (ulimit "$1" "$2" && exec "$nabrel") >/dev/null 2>"$log" &
    pid=$!
    wait_for process_gone || { kill -9 "$pid"; return 1; }
    wait "$pid"
    [ $? -ne 0 ] && [ "$(wc -l <"$log")" = 1 ] && cat "$log" && grep -q "^nabrel: .*$3" "$log"
}
check "8 file descriptors" ends_saying_why -n 8 "file descriptors"
check "a soft limit of 16 descriptors under a higher hard one: the game raises its own and starts" \
    launch_as eval 'ulimit -S -n 16 && exec "$nabrel"'
stop
# AddressSanitizer reserves terabytes of address space: no run under a small
# limit. (Not `ldd | grep -q`: under pipefail, ldd cut off by grep's early exit
# would count as no match.)
if [[ "$(ldd "$nabrel")" != *libasan* ]]; then
    for kib in 100000 200000 300000; do
        check "$((kib / 1000)) MB of address space" ends_saying_why -v "$kib" "memory\|address space"
    done
fi

report
