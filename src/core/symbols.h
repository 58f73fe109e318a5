// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quillane {

// A symbol code is also the number of the symbol's cell in the symbol sheet.
using Symbol = std::uint8_t;

inline constexpr int kSymbolCount = 22;

namespace sym {
inline constexpr Symbol Wild = 0;
inline constexpr Symbol BallB = 5;
inline constexpr Symbol BallI = 6;
inline constexpr Symbol BallN = 7;
inline constexpr Symbol BallG = 8;
inline constexpr Symbol BallO = 9;
inline constexpr Symbol Card = 10;
inline constexpr Symbol Tickets = 11;
inline constexpr Symbol Cage = 12;
inline constexpr Symbol Ace = 13;
inline constexpr Symbol King = 14;
inline constexpr Symbol Queen = 15;
inline constexpr Symbol Jack = 16;
inline constexpr Symbol Ten = 17;
inline constexpr Symbol Doll = 18;
inline constexpr Symbol Elephant = 19;
inline constexpr Symbol Daubers = 20;
inline constexpr Symbol Bag = 21;
}  // namespace sym

// Cells 1 to 4 of the sheet hold the wild's animation frames; cell 0 is the wild at rest.
inline constexpr int kWildFrameCount = 5;

constexpr bool IsBall(Symbol s) {
    return s >= sym::BallB && s <= sym::BallO;
}

// The symbols a wild stands for: everything that pays on a line except the balls.
constexpr bool IsPayingSymbol(Symbol s) {
    return s >= sym::Card && s <= sym::Bag;
}

}  // namespace quillane
