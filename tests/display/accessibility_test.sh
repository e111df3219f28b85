#!/usr/bin/env bash
# Runs accessibility_test.py on a private D-Bus session with its own AT-SPI
# bus. Run it under with_display.sh.
# Usage: accessibility_test.sh NABREL_EXECUTABLE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    sleep 0.5
    /usr/bin/python3 "$0" "$1"
    code=$?
    kill $launcher 2>/dev/null
    exit $code' "$here/accessibility_test.py" "$1" 2> >(grep -v -e "fd limit" -e "^dbus-daemon" -e "SpiRegistry" >&2)
