// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <array>

#include "core/betting.h"
#include "core/bingo.h"
#include "core/exact_return.h"

// Figures pinned from the game as it plays today: any change to them changes what players see.
namespace quillane {
namespace {

TEST(Golden, BonusGameDealtFromSeedOne) {
    constexpr std::array<std::array<int, kCardCells>, kCardCount> kCards = {{
        {9,  7,  15, 12, 11, 21, 20, 25, 24, 23, 45, 38, 42,
         34, 36, 58, 59, 50, 57, 48, 63, 71, 68, 70, 72},
        {7,  10, 5,  14, 13, 21, 26, 27, 17, 19, 38, 43, 36,
         32, 37, 51, 48, 47, 50, 55, 66, 65, 69, 64, 75},
        {12, 4,  13, 7,  5,  26, 27, 25, 18, 30, 31, 42, 37,
         35, 33, 48, 49, 55, 53, 57, 65, 72, 70, 62, 61},
        {8,  9,  10, 13, 15, 24, 26, 30, 27, 18, 33, 40, 36,
         43, 45, 52, 60, 59, 55, 49, 69, 74, 61, 68, 72},
        {14, 13, 9,  11, 12, 18, 29, 24, 16, 26, 32, 42, 45,
         31, 39, 52, 48, 59, 51, 54, 71, 69, 73, 70, 74},
    }};
    constexpr std::array<int, 10> kFirstCalls = {64, 54, 71, 9, 45, 51, 31, 73, 66, 16};

    RandomGenerator random(1);
    BingoGame game(random, 9);
    for (int c = 0; c < kCardCount; ++c) {
        for (int cell = 0; cell < kCardCells; ++cell) {
            EXPECT_EQ(game.card(c).numbers[static_cast<std::size_t>(cell)],
                      kCards[static_cast<std::size_t>(c)][static_cast<std::size_t>(cell)])
                << "card " << c << " cell " << cell;
        }
    }
    for (int call = 1; call <= 10; ++call)
        EXPECT_EQ(game.Call().number, kFirstCalls[static_cast<std::size_t>(call - 1)]) << call;
}

// To the digits the simulator prints with --exact.
TEST(Golden, ExactReturnOfNineLines) {
    const ExactReturn exact = ComputeExactReturn(DecodeStrips(), 9);
    EXPECT_NEAR(exact.lineReturn, 0.97830864, 0.5e-8);
    EXPECT_NEAR(exact.scatterReturn, 0.448, 0.5e-8);
    EXPECT_NEAR(100 * exact.Rtp(), 142.6309, 0.5e-4);
    EXPECT_NEAR(100 * exact.lineHitRate, 50.4010, 0.5e-4);
    EXPECT_NEAR(100 * exact.hitRate, 54.2255, 0.5e-4);
    EXPECT_NEAR(100 * exact.bonusTriggerRate, 5.7920, 0.5e-4);
}

// The keys show 9 lines at 1 credit, but the last spin staked 18.
TEST(Golden, LastBetRestakedOnlyWhileTheCreditsCoverIt) {
    const SpinStake covered = PlaceSpinBet(0, 18, 18, 9, 1);
    EXPECT_EQ(covered.bet, 18);
    EXPECT_EQ(covered.credits, 0);
    const SpinStake shortOfIt = PlaceSpinBet(0, 18, 17, 9, 1);
    EXPECT_EQ(shortOfIt.bet, 9);
    EXPECT_EQ(shortOfIt.credits, 8);
}

}  // namespace
}  // namespace quillane
