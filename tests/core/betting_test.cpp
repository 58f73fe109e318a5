// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/betting.h"
#include "core/count_up.h"
#include "core/spin_result.h"
#include "core/win_cursor.h"

namespace quillane {
namespace {

TEST(PlaceSpinBet, StakesTheLastBetAgainWhenTheCreditsCoverIt) {
    EXPECT_EQ(PlaceSpinBet(0, 9, 9, 9, 1).bet, 9);
    EXPECT_EQ(PlaceSpinBet(0, 9, 9, 9, 1).credits, 0) << "9 credits, last bet 9: nothing left";
    EXPECT_EQ(PlaceSpinBet(0, 45, 100, 3, 1).bet, 45) << "the last bet, not what the keys show";
}

TEST(PlaceSpinBet, FallsBackToWhatTheKeysShow) {
    const SpinStake stake = PlaceSpinBet(0, 90, 50, 9, 1);
    EXPECT_EQ(stake.bet, 9);
    EXPECT_EQ(stake.credits, 41);
    EXPECT_EQ(PlaceSpinBet(0, 0, 1000, 3, 5).bet, 15);
}

TEST(PlaceSpinBet, PlacesNothingWhenNeitherFits) {
    EXPECT_EQ(PlaceSpinBet(0, 0, 0, 9, 1).bet, 0);
    const SpinStake five = PlaceSpinBet(0, 0, 5, 9, 1);
    EXPECT_EQ(five.bet, 0);
    EXPECT_EQ(five.credits, 5) << "credits untouched";
    EXPECT_EQ(PlaceSpinBet(0, 9, -3, 1, 1).bet, 0);
}

TEST(PlaceSpinBet, KeepsABetAKeyPlaced) {
    const SpinStake placed = PlaceSpinBet(45, 9, 5, 9, 5);
    EXPECT_EQ(placed.bet, 45);
    EXPECT_EQ(placed.credits, 5) << "the key already took the credits";
}

TEST(CreditsKey, RefusesABetLargerThanTheCredits) {
    EXPECT_EQ(CreditsKeyRefusal(50, 9, 10), (Refusal{Refusal::Kind::CreditsKey, 90, 50, 0}));
    EXPECT_FALSE(CreditsKeyRefusal(50, 9, 5).has_value()) << "45 fits in 50";
    EXPECT_FALSE(CreditsKeyRefusal(90, 9, 10).has_value());
    EXPECT_EQ(CreditsKeyRefusal(-7, 1, 1), (Refusal{Refusal::Kind::CreditsKey, 1, -7, 0}));
}

TEST(BetKeys, MapToLinesAndCredits) {
    EXPECT_EQ((std::vector{LinesForKey(1), LinesForKey(2), LinesForKey(3), LinesForKey(4),
                           LinesForKey(5)}),
              (std::vector{1, 3, 5, 7, 9}));
    EXPECT_EQ((std::vector{CreditsForKey(6), CreditsForKey(7), CreditsForKey(8), CreditsForKey(9),
                           CreditsForKey(10)}),
              (std::vector{1, 2, 3, 5, 10}));
    EXPECT_TRUE(IsLinesKey(5));
    EXPECT_FALSE(IsLinesKey(6));
    EXPECT_TRUE(IsCreditsKey(10));
    EXPECT_FALSE(IsCreditsKey(11));
}

std::vector<std::int32_t> CountUp(std::int32_t win) {
    std::vector<std::int32_t> steps;
    while (win > 0) {
        const std::int32_t step = CountUpStep(win);
        steps.push_back(step);
        win -= step;
    }
    return steps;
}

TEST(CountUp, PaysBigWinsInBigSteps) {
    const std::vector<std::int32_t> steps = CountUp(1250);
    ASSERT_EQ(steps.size(), 77u);
    std::map<std::int32_t, int> sizes;
    for (std::int32_t s : steps)
        ++sizes[s];
    EXPECT_EQ(sizes,
              (std::map<std::int32_t, int>{{100, 3}, {50, 10}, {10, 36}, {5, 14}, {2, 6}, {1, 8}}));
    std::int32_t left = 1250;
    std::vector<std::int32_t> firstLeft;
    for (int i = 0; i < 4; ++i)
        firstLeft.push_back(left -= steps[static_cast<std::size_t>(i)]);
    EXPECT_EQ(firstLeft, (std::vector<std::int32_t>{1150, 1050, 950, 900}));
    EXPECT_EQ(CountUp(7), (std::vector<std::int32_t>(7, 1)));
    EXPECT_EQ(CountUp(1000).front(), 100);
    EXPECT_EQ(CountUp(999).front(), 50);
}

TEST(WinCursor, CyclesThroughTheWinningPaylines) {
    std::array<bool, kPaylineCount> won{};
    won[1] = won[6] = true;
    EXPECT_EQ(AdvanceWinCursor(2, won, 0), 7);
    EXPECT_EQ(AdvanceWinCursor(7, won, 0), 2) << "past 9 and the empty scatter back to 2";
}

TEST(WinCursor, VisitsTheScatterAfterPayline9) {
    std::array<bool, kPaylineCount> won{};
    won[0] = true;
    EXPECT_EQ(AdvanceWinCursor(1, won, 45), kScatterCursor);
    EXPECT_EQ(AdvanceWinCursor(kScatterCursor, won, 45), 1);
    EXPECT_EQ(AdvanceWinCursor(kScatterCursor, {}, 45), kScatterCursor) << "the scatter alone";
}

TEST(WinCursor, GivesUpWhenNothingWon) {
    EXPECT_EQ(AdvanceWinCursor(3, {}, 0), kNoWinCursor);
}

}  // namespace
}  // namespace quillane
