#!/usr/bin/python3
"""A StatusNotifierItem host for tests, on the session bus of $DBUS_SESSION_BUS_ADDRESS.

  sni_host.py serve        owns org.kde.StatusNotifierWatcher, says a host is registered
                           and keeps a list of the items that register; runs until killed
  sni_host.py call WHAT    asks the serving host to act as a desktop panel would, prints
                           the answer one line at a time and exits non-zero on failure:
      Ping                 answers "pong" once the host serves
      Items                the registered items, "service path" each
      IconSizes            the sizes of the first item's IconPixmap images, "16x16" each
      Activate             a left click on the first item: Activate(x, y)
      Menu                 a right click as Plasma handles it: with a DBusMenu exported,
                           AboutToShow and GetLayout, printing each entry as its path of
                           labels ("Conversions/Celsius to Kelvin", "-" for a separator);
                           without one, ContextMenu(x, y) and "no menu"
      Click LABELS         clicks the menu entry with that path of labels

The watcher's properties are in its introspection data: Qt reads
IsStatusNotifierHostRegistered through it, and without it would never use the host.
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop

WATCHER = "org.kde.StatusNotifierWatcher"
WATCHER_PATH = "/StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
MENU = "com.canonical.dbusmenu"
PROPS = "org.freedesktop.DBus.Properties"
CONTROL = "io.github.pelbrix.TestHost"
CONTROL_PATH = "/TestHost"
CLICK_AT = (1250, 1000)  # where a panel at the bottom right would report the click

INTROSPECTION = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get">
      <arg name="interface" type="s" direction="in"/>
      <arg name="name" type="s" direction="in"/>
      <arg name="value" type="v" direction="out"/>
    </method>
    <method name="GetAll">
      <arg name="interface" type="s" direction="in"/>
      <arg name="values" type="a{sv}" direction="out"/>
    </method>
  </interface>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
</node>
"""


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, WATCHER_PATH)
        self.bus = bus
        self.items = []  # (service, path)

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array([s + p for s, p in self.items],
                                                        signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(PROPS, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties()[name]

    @dbus.service.method(PROPS, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties()

    @dbus.service.method(WATCHER, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # A bus name (the item at the usual path), or a path on the caller's connection.
        item = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
        if item not in self.items:
            self.items.append(item)
            self.bus.watch_name_owner(item[0], lambda owner, item=item: self.gone(item, owner))
        self.StatusNotifierItemRegistered(item[0] + item[1])

    def gone(self, item, owner):
        if not owner and item in self.items:
            self.items.remove(item)
            self.StatusNotifierItemUnregistered(item[0] + item[1])

    @dbus.service.method(WATCHER, in_signature="s", out_signature="")
    def RegisterStatusNotifierHost(self, service):
        self.StatusNotifierHostRegistered()

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemUnregistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass


def entries(layout, prefix=""):
    """The menu's entries under `layout` (id, properties, children), depth first."""
    found = []
    for child in layout[2]:
        item_id, props, _ = child
        if not props.get("visible", True):
            continue
        if props.get("type", "standard") == "separator":
            found.append((item_id, prefix + "-"))
            continue
        label = prefix + str(props.get("label", "")).replace("_", "")
        found.append((item_id, label))
        found.extend(entries(child, label + "/"))
    return found


class Control(dbus.service.Object):
    """What a panel does with the items, on request of the test."""

    def __init__(self, bus, watcher):
        super().__init__(bus, CONTROL_PATH)
        self.bus = bus
        self.watcher = watcher

    def item(self):
        if not self.watcher.items:
            raise dbus.DBusException("no item is registered")
        service, path = self.watcher.items[0]
        return service, self.bus.get_object(service, path, introspect=False)

    def menu(self):
        service, item = self.item()
        path = item.Get(ITEM, "Menu", dbus_interface=PROPS)
        if str(path) in ("", "/", "/NO_DBUSMENU"):
            return None
        return self.bus.get_object(service, path, introspect=False)

    @dbus.service.method(CONTROL, in_signature="", out_signature="as")
    def Ping(self):
        return ["pong"]

    @dbus.service.method(CONTROL, in_signature="", out_signature="as")
    def Items(self):
        return [f"{s} {p}" for s, p in self.watcher.items]

    @dbus.service.method(CONTROL, in_signature="", out_signature="as")
    def IconSizes(self):
        _, item = self.item()
        images = item.Get(ITEM, "IconPixmap", dbus_interface=PROPS)
        return [f"{int(w)}x{int(h)}" for w, h, _ in images]

    @dbus.service.method(CONTROL, in_signature="", out_signature="as")
    def Activate(self):
        _, item = self.item()
        item.Activate(*CLICK_AT, dbus_interface=ITEM)
        return ["activated"]

    @dbus.service.method(CONTROL, in_signature="", out_signature="as")
    def Menu(self):
        menu = self.menu()
        if menu is None:
            _, item = self.item()
            item.ContextMenu(*CLICK_AT, dbus_interface=ITEM)
            return ["no menu"]
        menu.AboutToShow(0, dbus_interface=MENU)
        _, layout = menu.GetLayout(0, -1, dbus.Array([], signature="s"), dbus_interface=MENU)
        return [label for _, label in entries(layout)]

    @dbus.service.method(CONTROL, in_signature="s", out_signature="as")
    def Click(self, wanted):
        menu = self.menu()
        if menu is None:
            raise dbus.DBusException("the item exports no menu")
        _, layout = menu.GetLayout(0, -1, dbus.Array([], signature="s"), dbus_interface=MENU)
        for item_id, label in entries(layout):
            if label == wanted:
                menu.Event(item_id, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0),
                           dbus_interface=MENU)
                return ["clicked " + label]
        raise dbus.DBusException("no entry " + wanted)


def serve():
    from gi.repository import GLib

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    Control(bus, watcher)
    # The name last: whoever sees it owned finds a host registered already.
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)
    GLib.MainLoop().run()
    del name


def call(what, args):
    bus = dbus.SessionBus()
    control = bus.get_object(WATCHER, CONTROL_PATH, introspect=False)
    try:
        for line in getattr(control, what)(*args, dbus_interface=CONTROL, timeout=10):
            print(line)
    except dbus.DBusException as error:
        print(f"sni_host: {what}: {error.get_dbus_message()}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    if sys.argv[1:2] == ["serve"]:
        serve()
    elif len(sys.argv) >= 3 and sys.argv[1] == "call":
        sys.exit(call(sys.argv[2], sys.argv[3:]))
    else:
        sys.exit(__doc__)
