#!/usr/bin/env bash
# Runs a command on a private Xvfb display with a window manager (without one
# no window is ever activated) and a private D-Bus session, then stops them:
# the machine's own bus, settings and home folders change nothing.
# Usage: with_display.sh [--wm=openbox|kwin|mutter] COMMAND [ARGS...]
#   openbox (the default); kwin: kwin_x11 with Breeze and compositing off, as
#   Plasma on X11; mutter: mutter --x11, as GNOME on Xorg. The command finds
#   the manager's name in $NABREL_WM.
set -euo pipefail

source "$(dirname "$0")/../checks.sh"
export NABREL_WM=openbox
case ${1:-} in --wm=*) NABREL_WM=${1#--wm=} && shift ;; esac
workdir=$(mktemp -d)
cleanup() {
    local pid
    for pid in ${keeper_pid:-} ${wm_pid:-} ${bus_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$workdir" "$check_output"
}
trap cleanup EXIT
fail() { echo "with_display: $1" >&2 && cat "$workdir/$2.log" >&2 && exit 1; }

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
for _ in $(seq 100); do
    read -r -t 0.1 -u "$display_fd" display || true
    [ -n "$display" ] && break
done
[ -n "$display" ] || fail "Xvfb did not start" xvfb
export DISPLAY=":$display"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# A session's private runtime folder, as a desktop login provides one, and
# private settings: no manager reads or writes the machine's.
export XDG_RUNTIME_DIR="$workdir/runtime" XDG_CONFIG_HOME="$workdir/config" XDG_CACHE_HOME="$workdir/cache" \
    XDG_DATA_HOME="$workdir/data" XDG_STATE_HOME="$workdir/state" GSETTINGS_BACKEND=memory
mkdir -m 0700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

# Services a test starts on demand, as a desktop starts its portal: it puts
# their .service files in this folder.
export NABREL_TEST_SERVICES="$workdir/services"
mkdir "$NABREL_TEST_SERVICES"
sed "s|<!-- services -->|<servicedir>$NABREL_TEST_SERVICES</servicedir>|" "$(dirname "$0")/session-bus.conf" >"$workdir/bus.conf"
dbus-daemon --config-file="$workdir/bus.conf" --nofork --print-address=3 3>"$workdir/bus.address" \
    2> >(grep -v -e "fd limit" >"$workdir/bus.log") &
bus_pid=$!
wait_for test -s "$workdir/bus.address" || fail "the session bus did not start" bus
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$workdir/bus.address")
export DBUS_SESSION_BUS_ADDRESS

case $NABREL_WM in
openbox) wm=(openbox --sm-disable) ;;
kwin)
    printf '[Compositing]\nEnabled=false\n\n[org.kde.kdecoration2]\nlibrary=org.kde.breeze\ntheme=Breeze\n' \
        >"$XDG_CONFIG_HOME/kwinrc"
    wm=(env KWIN_COMPOSE=N kwin_x11)
    ;;
mutter) wm=(mutter --x11 --sm-disable) ;;
*) echo "with_display: no window manager named $NABREL_WM" >&2 && exit 2 ;;
esac
# In the background, with the manager's own pid.
start_wm() { exec "${wm[@]}" >>"$workdir/wm.log" 2>&1; }
start_wm &
wm_pid=$!
"$(dirname "$0")/wm_ready.py" || fail "$NABREL_WM does not manage windows" wm
echo "with_display: under $NABREL_WM $(dpkg-query -W -f='${Version}' "${NABREL_WM/kwin/kwin-x11}" 2>/dev/null)"
# A manager that ends while the command runs is started again, as a desktop
# session starts its shell again, and adopts the windows as they are: mutter 48
# aborts on an X error for a window that its client destroyed mid-request (its
# own fault, which no client can prevent). Standard error says so.
keep_wm() {
    local pid=$wm_pid
    trap 'kill "$pid" 2>/dev/null; exit' TERM
    while :; do
        while kill -0 "$pid" 2>/dev/null; do sleep 1; done
        echo "with_display: $NABREL_WM ended; started again. Its last lines:" >&2
        grep -v "^  " "$workdir/wm.log" | tail -3 >&2 || true  # without the indented notes
        start_wm &
        pid=$!
    done
}
keep_wm &
keeper_pid=$!

"$@"
