#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the game through the accessibility bus alone, as a screen reader's user would: the bonus
# game kept from the last run by choosing a card, a spin by pressing Spin, 1,000 credits borrowed
# through the coin slot, the game saved in slot 1, then File > Exit.
# Prints what the status elements told.
import re

import pyatspi

from atspi_steps import application, fail, find, press, pump, wait_for

told = []


def on_name(event):
    try:
        if event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
            told.append(event.source.name)
    except Exception:  # the source may be gone by the time the event is read
        pass


def sensitive(element):
    return element.getState().contains(pyatspi.STATE_SENSITIVE)


app = wait_for("no application called Quillane on the bus", 20, application)
# Listened for once the game is on the bus: a listener registered while the game's bridge is still
# starting can reach the registry between the game's reading of the listeners and its watching for
# new ones, and the game would then tell it nothing.
pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
frame = wait_for("no cabinet", 10, lambda: find(app, pyatspi.ROLE_FRAME, "Quillane"))
spin = wait_for("no Spin button", 10, lambda: find(frame, pyatspi.ROLE_PUSH_BUTTON, "Spin"))
credits = find(frame, pyatspi.ROLE_LABEL, r"Credits: [\d,]+")
coins = find(frame, pyatspi.ROLE_LABEL, r"Coins: [\d,]+")
if credits is None or coins is None:
    fail("no credits or coins meter")
for key in ("Bet Max", "9 Paylines", "1 Credit — spins at once"):
    if find(frame, pyatspi.ROLE_PUSH_BUTTON, key) is None:
        fail(f"no button {key}")
reels = find(frame, pyatspi.ROLE_TABLE, "Reels")
if reels is None or reels.childCount != 15:
    fail("no reel window of 15 cells")

# The bonus game kept from the last run opens by itself.
bonus = wait_for("no bonus game", 20, lambda: find(app, pyatspi.ROLE_DIALOG, "Bingo Bonus Game"))
card = wait_for("no Card 2", 5, lambda: find(bonus, pyatspi.ROLE_PUSH_BUTTON, "Card 2"))
press(card)
pump(0.5)
press(wait_for("no monitor", 5, lambda: find(bonus, pyatspi.ROLE_PUSH_BUTTON, "Monitor.*")))
wait_for("Card 2 was not chosen", 5,
         lambda: find(bonus, pyatspi.ROLE_PUSH_BUTTON, r"Card 2, your card: [\d,]+"))
wait_for("the bonus game never ended", 60,
         lambda: find(app, pyatspi.ROLE_DIALOG, "Bingo Bonus Game") is None)
calls = [t for t in told if t.startswith("Call ")]
if not calls or not re.match(r"Call 1: [BINGO] \d+", calls[0]):
    fail(f"the calls were not told: {told}")
if "the bonus game pays" not in calls[-1]:
    fail(f"the bonus game's end was not told: {calls[-1:]}")
print(f"bonus game: {len(calls)} calls told, the last: {calls[-1]}")

wait_for("Spin never became sensitive", 20, lambda: sensitive(spin))
told.clear()
before = credits.queryValue().currentValue
press(spin)
result = wait_for("no spin result told", 20,
                  lambda: next((t for t in told if re.search("game paid|No win", t)), None))
bet = coins.queryValue().currentValue
print(f"credits {before:.0f}, spin told: {result}")
paid = re.search(r"game paid ([\d,]+)", result)
paid = int(paid.group(1).replace(",", "")) if paid else 0
if "bonus game" in result:
    print("the spin won a bonus game: played through Card 1")
    bonus = wait_for("no bonus game", 20,
                     lambda: find(app, pyatspi.ROLE_DIALOG, "Bingo Bonus Game"))
    press(wait_for("no Card 1", 5, lambda: find(bonus, pyatspi.ROLE_PUSH_BUTTON, "Card 1")))
    pump(0.5)
    press(find(bonus, pyatspi.ROLE_PUSH_BUTTON, "Monitor.*"))
    wait_for("the bonus game never ended", 60,
             lambda: find(app, pyatspi.ROLE_DIALOG, "Bingo Bonus Game") is None)
wait_for("Spin never became sensitive again", 20, lambda: sensitive(spin))
after = credits.queryValue().currentValue
print(f"credits after the spin: {after:.0f} (bet {bet:.0f}, paid {paid})")
if "bonus game" in result:
    if after < before - bet + paid:
        fail("the credits lost more than the bet")
elif after != before - bet + paid:
    fail(f"the credits went from {before} to {after} on a bet of {bet} paying {paid}")
if not credits.name.startswith("Credits: "):
    fail(f"the credits meter is named {credits.name}")


def dialog(title):
    return wait_for(f"no window {title}", 10, lambda: find(app, pyatspi.ROLE_DIALOG, title))


def closed(title):
    wait_for(f"{title} stayed open", 10, lambda: find(app, pyatspi.ROLE_DIALOG, title) is None)


before = credits.queryValue().currentValue
press(find(frame, pyatspi.ROLE_PUSH_BUTTON, "Insert Coins.*"))
borrowing = "Use this form to borrow or pay back credits"
press(wait_for("no 1,000 credits", 5,
               lambda: find(dialog(borrowing), pyatspi.ROLE_PUSH_BUTTON, "1,000 credits")))
pump(0.5)
press(find(dialog(borrowing), pyatspi.ROLE_PUSH_BUTTON, "OK"))
closed(borrowing)
wait_for("1,000 borrowed did not reach the credits", 5,
         lambda: credits.queryValue().currentValue == before + 1000)

file_menu = find(frame, pyatspi.ROLE_MENU_ITEM, "File")
press(find(file_menu, pyatspi.ROLE_MENU_ITEM, "Save Game"))
press(wait_for("no slot 1", 5,
               lambda: find(dialog("Save a Game.*"), pyatspi.ROLE_PUSH_BUTTON, "Save in slot 1")))
# The name is asked for, the slot's own proposed.
asking = wait_for("no name asked for", 10, lambda: pyatspi.findDescendant(
    app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_LABEL
    and o.name == "Name for this saved game?"))
press(find(asking.parent, pyatspi.ROLE_PUSH_BUTTON, "OK"))
closed("Save a Game.*")
print(f"borrowed 1,000: credits {before:.0f} to {credits.queryValue().currentValue:.0f}; saved in slot 1")

exit_item = find(file_menu, pyatspi.ROLE_MENU_ITEM, "Exit")
press(exit_item)
pump(0.5)
print("told:", " | ".join(told))
