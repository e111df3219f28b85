#!/usr/bin/env bash
# Runs a command on a private Xvfb display with the openbox window manager
# (without a window manager no window is ever activated) and a private D-Bus
# session, then stops them: the machine's own bus, or the lack of one,
# changes nothing.
# Usage: with_display.sh COMMAND [ARGS...]
set -euo pipefail

source "$(dirname "$0")/../checks.sh"
workdir=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$workdir" "$check_output"
}
trap cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 100); do
    read -r -t 0.1 -u "$display_fd" display || true
    [ -n "$display" ] && break
done
if [ -z "$display" ]; then
    echo "with_display: Xvfb did not start" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$display"
# A session's private runtime folder, as a desktop login provides one.
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
# Ready once it announces what it supports, activation among it.
wm_ready() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW; }
if ! wait_for wm_ready; then
    echo "with_display: openbox did not start" >&2
    cat "$workdir/openbox.log" >&2
    exit 1
fi

# Services a test starts on demand, as a desktop starts its portal: it puts
# their .service files in this folder.
export NABREL_TEST_SERVICES="$workdir/services"
mkdir "$NABREL_TEST_SERVICES"
sed "s|<!-- services -->|<servicedir>$NABREL_TEST_SERVICES</servicedir>|" "$(dirname "$0")/session-bus.conf" >"$workdir/bus.conf"

dbus-run-session --config-file="$workdir/bus.conf" -- "$@" 2> >(grep -v -e "fd limit" >&2)
