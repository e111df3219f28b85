#!/usr/bin/python3
"""A desktop settings portal on the session bus that knows one setting.

Answers org.freedesktop.portal.Settings.ReadOne for KEY with VALUE (an
unsigned number for reduced-motion, true/false for enable-animations) and
"not found" for anything else, until it is stopped.
Usage: fake_portal.py KEY VALUE
"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

KEY, VALUE = sys.argv[1], sys.argv[2]


class Settings(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Settings", in_signature="ss", out_signature="v")
    def ReadOne(self, namespace, key):
        if key != KEY:
            raise dbus.exceptions.DBusException(f"{namespace} {key}", name="org.freedesktop.portal.Error.NotFound")
        return dbus.UInt32(int(VALUE)) if VALUE.isdigit() else dbus.Boolean(VALUE == "true")


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
Settings(bus, "/org/freedesktop/portal/desktop")
GLib.MainLoop().run()
