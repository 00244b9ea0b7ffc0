#!/usr/bin/python3
"""Reads one application through AT-SPI as a screen reader does, and says what it would speak.

A reader keeps the object that has the focus. It speaks an object that gains the focus, by its
name, unless it takes it for the one it had: the same object, or one of the same role and name
at the same place on the screen (an object without a place is never taken for another). It
speaks a name change of the focused object when the event brings a new name as text; one that
brings anything else, or the name it brought last time, it passes over.

Prints one tab-separated line on standard output for each:
  listening                                  the listeners are registered
  spoken <text>                              what a reader speaks
  children <name>|<name>|...                 the names of the children of the object named
  pressed <name>                             the action "Press" was done on the object named
  missing <name>                             no such object in the application
Commands on standard input, one a line: "children <name>", "press <name>".
"""
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = sys.argv[1]
focus = None
names_heard = {}


def say(*parts):
    print("\t".join(str(part).replace("\t", " ").replace("\n", " ") for part in parts), flush=True)


def place(node):
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return (extents.x, extents.y, extents.width, extents.height)


def same(one, other):
    if one == other:
        return True
    if other is None or one.getRole() != other.getRole() or one.name != other.name:
        return False
    here = place(one)
    return here is not None and here == place(other) and here[0] >= 0 and here[1] >= 0 and here[2] > 0 and here[3] > 0


def on_event(event):
    global focus
    try:
        source = event.source
        if source.getApplication().name != APPLICATION:
            return
        if event.type.startswith("object:state-changed:focused"):
            if event.detail1 and source.getState().contains(pyatspi.STATE_FOCUSED) and not same(source, focus):
                focus = source
                say("spoken", source.name)
        elif source == focus and isinstance(event.any_data, str) and names_heard.get(source) != event.any_data:
            names_heard[source] = event.any_data
            say("spoken", event.any_data)
    except Exception:
        return


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
