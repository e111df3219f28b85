#!/usr/bin/env bash
# Plays a whole game under strace and checks that the program opens no
# socket but local ones (the display, the session bus) and makes, writes or
# removes no file. Run it under with_display.sh.
# Usage: no_io_test.sh NABREL_EXECUTABLE
set -uo pipefail
source "$(dirname "$0")/harness.sh"
nabrel=$1
trace=$(mktemp)
trap 'rm -f "$trace" "$check_output"' EXIT

strace -f -qq -o "$trace" \
    -e trace=socket,connect,bind,open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,truncate \
    "$nabrel" >/dev/null 2>&1 &
tracer=$!
# The game is strace's child: another game on the machine is not it.
traced_game() { pgrep -P "$tracer" -f -x "$nabrel"; }
wait_for traced_game >/dev/null || { echo "FAIL the game did not start"; exit 1; }
pid=$(traced_game)
wait_for has_window Nabrel 402 213 || { echo "FAIL no title screen"; exit 1; }
activate "$(window_id Nabrel 402 213)"
key Return
wait_for main_window >/dev/null || { echo "FAIL no main window"; exit 1; }
activate "$(main_window)"
menu_entry s
play_until_game_over Return || { echo "FAIL the game did not end"; exit 1; }
activate "$(window_id Nabrel 402 213)"
key Return
activate "$(main_window)"
menu_entry x
answer_box Return
# The trace ends with the game; anything it still follows then is not the game.
wait_for process_gone
game_ended=$(process_gone || echo "still running after Yes")
kill -9 "$pid" 2>/dev/null
kill "$tracer" 2>/dev/null
wait "$tracer"

# Passes when the offending trace lines given are none.
none() { [ -z "$1" ] || { echo "$1"; false; }; }
check "the game ends on Yes" none "$game_ended"
display_socket="/tmp/.X11-unix/X${DISPLAY#:}"
check "the trace saw the game reach the display" grep -qF "$display_socket" "$trace"
check "no socket but local (AF_UNIX) ones" none "$(grep -E '\bsocket\(' "$trace" | grep -v 'socket(AF_UNIX')"
# Besides the display, glibc may ask its local name-service cache (nscd) for the user's name.
check "no connection but local (AF_UNIX) ones" none "$(grep -E '\bconnect\(' "$trace" | grep -v 'sa_family=AF_UNIX')"
check "no bind" none "$(grep -E '\bbind\(' "$trace")"
check "no file opened for writing" none "$(grep -E '\b(open|openat|creat)\(' "$trace" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
    grep -v -E '= -1 E' | grep -v '"/dev/null"')"
check "no file or folder made, renamed or removed" none "$(grep -E '\b(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|truncate)\(' "$trace" |
    grep -v -E '= -1 E')"
report
