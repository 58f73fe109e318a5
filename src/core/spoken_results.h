// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/bingo.h"
#include "core/session_state.h"

namespace quillane {

// The short sentences a screen reader is given for what the painted cabinet and bonus game
// show; numbers are grouped with `separator`.

// A spin's outcome from its score: "Line 3: three Elephants pays 120; 2 balls pay 18; game
// paid 138", with the bonus game when the balls won it; "No win" when nothing paid.
std::string SpinReport(const SessionState& state, bool bonusTriggered, std::string_view separator);
// A bonus call and the patterns it completed: "Call 23: N 41; Four Corners on card 2 pays 50".
// `chosenCard` (0 to 4) is called "your card".
std::string CallReport(const BingoGame::CallResult& call, int chosenCard,
                       std::string_view separator);

}  // namespace quillane
