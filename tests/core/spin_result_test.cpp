// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/random.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"

namespace quillane {
namespace {

using namespace sym;

// Reels whose stop 1 shows the given window; the rest of each strip is tens.
ReelSymbols ShowingAtStopOne(const ReelWindow& window) {
    ReelSymbols reels{};
    for (std::size_t r = 0; r < kReelCount; ++r) {
        reels[r].fill(Ten);
        for (std::size_t row = 0; row < kRowCount; ++row)
            reels[r][row] = window[r][row];
    }
    return reels;
}

constexpr ReelStops kStopOne = {1, 1, 1, 1, 1};

TEST(ScoreSpin, BingoAcrossTheMiddlePaysTheLineAndTheScatter) {
    const ReelWindow window = {{{Ace, BallB, King},
                                {Jack, BallI, Queen},
                                {Card, BallN, Cage},
                                {Doll, BallG, Tickets},
                                {Jack, BallO, Queen}}};
    const SpinResult r = ScoreSpin(ShowingAtStopOne(window), kStopOne, 9, 1);
    EXPECT_EQ(r.window, window);
    EXPECT_EQ(r.lineWin[0], 5000);
    EXPECT_EQ(r.winLength[0], 5);
    EXPECT_TRUE(r.lineWon[0]);
    EXPECT_EQ(r.ballCount, 5);
    EXPECT_EQ(r.scatterWin, 900);
    EXPECT_EQ(r.winToPay, 5900);
    EXPECT_EQ(r.winCursor, kScatterCursor) << "the scatter is shown first";
    for (std::uint16_t reel = 0; reel < kReelCount; ++reel) {
        EXPECT_EQ(r.ballCells[reel], (BallCell{reel, 1}));
    }
}

TEST(ScoreSpin, ScatterPaysTimesTheTotalBet) {
    const ReelWindow window = {{{BallB, Jack, Queen},
                                {Ace, Ace, BallI},
                                {King, BallN, Cage},
                                {Card, Jack, Tickets},
                                {Jack, Card, Queen}}};
    const ReelSymbols reels = ShowingAtStopOne(window);
    const SpinResult small = ScoreSpin(reels, kStopOne, 1, 1);
    EXPECT_EQ(small.ballCount, 3);
    EXPECT_EQ(small.scatterWin, 5);
    EXPECT_EQ((std::array{small.ballCells[0], small.ballCells[1], small.ballCells[2]}),
              (std::array{BallCell{0, 0}, BallCell{1, 2}, BallCell{2, 1}}));
    EXPECT_EQ(ScoreSpin(reels, kStopOne, 9, 10).scatterWin, 450);

    const ReelWindow four = {{{Wild, Jack, Queen},
                              {BallI, Ace, Ace},
                              {BallN, King, Cage},
                              {BallG, Jack, Tickets},
                              {BallO, Card, Queen}}};
    const SpinResult wildAndBalls = ScoreSpin(ShowingAtStopOne(four), kStopOne, 9, 1);
    EXPECT_EQ(wildAndBalls.lineWin[1], 2) << "the wild does not stand for the B ball";
    EXPECT_EQ(wildAndBalls.scatterWin, 25 * 9);
}

TEST(ScoreSpin, UnplayedPaylinesKeepTheirLengthButPayNothing) {
    // Dolls on payline 4 (top, middle, bottom, middle, top) while 3 lines are played.
    const ReelWindow window = {{{Doll, Jack, Queen},
                                {Ace, Doll, Ace},
                                {King, Jack, Doll},
                                {Card, Ace, Tickets},
                                {Jack, Card, Queen}}};
    const SpinResult r = ScoreSpin(ShowingAtStopOne(window), kStopOne, 3, 2);
    EXPECT_EQ(r.lineWin[3], 0);
    EXPECT_EQ(r.winLength[3], 3);
    EXPECT_FALSE(r.lineWon[3]);
    EXPECT_EQ(r.lineWin[1], 2) << "payline 2 starts on the top doll and pays 1 per credit";
    EXPECT_EQ(r.winToPay, 2);
    EXPECT_EQ(r.winCursor, 2);

    const SpinResult all = ScoreSpin(ShowingAtStopOne(window), kStopOne, 9, 2);
    EXPECT_EQ(all.lineWin[3], 240);
    EXPECT_TRUE(all.lineWon[3]);
}

TEST(ScoreSpin, NothingToShowWithoutAWin) {
    const ReelWindow window = {{{Ace, Jack, Queen},
                                {King, Ace, Ten},
                                {Card, Cage, Jack},
                                {Card, Ace, Tickets},
                                {Jack, Card, Queen}}};
    const SpinResult r = ScoreSpin(ShowingAtStopOne(window), kStopOne, 9, 10);
    EXPECT_EQ(r.winToPay, 0);
    EXPECT_EQ(r.winCursor, kNoWinCursor);
    EXPECT_EQ(r.ballCount, 0);
}

TEST(ScoreSpin, FastScorerAgreesWithTheTableOnTheRealReels) {
    const ReelSymbols reels = DecodeStrips();
    const SpinScorer scorer(reels);
    RandomGenerator random(99);
    SpinResult fast;
    for (int spin = 0; spin < 20000; ++spin) {
        const ReelStops stops = DrawSpin(random, kMotionStripDesignHeight).stops;
        const int lines = 1 + 2 * (spin % 5);
        const int credits = std::array{1, 2, 3, 5, 10}[static_cast<std::size_t>(spin / 5 % 5)];
        scorer.Score(stops, lines, credits, fast);
        const ReelWindow window = FormWindow(reels, stops);
        ASSERT_EQ(fast.window, window);
        std::int32_t total = 0;
        int cursor = kNoWinCursor;
        for (int n = 1; n <= kPaylineCount; ++n) {
            const auto i = static_cast<std::size_t>(n - 1);
            const LinePay pay = MatchPayline(ReadPayline(window, n));
            const std::int32_t win = n <= lines ? pay.pays * credits : 0;
            ASSERT_EQ(fast.lineWin[i], win);
            ASSERT_EQ(fast.winLength[i], pay.length);
            ASSERT_EQ(fast.lineWon[i], win > 0);
            if (win > 0 && cursor < 0)
                cursor = n;
            total += win;
        }
        int balls = 0;
        for (const auto& column : window)
            for (Symbol s : column)
                balls += IsBall(s);
        ASSERT_EQ(fast.ballCount, balls);
        ASSERT_EQ(fast.scatterWin, kScatterPays[static_cast<std::size_t>(balls)] * lines * credits);
        ASSERT_EQ(fast.winToPay, total + fast.scatterWin);
        ASSERT_EQ(fast.winCursor, fast.scatterWin > 0 ? kScatterCursor : cursor);
    }
}

TEST(SpinScorer, RefusesReelsThatShowTwoBalls) {
    ReelSymbols reels = DecodeStrips();
    reels[2][5] = BallN;
    reels[2][6] = BallN;
    EXPECT_THROW(SpinScorer{reels}, std::invalid_argument);
}

}  // namespace
}  // namespace quillane
