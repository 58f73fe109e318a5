// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "core/bingo.h"
#include "core/session_state.h"

namespace quillane {

// The short sentences a screen reader is given for what the painted cabinet and bonus game
// show, numbers grouped as the meters group them.

// A spin's outcome from its score: "Line 3: three Elephants pays 120; 2 balls pay 18; game
// paid 138", with the bonus game when the balls won it; "No win" when nothing paid.
QString SpinReport(const SessionState& state, bool bonusTriggered);
// A bonus call and the patterns it completed: "Call 23: N 41; Four Corners on card 2 pays 50".
// `chosenCard` (0 to 4) is called "your card".
QString CallReport(const BingoGame::CallResult& call, int chosenCard);

}  // namespace quillane
