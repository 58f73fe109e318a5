// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/reels.h"
#include "core/spin_draw.h"

namespace quillane {
namespace {

TEST(Strips, DecodeLettersToSymbolCodes) {
    EXPECT_EQ(SymbolFromLetter('0'), sym::Wild);
    EXPECT_EQ(SymbolFromLetter('5'), sym::BallB);
    EXPECT_EQ(SymbolFromLetter('9'), sym::BallO);
    EXPECT_EQ(SymbolFromLetter('A'), sym::Card);
    EXPECT_EQ(SymbolFromLetter('K'), sym::Daubers);
    EXPECT_EQ(SymbolFromLetter('L'), sym::Bag);
    EXPECT_EQ(SymbolFromLetter('V'), sym::Bag);
    const ReelSymbols reels = DecodeStrips();
    EXPECT_EQ(reels[3][14], sym::Bag) << "reel 4 position 15 holds V";
    EXPECT_EQ(reels[3][24], sym::Bag) << "reel 4 position 25 holds V";
}

TEST(Strips, HoldTheListedNumberOfEachSymbol) {
    // Rows: wild, own ball, card, tickets, cage, ace, king, queen, jack, ten, doll, elephant,
    // daubers, bag; columns: reels 1 to 5.
    const int expected[14][5] = {{1, 1, 1, 2, 2}, {2, 2, 2, 2, 2}, {2, 2, 2, 2, 2}, {2, 2, 2, 1, 2},
                                 {2, 3, 3, 2, 1}, {3, 2, 2, 2, 3}, {3, 2, 2, 3, 3}, {2, 3, 3, 3, 3},
                                 {3, 3, 3, 2, 3}, {3, 3, 3, 3, 3}, {1, 2, 1, 2, 1}, {2, 1, 2, 1, 2},
                                 {2, 2, 2, 2, 1}, {2, 2, 2, 3, 2}};
    const ReelSymbols reels = DecodeStrips();
    for (int r = 0; r < kReelCount; ++r) {
        std::map<Symbol, int> counts;
        for (Symbol s : reels[static_cast<std::size_t>(r)])
            ++counts[s];
        EXPECT_EQ(counts[sym::Wild], expected[0][r]) << "reel " << r + 1;
        EXPECT_EQ(counts[static_cast<Symbol>(sym::BallB + r)], expected[1][r]) << "reel " << r + 1;
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(counts[static_cast<Symbol>(sym::Card + k)], expected[k + 2][r])
                << "reel " << r + 1 << " symbol " << sym::Card + k;
        }
        int balls = 0;
        for (Symbol s = sym::BallB; s <= sym::BallO; ++s)
            balls += counts[s];
        EXPECT_EQ(balls, 2) << "only its own ball appears on reel " << r + 1;
    }
}

TEST(Strips, NoStopShowsTwoWildsOrTwoBalls) {
    const ReelSymbols reels = DecodeStrips();
    for (int r = 0; r < kReelCount; ++r) {
        for (int stop = 1; stop <= kStripLength; ++stop) {
            int wilds = 0;
            int balls = 0;
            for (int row = 0; row < kRowCount; ++row) {
                const Symbol s = SymbolInRow(reels[static_cast<std::size_t>(r)], stop, row);
                wilds += s == sym::Wild;
                balls += IsBall(s);
            }
            EXPECT_LE(wilds, 1) << "reel " << r + 1 << " stop " << stop;
            EXPECT_LE(balls, 1) << "reel " << r + 1 << " stop " << stop;
        }
    }
}

TEST(Window, ReadsThreePositionsRoundTheStrip) {
    const ReelSymbols reels = DecodeStrips();
    const ReelWindow start = FormWindow(reels, kStartStops);
    EXPECT_EQ(start[0], (std::array<Symbol, 3>{sym::King, sym::BallB, sym::Ten}));
    EXPECT_EQ(start[1], (std::array<Symbol, 3>{sym::Elephant, sym::BallI, sym::Cage}))
        << "reel 2 at stop 30 wraps to positions 1 and 2";

    const ReelWindow late = FormWindow(reels, {29, 29, 29, 29, 29});
    for (std::size_t r = 0; r < kReelCount; ++r) {
        EXPECT_EQ(late[r][0], reels[r][28]);
        EXPECT_EQ(late[r][1], reels[r][29]);
        EXPECT_EQ(late[r][2], reels[r][0]) << "stop 29 shows positions 29, 30, 1";
    }
}

TEST(SpinDraw, TakesTenDrawsAlternatingMotionAndStop) {
    RandomGenerator random(1);
    const SpinDraw draw = DrawSpin(random, kMotionStripDesignHeight);
    EXPECT_EQ(draw.motionOffsets, (std::array<int, 5>{28, 184, 612, 147, 388}));
    EXPECT_EQ(draw.stops, (ReelStops{26, 9, 10, 12, 3}));
    EXPECT_EQ(random.seed(), 352239543u) << "exactly ten draws";

    RandomGenerator again(1);
    EXPECT_EQ(DrawSpin(again, kMotionStripDesignHeight).stops, draw.stops);
    EXPECT_EQ(DrawSpin(again, kMotionStripDesignHeight).stops,
              DrawSpin(random, kMotionStripDesignHeight).stops);
}

TEST(SpinDraw, StopsStayOnTheStripForEveryMotionHeight) {
    for (int height : {1, 912, 1167, 1824}) {
        RandomGenerator random(7);
        for (int spin = 0; spin < 2000; ++spin) {
            const SpinDraw draw = DrawSpin(random, height);
            for (std::size_t r = 0; r < kReelCount; ++r) {
                ASSERT_GE(draw.stops[r], 1);
                ASSERT_LE(draw.stops[r], kStripLength);
                ASSERT_GE(draw.motionOffsets[r], 0);
                ASSERT_LT(draw.motionOffsets[r], height);
            }
        }
    }
}

}  // namespace
}  // namespace quillane
