#!/usr/bin/python3
"""A settings portal that knows one KEY: its VALUE is a number for reduced-motion,
true/false for enable-animations. Each SIGUSR1 swaps VALUE and --then and says so
with SettingChanged; --log gets each call's method name.
Usage: fake_portal.py [--start-delay S] [--never-answer] [--no-read-one] [--then VALUE] [--log FILE] KEY VALUE
"""
import argparse
import signal
import time

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = "org.freedesktop.portal.Settings"
GROUPS = {"reduced-motion": "org.freedesktop.appearance", "enable-animations": "org.gnome.desktop.interface"}
parser = argparse.ArgumentParser()
for flag in ("--start-delay", "--then", "--log"):
    parser.add_argument(flag)
for flag in ("--never-answer", "--no-read-one"):
    parser.add_argument(flag, action="store_true")
parser.add_argument("key")
parser.add_argument("value")
args = parser.parse_args()


def encode(value):
    return dbus.UInt32(int(value)) if value.isdigit() else dbus.Boolean(value == "true")


class Settings(dbus.service.Object):
    def answer(self, method, key, wrap, reply, error):
        if args.log:
            with open(args.log, "a") as log:
                print(method, file=log)
        if method == "ReadOne" and args.no_read_one:
            error(dbus.exceptions.DBusException(name="org.freedesktop.DBus.Error.UnknownMethod"))
        elif key != args.key:
            error(dbus.exceptions.DBusException(name="org.freedesktop.portal.Error.NotFound"))
        elif not args.never_answer:
            reply(dbus.types.Variant(encode(args.value)) if wrap else encode(args.value))

    @dbus.service.method(INTERFACE, in_signature="ss", out_signature="v", async_callbacks=("reply", "error"))
    def ReadOne(self, namespace, key, reply, error):
        self.answer("ReadOne", key, False, reply, error)

    @dbus.service.method(INTERFACE, in_signature="ss", out_signature="v", async_callbacks=("reply", "error"))
    def Read(self, namespace, key, reply, error):
        self.answer("Read", key, True, reply, error)

    @dbus.service.signal(INTERFACE, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass

    def change(self):
        args.value, args.then = args.then, args.value
        self.SettingChanged(GROUPS[args.key], args.key, encode(args.value))
        return True


time.sleep(float(args.start_delay or 0))
dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
settings = Settings(bus, "/org/freedesktop/portal/desktop")
name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, settings.change)
GLib.MainLoop().run()
