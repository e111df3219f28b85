# Shell helpers for driving the game on a real X display; sourced by the display tests.
# Expects $pid to hold the game's process id.

source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

# "x y width height" of a window's client area on the screen.
client_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /^ +Width:/ {w = $2} /^ +Height:/ {h = $2} END {print x, y, w, h}'
}

# Visible windows of this process whose title matches $1 and whose client is
# $2 x $3, give or take $size_slack pixels (none unless set).
windows_sized() {
    local id w h slack=${size_slack:-0}
    for id in $(xdotool search --onlyvisible --pid "$pid" --name "$1" 2>/dev/null); do
        read -r _ _ w h <<<"$(client_geometry "$id")"
        if [ -n "$h" ] && ((w >= $2 - slack && w <= $2 + slack && h >= $3 - slack && h <= $3 + slack)); then echo "$id"; fi
    done
}

window_count_is() { [ "$(xdotool search --onlyvisible --pid "$pid" --name . 2>/dev/null | wc -l)" = "$1" ]; }
has_window() { [ -n "$(windows_sized "$@")" ]; }
# A search walking a window that goes meanwhile answers nothing: gone is gone twice.
no_window() { [ -z "$(windows_sized "$@")" ] && sleep 0.1 && [ -z "$(windows_sized "$@")" ]; }
process_gone() { ! kill -0 "$pid" 2>/dev/null; }

# X delivers input in order, so keys need no pause between them.
key() { xdotool key --clearmodifiers "$@"; }

# Returns once the window manager has handled every request sent to it before
# (it handles them in order): the number of desktops is raised by one, seen
# to change, and put back. The argument, a window, is not touched.
desktops_are() { xprop -root _NET_NUMBER_OF_DESKTOPS | grep -q "= $1\$"; }
wm_sync() {
    local desktops
    desktops=$(xprop -root _NET_NUMBER_OF_DESKTOPS | awk '{print $3}')
    wmctrl -n $((desktops + 1))
    wait_for desktops_are $((desktops + 1))
    wmctrl -n "$desktops"
    wait_for desktops_are "$desktops"
}

# The main window: 312 wide, taller than its client area because of the menu
# bar. Waits for it: a search can come back empty while another window goes.
find_main_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$pid" --name Nabrel 2>/dev/null); do
        read -r _ _ w h <<<"$(client_geometry "$id")"
        [ "$w" = 312 ] && [ "$h" -gt 213 ] && echo "$id" && return 0
    done
    return 1
}
main_window() { wait_for find_main_window; }

# The id of the one window of this process matching title, width and height; waits for it.
window_id() {
    local deadline=$((SECONDS + 30)) ids
    until ids=$(windows_sized "$@") && [ -n "$ids" ]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    echo "${ids%%$'\n'*}"
}

# Whether a window is no longer on screen (closed or destroyed).
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# Chooses an entry of the main window's ファイル menu by its access key (s or
# x): the key goes to the menu once it is open, and the next key only once it
# has closed again.
menu_entry() {
    local before popup deadline=$((SECONDS + 30))
    before=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort)
    key alt+f
    until popup=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort)) &&
        [ -n "$popup" ]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    key "$1"
    wait_for gone "${popup%%$'\n'*}"
}

active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Keys go only to a window known to be active.
activate() {
    local deadline=$((SECONDS + 30)) tries
    [ -n "$1" ] || return 1
    until active_is "$1"; do
        ((SECONDS < deadline)) || return 1
        xdotool windowactivate "$1" >/dev/null 2>&1
        for tries in $(seq 20); do active_is "$1" && return 0; sleep 0.05; done
    done
}

dialog_open() { has_window 'コマンド' 270 94; }
dialog_id() { local d; d=$(windows_sized 'コマンド' 270 94) && [ -n "$d" ] && echo "$d"; }
# The dialog's next question: a new dialog in place of the one given.
dialog_other_than() { local d; d=$(dialog_id) && [ "$d" != "$1" ]; }
# Sends keys to the choice dialog once it is open and has the focus.
dialog_key() {
    local dialog
    dialog=$(window_id 'コマンド' 270 94) && activate "$dialog" && key "$@"
}

# A message box over the main window: a dialog window of ours that is neither
# the choice dialog nor the title or game-over screen.
find_message_box() {
    local id w h
    for id in $(xdotool search --onlyvisible --pid "$pid" --name Nabrel 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG || continue
        read -r _ _ w h <<<"$(client_geometry "$id")"
        [ "$w $h" = "402 213" ] || [ "$w $h" = "270 94" ] && continue
        echo "$id" && return 0
    done
    return 1
}
message_box() { wait_for find_message_box; }
# Answers the open message box with a key once the box has the focus.
answer_box() {
    local box
    box=$(message_box) && activate "$box" && key "$1"
}
game_over_open() { has_window Nabrel 402 213; }

# Plays whole days with the given keys until the game-over screen opens (at most 60 days).
play_until_game_over() {
    local day
    for day in $(seq 60); do
        main=$(main_window) || return 1
        activate "$main" || return 1
        key 1
        dialog_key "$@" || return 1
        wait_for no_window 'コマンド' 270 94 || return 1
        # The screen opens as the dialog closes; a day later is no harm either.
        for _ in 1 2 3 4 5; do game_over_open && return 0; sleep 0.05; done
    done
    return 1
}

# A transient dialog window: window managers and taskbars give it no taskbar entry.
transient_dialog() {
    xprop -id "$1" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE | grep -q 'WM_TRANSIENT_FOR(WINDOW)' &&
        xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG
}
normal_window() { ! transient_dialog "$1"; }
transient_for() { xprop -id "$1" WM_TRANSIENT_FOR | grep -qi "# $(printf '0x%x' "$2")\$"; }
