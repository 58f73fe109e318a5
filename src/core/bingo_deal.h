// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "core/bingo.h"
#include "core/random.h"

namespace quillane {

// A bonus game's deal always takes the same number of draws, one a swap: 101 passes over each
// column of each card, then 1001 passes over the 75 calls.
inline constexpr std::uint64_t kBingoDealDraws =
    std::uint64_t{kCardCount} * 5 * kCardShufflePasses * kColumnNumbers +
    std::uint64_t{kCallShufflePasses} * kBingoNumbers;

struct BingoDeal {
    std::array<std::array<std::uint16_t, kCardCells>, kCardCount> cards{};  // column-major
    std::array<std::uint16_t, kBingoNumbers> sequence{};                    // the calls in order
};

// Deals the five cards column by column, then the call sequence. Each is shuffled in passes where
// swap j exchanges entry j with the entry at random.Draw(N); a column's rows are its first five
// entries. The result and the generator's final seed are exactly those of making the swaps one
// after another, but the shuffles are worked out side by side and take a fraction of the time.
BingoDeal DealBingo(RandomGenerator& random);

}  // namespace quillane
