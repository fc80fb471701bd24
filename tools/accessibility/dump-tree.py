#!/usr/bin/python3
"""Reads the running clock over AT-SPI as a screen reader does: the window's tree with each
object's role, name, value, text, states and actions; then starts the clock and prints what a
reader hears while it ticks; then opens the Configuration page and a colour list."""
import sys
import time

import pyatspi
from gi.repository import GLib

WANTED_STATES = ("checked", "selected", "focused", "expanded", "collapsed", "editable", "showing")


def find_application(name, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    sys.exit(f"no application named {name!r} on the accessibility bus")


def details(acc):
    parts = [acc.getRoleName(), repr(acc.name)]
    if acc.description:
        parts.append(f"description={acc.description!r}")
    try:
        value = acc.queryValue()
        parts.append(f"value={value.currentValue:g} range={value.minimumValue:g}..{value.maximumValue:g}")
    except NotImplementedError:
        pass
    try:
        text = acc.queryText()
        parts.append(f"text={text.getText(0, -1)!r}")
    except NotImplementedError:
        pass
    states = acc.getState()
    shown = [s for s in WANTED_STATES if states.contains(getattr(pyatspi, "STATE_" + s.upper()))]
    if shown:
        parts.append("[" + " ".join(shown) + "]")
    try:
        action = acc.queryAction()
        names = []
        for i in range(action.nActions):
            described = action.getDescription(i)
            names.append(action.getName(i) + (f"={described}" if described else ""))
        if names:
            parts.append("actions: " + ", ".join(names))
    except NotImplementedError:
        pass
    return " ".join(parts)


def dump(acc, depth=0, only_showing=False):
    if only_showing and not acc.getState().contains(pyatspi.STATE_SHOWING):
        return
    print("  " * depth + details(acc))
    for child in acc:
        if child is not None:
            dump(child, depth + 1, only_showing)


def find(acc, role, name):
    return pyatspi.findDescendant(acc, lambda a: a.getRoleName() == role and a.name == name)


def do_action(acc, action_name):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == action_name:
            action.doAction(i)
            return
    sys.exit(f"{acc.name!r} has no action {action_name!r}")


def listen(seconds):
    heard = []

    def on_event(event):
        source = event.source
        heard.append(f"{time.monotonic() - start:5.2f}s {event.type} {source.getRoleName()} "
                     f"{source.name!r} detail={event.detail1} data={event.any_data!r}")

    events = ("object:text-changed", "object:state-changed:checked", "object:state-changed:selected",
              "object:state-changed:focused", "object:property-change:accessible-name",
              "object:property-change:accessible-value", "object:value-changed")
    pyatspi.Registry.registerEventListener(on_event, *events)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() or False)
    start = time.monotonic()
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_event, *events)
    for line in heard:
        print("  " + line)


def main():
    app = find_application(sys.argv[1] if len(sys.argv) > 1 else "Dorvane")
    window = app[0]
    print("== The window as it opens")
    dump(window)

    print("\n== Start pressed; what a reader hears over three ticks")
    do_action(find(window, "push button", "Start"), "Press")
    listen(3.3)
    for name in ("Hours", "Minutes", "Seconds"):
        label = find(window, "label", name)
        print("  " + details(label))
    do_action(find(window, "push button", "Stop"), "Press")

    print("\n== The Configuration tab pressed")
    do_action(find(window, "page tab", "Configuration"), "Press")
    time.sleep(0.3)
    dump(find(window, "page tab list", ""), only_showing=True)

    print("\n== The \"Color at @Seconds\" list opened")
    picker = find(window, "combo box", "Color at @Seconds")
    do_action(picker, "ShowMenu")
    time.sleep(0.3)
    print(details(picker))
    rows = picker[0]
    print("  " + details(rows) + f" ({rows.childCount} rows)")
    for row in rows:
        if row.getState().contains(pyatspi.STATE_SHOWING):
            print("    " + details(row))
    do_action(picker, "ShowMenu")

    do_action(find(window, "push button", "Done"), "Press")


if __name__ == "__main__":
    main()
