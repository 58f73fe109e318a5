// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "core/bingo.h"
#include "core/symbols.h"

namespace quillane {

// What the player reads a symbol called when it is read out or listed: "Elephant", "B ball".
QString SymbolText(Symbol s);
// The symbol's name for more than one: "Elephants", "Tickets".
QString SymbolPluralText(Symbol s);
// A bingo pattern as the bonus window labels it: "Four Corners", "Blackout Bonus".
QString PatternText(Pattern p);
// A bonus card's colour: "Blue", "Red", "White", "Green", "Yellow"; "Unknown" for no card.
QString CardColourText(int card);

}  // namespace quillane
