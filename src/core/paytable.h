// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "core/paylines.h"

namespace quillane {

enum class Combination : std::uint8_t {
    Wilds,       // reels 1 to count show the wild
    BingoBalls,  // B, I, N, G, O on reels 1 to 5, no wild
    SymbolRun,   // reels 1 to count show the symbol or the wild
};

struct PayRow {
    Combination combination;
    Symbol symbol;  // for SymbolRun
    int count;      // reels from reel 1; also the win length
    int pays;       // times the credits per line
};

// In order of precedence: a payline pays the first row it matches.
inline constexpr std::array<PayRow, 49> kPayTable = {{
    {Combination::Wilds, sym::Wild, 5, 2500},
    {Combination::BingoBalls, sym::BallB, 5, 5000},
    {Combination::SymbolRun, sym::Doll, 5, 2500},
    {Combination::SymbolRun, sym::Elephant, 5, 2500},
    {Combination::Wilds, sym::Wild, 4, 2000},
    {Combination::SymbolRun, sym::Daubers, 5, 1000},
    {Combination::SymbolRun, sym::Bag, 5, 1000},
    {Combination::SymbolRun, sym::Card, 5, 500},
    {Combination::SymbolRun, sym::Doll, 4, 500},
    {Combination::SymbolRun, sym::Elephant, 4, 500},
    {Combination::Wilds, sym::Wild, 3, 300},
    {Combination::SymbolRun, sym::Daubers, 4, 250},
    {Combination::SymbolRun, sym::Bag, 4, 250},
    {Combination::SymbolRun, sym::Tickets, 5, 200},
    {Combination::SymbolRun, sym::Cage, 5, 200},
    {Combination::SymbolRun, sym::Ace, 5, 150},
    {Combination::SymbolRun, sym::King, 5, 150},
    {Combination::SymbolRun, sym::Queen, 5, 120},
    {Combination::SymbolRun, sym::Doll, 3, 120},
    {Combination::SymbolRun, sym::Elephant, 3, 120},
    {Combination::SymbolRun, sym::Jack, 5, 100},
    {Combination::SymbolRun, sym::Ten, 5, 100},
    {Combination::SymbolRun, sym::Daubers, 3, 100},
    {Combination::SymbolRun, sym::Bag, 3, 100},
    {Combination::SymbolRun, sym::Card, 4, 75},
    {Combination::SymbolRun, sym::Tickets, 4, 50},
    {Combination::SymbolRun, sym::Cage, 4, 50},
    {Combination::SymbolRun, sym::Ace, 4, 40},
    {Combination::SymbolRun, sym::King, 4, 40},
    {Combination::SymbolRun, sym::Card, 3, 40},
    {Combination::Wilds, sym::Wild, 2, 25},
    {Combination::SymbolRun, sym::Queen, 4, 20},
    {Combination::SymbolRun, sym::Jack, 4, 20},
    {Combination::SymbolRun, sym::Ten, 4, 20},
    {Combination::SymbolRun, sym::Tickets, 3, 10},
    {Combination::SymbolRun, sym::Cage, 3, 10},
    {Combination::SymbolRun, sym::Ace, 3, 10},
    {Combination::SymbolRun, sym::King, 3, 10},
    {Combination::SymbolRun, sym::Queen, 3, 5},
    {Combination::SymbolRun, sym::Jack, 3, 5},
    {Combination::SymbolRun, sym::Ten, 3, 5},
    {Combination::SymbolRun, sym::Doll, 2, 5},
    {Combination::SymbolRun, sym::Elephant, 2, 5},
    {Combination::SymbolRun, sym::Daubers, 2, 5},
    {Combination::SymbolRun, sym::Bag, 2, 5},
    {Combination::Wilds, sym::Wild, 1, 2},
    {Combination::SymbolRun, sym::Queen, 2, 2},
    {Combination::SymbolRun, sym::Doll, 1, 1},
    {Combination::SymbolRun, sym::Elephant, 1, 1},
}};

struct LinePay {
    int pays = 0;    // times the credits per line
    int length = 0;  // reels of the paying combination, 0 when nothing pays

    bool operator==(const LinePay&) const = default;
};

// Whether reel `reel` (0-based) showing `s` keeps the row's combination alive.
bool RowAcceptsAt(const PayRow& row, int reel, Symbol s);
bool RowMatches(const PayRow& row, const LineSymbols& line);

// Walks the table row by row; the plain statement of the rule.
LinePay MatchPayline(const LineSymbols& line);

// What the payoff chart shows: the pay for `count` of `s` from reel 1 (wilds only for the
// wild), 0 where the table has no such row.
int PayFor(Symbol s, int count);

// Scatter pay by ball count, times the total bet.
inline constexpr std::array<int, kReelCount + 1> kScatterPays = {0, 0, 0, 5, 25, 100};
inline constexpr int kBonusBallCount = 3;

}  // namespace quillane
