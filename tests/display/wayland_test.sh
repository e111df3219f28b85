#!/usr/bin/env bash
# The game on a Wayland compositor through Qt's own wayland platform: sway,
# headless, with its own runtime folder and D-Bus session, honouring window
# activation as KDE does. Each box that waits for the player has the keyboard;
# a compositor close does nothing under a warning and asks 終了しますか？ without.
# Usage: wayland_test.sh NABREL_EXECUTABLE SCREENSHOT_DIR TITLE
set -uo pipefail
source "$(dirname "$0")/harness.sh"
game=$1
shots=$2
app_title=$3
mkdir -p "$shots"

# The compositor runs as an unprivileged user, as on a desktop.
run=$(mktemp -d)
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
cleanup() {
    [ -n "${pid:-}" ] && pkill -P "$pid"  # the game and the bus under dbus-run-session
    [ -n "${sway_pid:-}" ] && kill "$sway_pid" "${keyboard_pid:-}" "${pid:-}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$run" "$check_output"
}
trap cleanup EXIT
cat >"$run/config" <<'EOF'
output HEADLESS-1 resolution 1024x768
focus_on_window_activation focus
xwayland disable
EOF
chmod 0644 "$run/config"
[ ${#as_user[@]} -eq 0 ] || chown nobody "$run"
chmod 0700 "$run"
export XDG_RUNTIME_DIR=$run
unset DISPLAY WAYLAND_DISPLAY
"${as_user[@]}" env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$run/config" >"$shots/wayland_sway.log" 2>&1 &
sway_pid=$!
sway_ready() { ls "$run"/wayland-? "$run"/sway-ipc.*.sock >/dev/null 2>&1; }
wait_for sway_ready || { echo "FAIL sway did not start"; cat "$shots/wayland_sway.log"; exit 1; }
WAYLAND_DISPLAY=$(basename "$(ls "$run"/wayland-?)")
export WAYLAND_DISPLAY
ipc=$(ls "$run"/sway-ipc.*.sock)

# A keyboard for the whole test: the seat keeps it, so no key is lost while a
# client would still be taking a new one. Each key comes from its own device.
wtype -s 3600000 &
keyboard_pid=$!
key() { wtype -s 100 "$@" -s 100; }

# "id focused width height name" of each of the game's windows in sway's
# tree: its id, 1 if it has the keyboard, its client area and its caption.
tree() {
    swaymsg -s "$ipc" -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid"):
        rect = node["window_rect"]
        print(node["id"], int(node.get("focused", False)), rect["width"], rect["height"], node["name"])
    for child in node["nodes"] + node["floating_nodes"]:
        walk(child)
walk(json.load(sys.stdin))'
}
focused() { tree | awk '$2 == 1' | cut -d' ' -f3-; }
focused_is() { [ "$(focused)" = "$*" ]; }
window_open() { tree | cut -d' ' -f3- | grep -qxF "$*"; }
# The title and the game-over screen.
large_window="402 213 $app_title"
choice_dialog="270 94 コマンド"
is_main() { read -r width height name <<<"$(focused)" && [ "$width $name" = "312 $app_title" ] && ((height > 213)); }
# A box of the game's caption over the main window: narrower than both other windows of that caption.
is_box() { read -r width _ name <<<"$(focused)" && [ "$name" = "$app_title" ] && ((width > 0 && width < 312)); }
# Closes the main window as its close button does, whatever has the keyboard.
close_main() { tree | awk '$3 == 312 {print $1}' | xargs -I{} swaymsg -s "$ipc" "[con_id={}] kill" >/dev/null; }
start_game() {
    # Under the sanitizers, leaks are not looked for here: Qt's Wayland client
    # and Mesa's EGL leave start-up allocations in libraries they unload, which
    # no suppression can name. Everything else AddressSanitizer checks.
    QT_QPA_PLATFORM=wayland LSAN_OPTIONS=${LSAN_OPTIONS:+$LSAN_OPTIONS:}detect_leaks=0 dbus-run-session --config-file="$(dirname "$0")/session-bus.conf" -- "$game" \
        2>"$shots/wayland_stderr_$1.log" &
    pid=$!
    wait_for focused_is "$large_window" && key -k Return && wait_for is_main &&
        key -M alt f -m alt && key s
}
ended_with_0() { process_gone && wait "$pid"; }
# The program ends; if not, what has the keyboard and what the screen shows.
program_ends() { wait_for process_gone || { echo "still running; the keyboard is with: $(focused)"; grim "$shots/wayland_$1.png"; false; }; }
main_or_game_over() { is_main || focused_is "$large_window"; }
# The harness's play_until_game_over, on sway: each day begins in the main window.
game_over_open() { window_open "$large_window"; }
dialog_open() { focused_is "$choice_dialog"; }
start_day() { wait_for main_or_game_over && { game_over_open || key 1; }; }
close_day() { key -k "$1" && wait_for main_or_game_over; }

check "the title screen has the keyboard, START! opens the main window and it has the keyboard" start_game warning
key 2
check "the choice dialog has the keyboard" wait_for focused_is "$choice_dialog"
key -k Return  # カップ麺, beyond 100 円
check "the warning お金が足りません has the keyboard" wait_for is_box
grim "$shots/wayland_warning.png"
key -k Return
check "Enter closes it and the main window has the keyboard again" wait_for is_main
key 2 && wait_for focused_is "$choice_dialog" && key -k Return && wait_for is_box
close_main
# The close reaches the game before the key: had it asked 終了しますか？, Enter would say はい.
key -k Return
main_alone() { is_main && [ "$(tree | wc -l)" = 1 ] && ! process_gone; }
check "the compositor's close under the warning does nothing: Enter closes the warning, the game goes on" wait_for main_alone
close_main
check "without a box it asks 終了しますか？, which has the keyboard" wait_for is_box
grim "$shots/wayland_quit_question.png"
# Told from a warning by its buttons: only はい(&Y) answers Y, and it ends the program.
key y
check "はい ends the program" program_ends still_running_after_close
check "with exit code 0" ended_with_0

check "a second game starts" start_game game_over
check "piecework every day ends the game" play_until_game_over Return
check "the game-over screen has the keyboard" wait_for focused_is "$large_window"
grim "$shots/wayland_game_over.png"
key -k Return
game_over_gone() { ! window_open "$large_window" && is_main; }
check "Enter presses its OK and the main window has the keyboard again" wait_for game_over_gone
key -M alt f -m alt && key x && wait_for is_box && key -k Return
check "End, はい ends the program" program_ends still_running_after_end
check "with exit code 0" ended_with_0
report
