#!/usr/bin/python3
"""logind as the program sees it: Inhibit hands out the write end of a pipe, SIGUSR1 and SIGUSR2 send
PrepareForSleep(true) and (false). Each call, signal and lock closed by its holder is a line of LOG.
Usage: fake-logind.py LOG"""
import os
import signal
import sys

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

MANAGER = "org.freedesktop.login1.Manager"


def note(line):
    with open(sys.argv[1], "a", encoding="utf-8") as log:
        log.write(line + "\n")
    return True


class Manager(dbus.service.Object):
    @dbus.service.method(MANAGER, in_signature="ssss", out_signature="h")
    def Inhibit(self, what, who, why, mode):
        note(f"taken {what} {who} {mode}: {why}")
        held, holder = os.pipe()
        GLib.io_add_watch(held, GLib.PRIORITY_DEFAULT, GLib.IO_HUP, lambda *_: os.close(held) or not note("released"))
        lock = dbus.types.UnixFd(holder)  # a copy: once sent, the caller holds the only write end
        os.close(holder)
        return lock

    @dbus.service.signal(MANAGER, signature="b")
    def PrepareForSleep(self, start):
        note(f"PrepareForSleep {'true' if start else 'false'}")


DBusGMainLoop(set_as_default=True)
bus = dbus.SystemBus()
name = dbus.service.BusName("org.freedesktop.login1", bus)
manager = Manager(bus, "/org/freedesktop/login1")
for signum, start in ((signal.SIGUSR1, True), (signal.SIGUSR2, False)):
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signum, lambda start=start: manager.PrepareForSleep(start) or True)
note("ready")
GLib.MainLoop().run()
