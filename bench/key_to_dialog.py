#!/usr/bin/python3
"""Times key 1 in the game's active main window to the choice dialog's first
frame: from the key, sent through XTEST, until the program first draws into the
dialog's window (a DAMAGE event); then Esc closes the dialog and the main window
is active again. Prints the median of ROUNDS in milliseconds, as the X server
reports each moment. A game must be running in the active main window.
Usage: key_to_dialog.py ROUNDS"""
import select
import statistics
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import damage, xtest

TIMEOUT = 10

d = display.Display()
d.set_error_handler(lambda error, request: None)  # input-only windows refuse damage
d.damage_query_version()
root = d.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask | X.PropertyChangeMask)
ACTIVE = d.intern_atom("_NET_ACTIVE_WINDOW")


def active():
    value = root.get_full_property(ACTIVE, X.AnyPropertyType)
    return value.value[0] if value else None


def press(name):
    code = d.keysym_to_keycode(XK.string_to_keysym(name))
    xtest.fake_input(d, X.KeyPress, code)
    xtest.fake_input(d, X.KeyRelease, code)
    d.flush()


def next_event(deadline):
    if not d.pending_events() and not select.select([d], [], [], max(0, deadline - time.monotonic()))[0]:
        sys.exit(f"key_to_dialog.py: nothing happened within {TIMEOUT} s")
    return d.next_event()


def until_active(window, deadline):
    while active() != window:
        next_event(deadline)


main = active()
times = []
for _ in range(int(sys.argv[1])):
    deadline = time.monotonic() + TIMEOUT
    start = time.monotonic()
    press("1")
    managed = {}
    while True:
        event = next_event(deadline)
        if event.type == X.CreateNotify and not event.override:
            event.window.damage_create(damage.DamageReportNonEmpty)  # before anything can draw in it
            d.flush()
        elif event.type == X.ReparentNotify:
            managed[event.window.id] = event.window
        elif event.type == d.extension_event.DamageNotify and event.drawable.id in managed:
            times.append((time.monotonic() - start) * 1000)
            dialog = event.drawable.id
            break
    until_active(dialog, deadline)
    press("Escape")
    until_active(main, deadline)
print(f"{statistics.median(times):.2f}")
