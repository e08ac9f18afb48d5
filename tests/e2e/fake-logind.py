#!/usr/bin/python3
"""logind as far as the program sees it, on a private system bus: Inhibit answers with the write end of a
pipe, SIGUSR1 announces PrepareForSleep(true) and SIGUSR2 PrepareForSleep(false). Each call, each signal
and each lock closed by its holder is a line of LOG; "ready" once the name is owned.
Usage: fake-logind.py LOG"""
import os
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

MANAGER = "org.freedesktop.login1.Manager"


def note(line):
    with open(sys.argv[1], "a", encoding="utf-8") as log:
        log.write(line + "\n")


class Manager(dbus.service.Object):
    @dbus.service.method(MANAGER, in_signature="ssss", out_signature="h")
    def Inhibit(self, what, who, why, mode):
        note(f"taken {what} {who} {mode}: {why}")
        held, holder = os.pipe()
        GLib.io_add_watch(held, GLib.PRIORITY_DEFAULT, GLib.IO_HUP | GLib.IO_ERR, released)
        lock = dbus.types.UnixFd(holder)  # a copy: the caller's end is the only one left once sent
        os.close(holder)
        return lock

    @dbus.service.signal(MANAGER, signature="b")
    def PrepareForSleep(self, start):
        note(f"PrepareForSleep {'true' if start else 'false'}")


def released(held, _condition):
    os.close(held)
    note("released")
    return False


DBusGMainLoop(set_as_default=True)
bus = dbus.SystemBus()
name = dbus.service.BusName("org.freedesktop.login1", bus)
manager = Manager(bus, "/org/freedesktop/login1")
for signum, start in ((signal.SIGUSR1, True), (signal.SIGUSR2, False)):
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signum, lambda start=start: manager.PrepareForSleep(start) or True)
note("ready")
GLib.MainLoop().run()
