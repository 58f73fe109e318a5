// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/bingo.h"
#include "core/bingo_deal.h"
#include "core/seed_jump.h"

namespace quillane {

// The rows of the cards' columns, each the first five entries of its column shuffled in passes.
// Followed back through a column's swaps, last first, position `row` ends on the entry that lands
// there: a swap of j and p sends whatever is at either to the other. The 25 columns go side by
// side, a byte lane each, their seeds stepped backwards, so every loop works on whole vectors and
// no list is kept. Defined here so that the deal's loops take it in whole.
class BingoColumns {
  public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 5;
    static constexpr int kDraws = kCardShufflePasses * kColumnNumbers;  // in each column

    explicit BingoColumns(std::uint32_t seed) {
        constexpr SeedJump kColumn = JumpOver(kDraws);
        seeds_[0] = kColumn.From(seed);
        for (std::size_t lane = 1; lane < kLanes; ++lane)
            seeds_[lane] = kColumn.From(seeds_[lane - 1]);
        for (std::size_t row = 0; row < at_.size(); ++row)
            at_[row].fill(static_cast<std::uint8_t>(row));
    }

    bool Done() const { return left_ == 0; }

    // Follows every column back over one more draw.
    void Step() {
        --left_;
        const auto swapped = static_cast<std::uint8_t>(left_ % kColumnNumbers);
        Lanes drawn;
        Lanes toggle;  // xored onto j or onto the drawn position, it gives the other
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            drawn[lane] = FifteenthOf(seeds_[lane]);
            toggle[lane] = swapped ^ drawn[lane];
            seeds_[lane] = SeedBefore(seeds_[lane]);
        }
        for (Lanes& positions : at_) {
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                const std::uint8_t x = positions[lane];
                const auto hit = static_cast<std::uint8_t>((x == swapped) | (x == drawn[lane]));
                positions[lane] = x ^ (toggle[lane] & static_cast<std::uint8_t>(-hit));
            }
        }
    }

    // Once done: the cards' numbers.
    void Deal(BingoDeal& deal) const {
        for (std::size_t card = 0; card < kCardCount; ++card) {
            for (std::size_t column = 0; column < kColumns; ++column) {
                for (std::size_t row = 0; row < kRows; ++row) {
                    const int entry = at_[row][card * kColumns + column];
                    deal.cards[card][column * kRows + row] = static_cast<std::uint16_t>(
                        entry + 1 + kColumnNumbers * static_cast<int>(column));
                }
            }
        }
    }

  private:
    // One byte lane per column: 25 of them, padded to whole vectors.
    static constexpr std::size_t kLanes = 32;
    static_assert(kLanes >= kCardCount * kColumns);
    using Lanes = std::array<std::uint8_t, kLanes>;

    // Draw(15) from the seed it leaves: 15 s = 16 s - s, so the top four bits of s, less one when
    // the subtraction borrows. Kept in 32 bits, eight lanes fit where four 64-bit products would.
    static std::uint8_t FifteenthOf(std::uint32_t seed) {
        const std::uint32_t low = seed << 4;
        return static_cast<std::uint8_t>((seed >> 28) - (low < seed ? 1u : 0u));
    }

    std::array<std::uint32_t, kLanes> seeds_;  // each lane's seed after the draw to follow next
    std::array<Lanes, kRows> at_;              // at_[row][lane]: the position followed so far
    int left_ = kDraws;
};

}  // namespace quillane
