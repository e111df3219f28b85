#!/usr/bin/python3
"""Returns once the window manager on $DISPLAY manages windows: it owns the
screen, frames a probe window and activates it when asked as a taskbar asks.
A manager that has only claimed the screen may still leave a window
undecorated at 0,0 without the keyboard. Exit status 1 after 30 s."""
import sys
import time

from Xlib import X, Xutil, display, protocol

d = display.Display()
root = d.screen().root
atom = d.intern_atom


def prop(window, name):
    value = window.get_full_property(atom(name), X.AnyPropertyType)
    return list(value.value) if value else []


def within(seconds, condition):
    end = time.monotonic() + seconds
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.05)
    return True


def managed():
    # Mapped afresh each time: a map request sent while the manager was starting may have been passed over.
    probe.unmap()
    probe.map()
    d.flush()
    return within(3, lambda: probe.id in prop(root, "_NET_CLIENT_LIST") and prop(probe, "_NET_FRAME_EXTENTS"))


def activated():
    root.send_event(protocol.event.ClientMessage(window=probe, client_type=atom("_NET_ACTIVE_WINDOW"),
                                                 data=(32, [2, X.CurrentTime, 0, 0, 0])),
                    event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    return within(0.5, lambda: prop(root, "_NET_ACTIVE_WINDOW")[:1] == [probe.id])


probe = root.create_window(100, 100, 120, 60, 0, X.CopyFromParent)
probe.set_wm_hints(flags=Xutil.InputHint, input=1)  # the manager gives it the focus itself
ready = (within(30, lambda: d.get_selection_owner(atom(f"WM_S{d.get_default_screen()}")) != X.NONE)
         and within(30, managed) and within(30, activated))
probe.destroy()
d.flush()
if not (ready and within(30, lambda: probe.id not in prop(root, "_NET_CLIENT_LIST"))):
    sys.exit("wm_ready: the window manager did not manage a probe window within 30 s")
