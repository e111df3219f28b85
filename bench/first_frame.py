#!/usr/bin/python3
"""Starts a program and prints three figures: the seconds from its launch until
the window manager maps its first window, and until the program first draws
into a window the window manager manages (its first frame); then its peak
memory in KiB half a second later. The X server reports each moment (map and
damage events), so nothing polls meanwhile. Usage: first_frame.py COMMAND..."""
import select
import subprocess
import sys
import time

from Xlib import X, display
from Xlib.ext import damage

TIMEOUT = 10

d = display.Display()
# An input-only window cannot be drawn into and answers the damage request with
# BadMatch: nothing to report.
d.set_error_handler(lambda error, request: None)
d.damage_query_version()  # the protocol asks for it before any damage request
d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
d.sync()
start = time.monotonic()
program = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
mapped = painted = None
managed = set()  # the program's windows, once the window manager frames them
while mapped is None or painted is None:
    if not d.pending_events() and not select.select([d], [], [], max(0, start + TIMEOUT - time.monotonic()))[0]:
        program.kill()
        sys.exit(f"first_frame.py: no window drawn within {TIMEOUT} s: {' '.join(sys.argv[1:])}")
    event = d.next_event()
    now = time.monotonic() - start
    if event.type == X.CreateNotify and not event.override:
        event.window.damage_create(damage.DamageReportNonEmpty)  # before anything can draw in it
        d.flush()
    elif event.type == X.ReparentNotify:
        managed.add(event.window.id)
    elif event.type == X.MapNotify and mapped is None:
        mapped = now
    elif event.type == d.extension_event.DamageNotify and event.drawable.id in managed and painted is None:
        painted = now
time.sleep(0.5)
with open(f"/proc/{program.pid}/status") as status:
    peak = next(line.split()[1] for line in status if line.startswith("VmHWM:"))
program.kill()
program.wait()
print(f"{mapped:.4f} {painted:.4f} {peak}")
