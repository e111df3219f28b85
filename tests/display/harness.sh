# The display tests' one shell library: checks and waits (checks.sh), and the
# game's windows on an X display, looked at through xq.py and driven with
# xdotool and wmctrl. Sourced; expects $pid to hold the game's process id.

source "$(dirname "${BASH_SOURCE[0]}")/../checks.sh"

# Asks xq.py, started once for the sourcing shell, and leaves its answer's
# lines in the array named $1: no subshell, no new process. Not in a pipeline,
# which bash runs without the coprocess, nor in two subshells at once.
coproc XQ { exec /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/xq.py"; }
disown "$XQ_PID"  # ends with this shell's end of the pipe; no plain wait waits for it
# Each query carries a token, and lines before another token's end are
# dropped: a subshell that went before reading its whole answer leaves it unread.
xq() {  # array query...
    local -n xq_lines=$1
    local xq_line xq_token=$BASHPID.$RANDOM$RANDOM
    xq_lines=()
    echo "$xq_token ${*:2}" >&"${XQ[1]}" || return 1
    while IFS= read -r xq_line <&"${XQ[0]}"; do
        [ "$xq_line" = ". $xq_token" ] && return 0
        if [[ $xq_line == ". "* ]]; then xq_lines=(); else xq_lines+=("$xq_line"); fi
    done
    return 1
}

# "x y width height" of a window's client area on the screen.
client_geometry() { local at; xq at geometry "$1" && echo "${at[@]}"; }

# "xq NAME windows $pid" gives "id width height type caption" of each of the
# game's windows on screen, as the window manager lists them: one read of its
# client list, so a window that comes or goes meanwhile is never missed by a
# search walking the window tree. Menus are not managed: see open_menu.

# Leaves in $sized the ids of the game's windows whose caption contains $1 and
# whose client is $2 x $3, give or take $size_slack pixels (none unless set).
size_up() {
    local id w h kind name slack=${size_slack:-0} line ours
    sized=()
    xq ours windows "$pid" || return 1
    for line in "${ours[@]}"; do
        read -r id w h kind name <<<"$line"
        [[ "$name" == *"$1"* ]] || continue
        ((w >= $2 - slack && w <= $2 + slack && h >= $3 - slack && h <= $3 + slack)) && sized+=("$id")
    done
    return 0
}
window_count_is() { local ours; xq ours windows "$pid" && ((${#ours[@]} == $1)); }
has_window() { size_up "$@" && ((${#sized[@]})); }
no_window() { size_up "$@" && ((${#sized[@]} == 0)); }
# The id of the (first) such window, once there is one.
find_window() { size_up "$@" && ((${#sized[@]})) && echo "${sized[0]}"; }
window_id() { wait_for find_window "$@"; }
# Whether a window is on screen, or no longer (closed, destroyed or minimised).
viewable() { local seen; xq seen viewable "$1" && [ "${seen[*]}" = yes ]; }
gone() { ! viewable "$1"; }
process_gone() { ! kill -0 "$pid" 2>/dev/null; }

# "x y width height" of a window's frame on the screen.
frame_geometry() { local at; xq at frame "$1" && echo "${at[@]}"; }
# A point of a window's rectangle X Y W H (client coordinates) that no window
# stacked above it covers, nor comes within 6 pixels of (a manager may take
# clicks just outside a frame for resizing), in the window's coordinates.
uncovered_point() {  # window x y w h
    local id seen="" above=() x y w h px py frame fx fy fw fh covered stacking
    xq stacking stacking
    for id in "${stacking[@]}"; do
        [ -n "$seen" ] && viewable "$id" && above+=("$(frame_geometry "$id")")
        ((id == $1)) && seen=1
    done
    read -r x y w h <<<"$(client_geometry "$1")"
    for ((py = $3; py < $3 + $5; py += 2)); do
        for ((px = $2; px < $2 + $4; px += 2)); do
            covered=""
            for frame in "${above[@]}"; do
                read -r fx fy fw fh <<<"$frame"
                ((x + px > fx - 6 && x + px < fx + fw + 6 && y + py > fy - 6 && y + py < fy + fh + 6)) &&
                    covered=1 && break
            done
            [ -z "$covered" ] && echo "$px $py" && return 0
        done
    done
    return 1
}
# Clicks a point of a window's rectangle that nothing covers, wherever the
# window manager placed the windows above it.
click_in() {  # window x y w h
    local point
    point=$(uncovered_point "$@") && click_at "$1" $point
}

# Clicks (or types) until it has its effect: at most 3 times, 5 s apart. Mutter
# 48 drops a click that comes within about 0.1 s of a window's mapping, before
# it has drawn the window: the game never receives it, and no hand is that quick.
# Alt+F right after a game-over screen opened no menu, once here and once in
# the Python harness (openbox, a loaded machine; the screen takes the keyboard
# back in its first second, the likely reason).
act_until() {  # click_at|click_in|key arguments... -- condition...
    local action=() try
    while (($#)) && [ "$1" != -- ]; do action+=("$1") && shift; done
    shift
    for try in 1 2 3; do
        "${action[@]}" || return 1
        wait_seconds=5 wait_for "$@" 2>/dev/null && return 0
        echo "act_until: ${action[*]} had no effect after 5 s (try $try of 3)" >&2
    done
    return 1
}

# X delivers input in order, so keys need no pause between them.
key() { xdotool key --clearmodifiers "$@"; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }  # window, x, y in client coordinates

# Returns once the window manager has handled every request sent to it before
# (it handles them in order): the number of desktops is raised by one, seen
# to change, and put back.
desktops_are() { local now; xq now desktops && [ "${now[*]}" = "$1" ]; }
wm_sync() {
    local desktops
    xq desktops desktops
    wmctrl -n $((desktops + 1))
    wait_for desktops_are $((desktops + 1))
    wmctrl -n "$desktops"
    wait_for desktops_are "$desktops"
}

# The main window: 312 wide, taller than its client area because of the menu bar.
find_main_window() {
    local id w h _ line ours
    xq ours windows "$pid" || return 1
    for line in "${ours[@]}"; do
        read -r id w h _ <<<"$line"
        [ "$w" = "$(scaled 312)" ] && [ "$h" -gt "$(scaled 213)" ] && echo "$id" && return 0
    done
    return 1
}
main_window() { wait_for find_main_window; }
# A design size in pixels at $dpi (96 unless set), rounded.
scaled() { echo $((($1 * ${dpi:-96} + 48) / 96)); }

# Opens the ファイル menu with the given click (Alt+F unless given) and
# prints the menu's window once it is on screen: keys reach it only then.
new_popup_since() {  # popups...
    local now id
    xq now popups "$pid" || return 1
    for id in "${now[@]}"; do [[ " $* " == *" $id "* ]] || { echo "$id" && return 0; }; done
    return 1
}
open_menu() {  # [click_in arguments...]
    local before
    xq before popups "$pid"
    (($#)) || set -- key alt+f
    act_until "$@" -- new_popup_since "${before[@]}"
}
# Chooses an entry of the open or opened menu by its access key (s or x), and
# returns once the menu has gone.
menu_entry() {  # key [opener...]
    local popup
    popup=$(open_menu "${@:2}") && key "$1" && wait_for gone "$popup"
}

active_is() { local active; xq active active && [ "${active[*]}" = "$1" ]; }
# Keys go only to a window known to be active. A window that keeps the
# keyboard while it settles gives it up after a second: asked again meanwhile.
activation_holds() { active_is "$1" || { xdotool windowactivate "$1" >/dev/null 2>&1; nap 0.1; active_is "$1"; }; }
activate() {
    [ -n "$1" ] || { echo "activate: no window" >&2; return 1; }
    wait_for activation_holds "$1"
}

dialog_size() { echo "コマンド $(scaled 270) $(scaled 94)"; }
# shellcheck disable=SC2046
dialog_open() { has_window $(dialog_size); }
# shellcheck disable=SC2046
dialog_id() { find_window $(dialog_size); }
# The dialog's next question: a new dialog in place of the one given.
dialog_other_than() { local d; d=$(dialog_id) && [ "$d" != "$1" ]; }
# Sends keys to the choice dialog once it is open and has the focus.
dialog_key() {
    local dialog
    dialog=$(wait_for dialog_id) && activate "$dialog" && key "$@"
}

# A message box over the main window: a dialog window of ours that is neither
# the choice dialog nor the title or game-over screen.
find_message_box() {
    local id w h kind _ line ours
    xq ours windows "$pid" || return 1
    for line in "${ours[@]}"; do
        read -r id w h kind _ <<<"$line"
        [ "$w $h" = "$(scaled 402) $(scaled 213)" ] || [ "$w $h" = "$(scaled 270) $(scaled 94)" ] && continue
        [ "$kind" = _NET_WM_WINDOW_TYPE_DIALOG ] && echo "$id" && return 0
    done
    return 1
}
message_box() { wait_for find_message_box; }
# Answers the open message box with a key once the box has the focus.
answer_box() {
    local box
    box=$(message_box) && activate "$box" && key "$1"
}
game_over_open() { has_window Nabrel "$(scaled 402)" "$(scaled 213)"; }
dialog_or_game_over() { dialog_open || game_over_open; }

# Plays whole days, answering each day's 労働 with the given keys, until the
# game-over screen opens (at most 60 days). Each day begins with key 1 in the
# main window (start_day): a dialog opens, or the game-over screen shows that
# the game has ended; close_day answers the dialog (answer_day) and returns
# once the main window shows the next day (day_box) or the game has ended.
# A test on another kind of display defines these for its own.
# Asking for the main window stops once the game-over screen shows: pressed on,
# it would bring the main window in front of the screen.
main_active_or_game_over() { game_over_open || activation_holds "$1"; }
start_day() { local main; main=$(main_window) && wait_for main_active_or_game_over "$main" && { game_over_open || key 1; }; }
# What the main window's day box shows, as a digest. A day that closes shows
# its next day there at once; a game that ends leaves it, and its screen may
# map a moment after the dialog has gone: key 1 then would ask anew.
day_box() {
    local seen client
    read -r _ _ _ client <<<"$(client_geometry "$1")"
    xq seen pixels "$1" "$(scaled 120)" $((client - $(scaled 213) + $(scaled 8))) "$(scaled 41)" "$(scaled 17)" &&
        echo "${seen[*]}"
}
day_changed() { [ "$(day_box "$1")" != "$2" ]; }
day_closed() { game_over_open || day_changed "$@"; }
answer_day() { local dialog; dialog=$(wait_for dialog_id) && activate "$dialog" && key "$@" && wait_for gone "$dialog"; }
close_day() {
    local main shown
    main=$(main_window) && shown=$(day_box "$main") && answer_day "$@" && wait_for day_closed "$main" "$shown"
}
play_until_game_over() {
    local day
    for day in $(seq 60); do
        game_over_open && return 0
        start_day && wait_for dialog_or_game_over || return 1
        game_over_open && return 0
        close_day "$@" || return 1
    done
    echo "no game-over screen after 60 days" >&2
    return 1
}

# Whether a file holds a text in UTF-16 (as Windows' resources and shortcuts do).
utf16_in() { python3 -c 'import sys; sys.exit(sys.argv[2].encode("utf-16-le") not in open(sys.argv[1], "rb").read())' "$@"; }

# A transient dialog window: window managers and taskbars give it no taskbar entry.
transient_dialog() {
    xprop -id "$1" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE | grep -q 'WM_TRANSIENT_FOR(WINDOW)' &&
        xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG
}
# A window kept off the taskbar: a transient dialog, or one that asks to be skipped.
off_taskbar() { transient_dialog "$1" || xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR; }
normal_window() { ! off_taskbar "$1"; }
transient_for() { xprop -id "$1" WM_TRANSIENT_FOR | grep -qi "# $(printf '0x%x' "$2")\$"; }

# A window's colour changes over some seconds, as flashes.py sees one pixel.
# Load only lowers the count: a calm screen (one change a second) never shows
# more than one change a second and one more, a flashing one (50) many more.
colour_changes() { "$(dirname "${BASH_SOURCE[0]}")/flashes.py" "$1" "$2" | tail -1 | cut -d' ' -f2; }
flashing() { local n; n=$(colour_changes "$1" 3) && echo "$n colour changes in 3 s" && ((n > 4)); }
calm() { local n; n=$(colour_changes "$1" 3.5) && echo "$n colour changes in 3.5 s" && ((n >= 1 && n <= 4)); }
