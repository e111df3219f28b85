#!/usr/bin/env bash
# Windows going away at every moment of a game: each moment × which window
# goes × how (closed through its frame, destroyed by another X client, or
# minimised by the window manager and then reached for as a player would).
# Afterwards the game goes on and the next key works, or the program has
# ended with exit code 0; the sanitizers stay silent. Run it under with_display.sh.
# Usage: window_lifetime_test.sh NABREL_EXECUTABLE LOG_DIR
set -uo pipefail
source "$(dirname "$0")/harness.sh"
nabrel=$1
logs=$2
mkdir -p "$logs"
pid=""
main=""

box_open() { find_message_box >/dev/null; }

# Each moment starts from a new game in the active main window and leaves
# the id of the window open at that moment (none when idle) in $open.
moment_idle() { open=""; }
moment_work_choice() { key 1 && open=$(window_id 'コマンド' 270 94); }
moment_shopping_choice() { key 2 && open=$(window_id 'コマンド' 270 94); }
moment_meal_choice() { key 3 && open=$(window_id 'コマンド' 270 94); }
moment_eater_choice() {
    local first
    key 3 && first=$(window_id 'コマンド' 270 94) && dialog_key Return && wait_for dialog_other_than "$first" &&
        open=$(dialog_id)
}
moment_money_warning() {  # 100 円 buys no cup noodle
    key 2 && dialog_key Return && wait_for box_open && open=$(find_message_box)
}
moment_cup_noodle_warning() {  # the two cup noodles eaten, a third asked for
    local day
    for day in 1 2; do
        key 3 && answer_day Return && answer_day Return && activate "$main" || return 1
    done
    key 3 && dialog_key Return && wait_for box_open && open=$(find_message_box)
}
moment_end_question() { menu_entry x && wait_for box_open && open=$(find_message_box); }
moment_game_over() { play_until_game_over Return && open=$(window_id Nabrel 402 213); }
moment_menu() { open_menu >/dev/null && open=""; }

# Brings the program back to the main window alone, as a player would: Esc
# on whatever is open over it (No to the quit question), OK on the game-over
# screen (which in its first second would take the keyboard back from the
# main window).
dismiss_all() {
    local deadline=$((SECONDS + 30)) top answer
    while ((SECONDS < deadline)); do
        process_gone && return 0
        # A box is modal: it goes before the choice dialog under it.
        answer=Escape
        top=$(find_message_box) || top=$(dialog_id) || { answer=Return && top=$(find_window Nabrel 402 213); } ||
            return 0
        activate "$top" && key "$answer"
        wait_for gone "$top"
    done
    return 1
}

# The game goes on and the next key works, or the program ended with exit code 0.
ends_soundly() {
    local code
    if ! process_gone; then
        dismiss_all || return 1
    fi
    if ! process_gone; then
        main=$(main_window) || return 1
        activate "$main" && key 1 && dialog_key Escape &&
            wait_for no_window 'コマンド' 270 94 || return 1
        activate "$main" && menu_entry x && answer_box Return || return 1
    fi
    wait_for process_gone || return 1
    wait "$pid"
    code=$?
    pid=""
    [ "$code" = 0 ] || { echo "exit code $code"; return 1; }
}

active_in() { local id; for id; do active_is "$id" && return 0; done; return 1; }
box_moment() { case $1 in *warning | end_question) ;; *) return 1 ;; esac; }
# Whether the window manager offers a frame close (_NET_WM_ALLOWED_ACTIONS).
offers_close() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q '_NET_WM_ACTION_CLOSE\b'; }

# A minimised window comes back, mapped and with the keyboard, the way a
# player reaches for it: the main window through its taskbar entry (with
# whatever was open in front of it), a box or the choice dialog by activating
# the main window (which some managers do themselves) or else by an action
# key, and the game-over screen with the next game's ending. A manager may
# refuse to minimise (mutter honours a frame without Minimise, KWin keeps a
# dialog up while its main window shows): then the window stays as it was.
comes_back() {  # moment, what
    wm_sync
    viewable "$target" && return 0
    minimised=$((minimised + 1))
    case "$2" in
    main)
        xdotool windowactivate "$main" && wait_for viewable "$main" || return 1
        [ -z "$open" ] || wait_for viewable "$open" || return 1
        # The keyboard with the box that blocks it, else with it or what is pending in front of it.
        if box_moment "$1"; then wait_for active_is "$open"; else wait_for active_in "$main" $open; fi
        ;;
    open)
        xdotool windowactivate "$main" && wm_sync
        viewable "$open" || box_moment "$1" || { wait_for active_is "$main" && key 1; }
        wait_for viewable "$open" && wait_for active_is "$open"
        ;;
    game_over)
        activate "$main" && ! viewable "$open" && menu_entry s && play_until_game_over Return &&
            [ "$(window_id Nabrel 402 213)" = "$open" ] && wait_for active_is "$open"
        ;;
    esac
}

# What the program must show right after the window went, before anything else
# is sent. A close that the manager does not offer may be refused (KWin) or
# carried out all the same (mutter); one it offers must be carried out.
settled() {  # moment, what, how
    if [ "$3" = frame ] && [ -z "$closable" ]; then
        wm_sync
        viewable "$target" && return  # refused: the game goes on as it was
    fi
    [ "$3" = minimise ] && { comes_back "$1" "$2"; return; }
    case "$2" in
    main)
        if [ "$3" = destroy ]; then
            wait_for process_gone
        else
            # The quit question opens, unless a box already blocks the window.
            wm_sync "$main"
            case "$1" in *warning | end_question) ;; *) wait_for box_open ;; esac
        fi
        ;;
    open) wait_for gone "$open" ;;
    game_over) wait_for no_window Nabrel 402 213 ;;
    esac
}

runs=0
run_case() {  # moment, what goes, how
    local moment=$1 what=$2 how=$3 target closable="" log
    runs=$((runs + 1))
    log="$logs/$runs.$moment.$what.$how.log"
    "$nabrel" >/dev/null 2>"$log" &
    pid=$!
    activate "$(window_id Nabrel 402 213)" || { echo "no active title screen"; return 1; }
    key Return
    main=$(main_window) && activate "$main" || { echo "no active main window"; return 1; }
    menu_entry s || { echo "no new game"; return 1; }
    "moment_$moment" || {
        echo "could not reach the moment; active: $(xdotool getactivewindow getwindowname 2>&1)"
        import -window root "$logs/$runs.unreached.png"
        return 1
    }
    case "$what" in
    main) target=$main ;;
    open | game_over) target=$open ;;
    esac
    offers_close "$target" && closable=yes
    case $how in
    frame) wmctrl -i -c "$target" ;;
    destroy) xdotool windowclose "$target" ;;
    minimise) xdotool windowminimize "$target" ;;
    esac
    settled "$moment" "$what" "$how" || { echo "nothing happened"; return 1; }
    ends_soundly || return 1
    ! grep -E 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log"
}

# moment: what can go besides the main window.
table=(
    "idle:"
    "work_choice:open" "shopping_choice:open" "meal_choice:open" "eater_choice:open"
    "money_warning:open" "cup_noodle_warning:open"
    "end_question:open"
    "game_over:game_over"
    "menu:"
)
started=$SECONDS
minimised=0
hows=(frame destroy minimise)
# Another client destroying a window asks nothing of the manager: checked under openbox alone.
[ "${NABREL_WM:-openbox}" = openbox ] || hows=(frame minimise)
for row in "${table[@]}"; do
    moment=${row%%:*}
    for what in main ${row#*:}; do
        for how in "${hows[@]}"; do
            check "$moment: $what by $how" run_case "$moment" "$what" "$how"
            [ -n "$pid" ] && { kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; pid=""; }
        done
    done
done
echo "# $((passed + failed)) cases in $((SECONDS - started)) s; $NABREL_WM minimised $minimised windows when asked"
report
