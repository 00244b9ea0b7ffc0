#!/usr/bin/python3
"""Reads what AT-SPI tells a screen reader about one application, as a reader would get it.

Prints one tab-separated line per event and per answer on standard output:
  listening                                  the listeners are registered
  event <type> <role> <name> <focused> <any_data>
                                             a name change, or a gain of focus; <focused> is 1
                                             when the source has the focus, as a reader asks it
  children <name>|<name>|...                 the names of the children of the object named
  pressed <name>                             the action "Press" was done on the object named
  missing <name>                             no such object in the application
Commands on standard input, one a line: "children <name>", "press <name>".
"""
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = sys.argv[1]


def say(*parts):
    print("\t".join(str(part).replace("\t", " ").replace("\n", " ") for part in parts), flush=True)


def on_event(event):
    if event.type.startswith("object:state-changed:focused") and not event.detail1:
        return
    try:
        source = event.source
        role, name, focused = source.getRoleName(), source.name, source.getState().contains(pyatspi.STATE_FOCUSED)
    except Exception:
        return
    say("event", event.type, role, name, int(focused), event.any_data)


def find(name):
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == APPLICATION:
            return pyatspi.findDescendant(application, lambda node: node is not None and node.name == name)
    return None


def on_command(source, condition):
    line = sys.stdin.readline()
    if not line:
        pyatspi.Registry.stop()
        return False
    command, _, name = line.rstrip("\n").partition(" ")
    node = find(name)
    if node is None:
        say("missing", name)
    elif command == "children":
        say("children", "|".join(child.name for child in node))
    elif command == "press":
        action = node.queryAction()
        names = [action.getName(index) for index in range(action.nActions)]
        action.doAction(names.index("Press"))
        say("pressed", name)
    return True


pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name", "object:state-changed:focused")
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_command)
say("listening")
pyatspi.Registry.start()
