#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the game's menus and a refusal through the accessibility bus and compares them with the
# catalogue given: every menu title, and the refusal of a 10-credit bet on 5 credits.
import re
import sys
import xml.etree.ElementTree as ET

import pyatspi

from atspi_steps import application, fail, find, press, wait_for

catalogue = {}
for context in ET.parse(sys.argv[1]).getroot().iter('context'):
    for message in context.iter('message'):
        catalogue[(context.findtext('name'), message.findtext('source'))] = \
            message.findtext('translation')


def tr(context, source):
    return catalogue[(context, source)]


def shown(text):
    return re.sub(r'&(?!&)', '', text)


app = wait_for("no application called Quillane on the bus", 20, application)
frame = wait_for("no cabinet", 10, lambda: find(app, pyatspi.ROLE_FRAME, "Quillane"))
titles = [shown(tr("CabinetWindow", t)) for t in ("&File", "&Options", "&Help")]
titles += [shown(tr("CabinetWindow", t)) for t in ("&Borrow", "&Stats", "&Payoffs")]
for title in titles:
    if find(frame, pyatspi.ROLE_MENU_ITEM, re.escape(title)) is None and \
            find(frame, pyatspi.ROLE_MENU, re.escape(title)) is None:
        fail(f"no menu {title}")
print("menus:", ", ".join(titles))

key = tr("CabinetElements", "%1 \u2014 spins at once").replace(
    "%1", tr("CabinetPainter", "10 Credits"))
press(wait_for(f"no key {key}", 10,
               lambda: find(frame, pyatspi.ROLE_PUSH_BUTTON, re.escape(key))))
refusal = tr("RefusalText", "You have %1, but you tried to bet %2 credits.  You cannot bet more "
             "credits than you have.  Borrow some credits or place a smaller bet.")
refusal = refusal.replace("%1", "5").replace("%2", "90")
told = wait_for("no refusal in German", 10, lambda: pyatspi.findDescendant(
    app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_LABEL and o.name == refusal))
print("refused:", told.name)
box = told.parent
while box is not None and box.getRole() not in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT):
    box = box.parent
press(pyatspi.findDescendant(box, lambda o: o is not None and
                             o.getRole() == pyatspi.ROLE_PUSH_BUTTON))

file_menu = find(frame, pyatspi.ROLE_MENU, re.escape(titles[0])) or \
    find(frame, pyatspi.ROLE_MENU_ITEM, re.escape(titles[0]))
exit_name = shown(tr("CabinetWindow", "E&xit"))
press(wait_for(f"no {exit_name}", 10,
               lambda: find(file_menu, pyatspi.ROLE_MENU_ITEM, re.escape(exit_name))))
