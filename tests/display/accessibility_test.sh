#!/usr/bin/env bash
# Runs accessibility_test.py on a private D-Bus session with its own AT-SPI
# bus. Run it under with_display.sh.
# Usage: accessibility_test.sh NABREL_EXECUTABLE TITLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    source "$(dirname "$0")/../checks.sh"
    bus_ready() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
    wait_for bus_ready || { echo "FAIL the accessibility bus did not start"; kill $launcher; exit 1; }
    /usr/bin/python3 "$0" "$1" "$2"
    code=$?
    kill $launcher 2>/dev/null
    exit $code' "$here/accessibility_test.py" "$1" "$2" 2> >(grep -v -e "fd limit" -e "^dbus-daemon" -e "SpiRegistry" >&2)
