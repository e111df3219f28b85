#!/usr/bin/env bash
# The program has one event loop, main()'s app.exec(): nothing under app/,
# household/, desktop/ or screens/ waits in a loop of its own (a local event
# loop, a dialog's or a box's exec(), their static helpers, or pumping events).
# Usage: one_event_loop_test.sh SOURCE_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
cd "$1" || exit 1

no_nested_loop() {
    ! grep -rnE --include='*.cpp' --include='*.h' \
        'QEventLoop|processEvents|(\.|->|::)exec\(|QMessageBox::(information|warning|question|critical|about)|Q[A-Za-z]*Dialog::get[A-Za-z]*\(' \
        app desktop household screens | grep -vx 'app/main.cpp:[0-9]*:    const int code = app.exec();'
}
check "no event loop but main()'s app.exec()" no_nested_loop
check "main() runs the event loop" grep -q 'app.exec()' app/main.cpp
report
