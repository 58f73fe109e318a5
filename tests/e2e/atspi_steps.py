# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The steps of a screen reader's user that the end-to-end scripts share: finding the game on the
accessibility bus, its elements by role and name (a regular expression), and pressing them."""
import re
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(why):
    print("FAIL:", why, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)


def wait_for(what, seconds, found):
    end = time.time() + seconds
    while time.time() < end:
        value = found()
        if value:
            return value
        pump(0.2)
    fail(what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Quillane":
            return app
    return None


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda o: o is not None and o.getRole() == role and re.fullmatch(name, o.name or ""))


def press(element):
    action = element.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press"):
            action.doAction(i)
            return
    fail(f"{element.name} has no press action")
