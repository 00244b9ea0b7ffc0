#!/usr/bin/python3
"""Prints, one tab-separated line each, what a screen reader would speak of one application read
through AT-SPI: an object that gains the focus unless taken for the one it had, and a new name of
the focused one, never the same twice running. Answers "children <name>" and "press <name>"."""
import sys

import pyatspi
from gi.repository import GLib

APPLICATION = sys.argv[1]
focus = None
names_heard = {}


def say(*parts):
    print("\t".join(str(part).replace("\t", " ").replace("\n", " ") for part in parts), flush=True)


def same(one, other):
    if one == other:
        return True
    if other is None or one.getRole() != other.getRole() or one.name != other.name:
        return False
    try:  # an object without a place on the screen is never taken for another
        here, there = (node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for node in (one, other))
    except NotImplementedError:
        return False
    box = (here.x, here.y, here.width, here.height)
    return box == (there.x, there.y, there.width, there.height) and min(box[:2]) >= 0 and min(box[2:]) > 0


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


def on_command(source, condition):
    line = sys.stdin.readline()
    if not line:
        pyatspi.Registry.stop()
        return False
    command, _, name = line.rstrip("\n").partition(" ")
    node = next((pyatspi.findDescendant(application, lambda node: node is not None and node.name == name)
                 for application in pyatspi.Registry.getDesktop(0)
                 if application is not None and application.name == APPLICATION), None)
    if command == "children":
        say("children", "|".join(child.name for child in node))
    elif command == "press":
        action = node.queryAction()
        action.doAction([action.getName(index) for index in range(action.nActions)].index("Press"))
        say("pressed", name)
    return True


pyatspi.Registry.registerEventListener(on_event, "object:property-change:accessible-name",
                                       "object:state-changed:focused")
GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, on_command)
say("listening")
pyatspi.Registry.start()
