#!/usr/bin/python3
"""A RemoteDesktop portal for tests, on the bus at --address: it grants the start (with a
new restore token from version 2 on), refuses it, or never answers any request, and
writes each call it gets to --log, one line each. Like xdg-desktop-portal, which answers
each call in a thread of its own, it may take a later key before an earlier one: a key
pressed is taken a moment later, a key released at once."""
import argparse

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

PORTAL = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
REMOTE_DESKTOP = "org.freedesktop.portal.RemoteDesktop"

parser = argparse.ArgumentParser()
parser.add_argument("--address", required=True)
parser.add_argument("--log", required=True)
parser.add_argument("--version", type=int, default=2)
parser.add_argument("--start", choices=["grant", "refuse", "silent"], default="grant")
args = parser.parse_args()


def record(line):
    with open(args.log, "a", encoding="utf-8") as log:
        log.write(line + "\n")


def sender_part(sender):
    return sender[1:].replace(".", "_")


class Request(dbus.service.Object):
    @dbus.service.signal("org.freedesktop.portal.Request", signature="ua{sv}")
    def Response(self, code, results):
        pass


class Session(dbus.service.Object):
    @dbus.service.method("org.freedesktop.portal.Session", in_signature="", out_signature="")
    def Close(self):
        record("Close")
        self.remove_from_connection()


class Portal(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.tokens = 0

    def answer(self, sender, options, code, results):
        path = "%s/request/%s/%s" % (PATH, sender_part(sender), options["handle_token"])
        request = Request(self.bus, path)
        def respond():
            request.Response(dbus.UInt32(code), results)
            request.remove_from_connection()
        if args.start != "silent":
            GLib.idle_add(respond)
        return dbus.ObjectPath(path)

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return dbus.UInt32(args.version, variant_level=1)

    @dbus.service.method(REMOTE_DESKTOP, in_signature="a{sv}", out_signature="o",
                         sender_keyword="sender")
    def CreateSession(self, options, sender):
        record("CreateSession")
        session = "%s/session/%s/%s" % (PATH, sender_part(sender), options["session_handle_token"])
        Session(self.bus, session)
        return self.answer(sender, options, 0, {"session_handle": dbus.String(session)})

    @dbus.service.method(REMOTE_DESKTOP, in_signature="oa{sv}", out_signature="o",
                         sender_keyword="sender")
    def SelectDevices(self, session, options, sender):
        chosen = ["%s=%s" % (key, options[key]) for key in ("types", "persist_mode", "restore_token")
                  if key in options]
        record(" ".join(["SelectDevices"] + chosen))
        return self.answer(sender, options, 0, {})

    @dbus.service.method(REMOTE_DESKTOP, in_signature="osa{sv}", out_signature="o",
                         sender_keyword="sender")
    def Start(self, session, parent_window, options, sender):
        record("Start")
        results = {"devices": dbus.UInt32(1)}
        if args.version >= 2:
            self.tokens += 1
            results["restore_token"] = dbus.String("consent-%d" % self.tokens)
        return self.answer(sender, options, 1 if args.start == "refuse" else 0, results)

    @dbus.service.method(REMOTE_DESKTOP, in_signature="oa{sv}iu", out_signature="",
                         async_callbacks=("reply", "error"))
    def NotifyKeyboardKeycode(self, session, options, keycode, state, reply, error):
        def take():
            record("key %d %s" % (keycode, "pressed" if state else "released"))
            reply()
        GLib.timeout_add(30 if state else 0, take)


dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
connection = dbus.bus.BusConnection(args.address)
portal = Portal(connection)
name = dbus.service.BusName(PORTAL, connection)
GLib.MainLoop().run()
