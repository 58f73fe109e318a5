// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <utility>

#include "core/bingo.h"
#include "core/bingo_deal.h"
#include "core/seed_jump.h"

namespace quillane {

// Each draw's jump from the seed a pass over the calls starts with, as two columns so that the
// products vectorise.
struct CallPassJumps {
    std::array<std::uint32_t, kBingoNumbers> multiplier{};
    std::array<std::uint32_t, kBingoNumbers> increment{};

    static constexpr CallPassJumps Make() {
        constexpr auto jumps = SeedJumps<kBingoNumbers>();
        CallPassJumps pass;
        for (std::size_t j = 0; j < pass.multiplier.size(); ++j) {
            pass.multiplier[j] = jumps[j + 1].multiplier;
            pass.increment[j] = jumps[j + 1].increment;
        }
        return pass;
    }
};

// The call sequence, shuffled in 1001 passes over the 75 numbers. A pass moves entries by
// position alone, so runs of passes made on the positions 0 to 74, each from its own seed, chain
// into the whole shuffle. The runs' swaps interleave, and a swap seldom waits for the one before
// it to reach memory. Defined here so that the deal's loops take it in whole.
class BingoCallRuns {
  public:
    static constexpr int kRuns = 7;
    static constexpr int kPasses = kCallShufflePasses / kRuns;  // in each run
    static_assert(kRuns * kPasses == kCallShufflePasses);

    explicit BingoCallRuns(std::uint32_t seed) {
        constexpr SeedJump kRun = JumpOver(std::uint64_t{kPasses} * kBingoNumbers);
        for (std::size_t k = 0; k < kRuns; ++k) {
            std::iota(runs_[k].begin(), runs_[k].end(), 0);
            seeds_[k] = k == 0 ? seed : kRun.From(seeds_[k - 1]);
        }
    }

    // Draws the next pass of every run.
    void Draw() {
        static constexpr CallPassJumps kJumps = CallPassJumps::Make();
        constexpr SeedJump kPass = JumpOver(kBingoNumbers);
        for (std::size_t k = 0; k < kRuns; ++k) {
            const std::uint32_t start = seeds_[k];
            for (std::size_t j = 0; j < kBingoNumbers; ++j) {
                const auto seed =
                    static_cast<std::uint32_t>(std::uint64_t{kJumps.multiplier[j]} * start) +
                    kJumps.increment[j];
                scaled_[k][j] = std::uint64_t{seed} * kBingoNumbers;
            }
            seeds_[k] = kPass.From(start);
        }
    }

    // Makes swap j of the pass drawn in every run.
    void Swap(std::size_t j) {
        for (std::size_t k = 0; k < kRuns; ++k) {
            // A draw below 75 fits a byte, which the swap loads on its own.
            const auto drawn = static_cast<std::uint8_t>(scaled_[k][j] >> 32);
            std::swap(runs_[k][j], runs_[k][drawn]);
        }
    }

    // Once every pass is made: the call sequence.
    void Deal(BingoDeal& deal) const {
        Positions order = runs_[0];
        for (std::size_t k = 1; k < kRuns; ++k) {
            Positions next;
            for (std::size_t i = 0; i < next.size(); ++i)
                next[i] = order[runs_[k][i]];
            order = next;
        }
        for (std::size_t i = 0; i < order.size(); ++i)
            deal.sequence[i] = static_cast<std::uint16_t>(order[i] + 1);
    }

  private:
    using Positions = std::array<std::uint8_t, kBingoNumbers>;

    std::array<Positions, kRuns> runs_;
    std::array<std::uint32_t, kRuns> seeds_;  // where each run's next pass starts
    // Draw(75) of the pass drawn: the top half of 75 times the drawn seed.
    std::array<std::array<std::uint64_t, kBingoNumbers>, kRuns> scaled_;
};

}  // namespace quillane
