// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "core/bingo.h"

namespace quillane {
namespace {

// Whatever order the cells are marked in, a pattern is first held after its completing call.
TEST(BingoCompletingCall, IsTheFirstCallAfterWhichTheCardHasThePattern) {
    std::mt19937 shuffle(7);
    CellCalls calls;
    std::iota(calls.begin(), calls.end(), 1);
    for (int round = 0; round < 2000; ++round) {
        std::shuffle(calls.begin(), calls.end(), shuffle);
        for (const PatternInfo& info : kPatterns) {
            std::uint32_t marks = 0;
            int first = 0;
            for (int call = 1; first == 0; ++call) {
                for (int cell = 0; cell < kCardCells; ++cell)
                    marks |=
                        static_cast<std::uint32_t>(calls[static_cast<std::size_t>(cell)] == call)
                        << cell;
                if (HasPattern(marks, info.pattern))
                    first = call;
            }
            ASSERT_EQ(CompletingCall(calls, info.pattern), first) << info.chartName;
        }
    }
}

void ExpectSameGame(const BingoGame& a, const BingoGame& b, std::uint32_t seed) {
    ASSERT_EQ(a.callsMade(), b.callsMade()) << "seed " << seed;
    ASSERT_EQ(a.jackpot(), b.jackpot()) << "seed " << seed;
    for (int c = 0; c < kCardCount; ++c) {
        ASSERT_EQ(a.total(c), b.total(c)) << "seed " << seed << ", card " << c;
        ASSERT_EQ(a.card(c).marked, b.card(c).marked) << "seed " << seed << ", card " << c;
    }
    for (const PatternInfo& info : kPatterns)
        ASSERT_EQ(a.Won(info.pattern), b.Won(info.pattern)) << "seed " << seed << info.chartName;
    for (int n = 1; n <= kBingoNumbers; ++n)
        ASSERT_EQ(a.Called(n), b.Called(n)) << "seed " << seed << ", number " << n;
}

// PlayOut finishes a game, fresh or under way, in the very state the remaining calls leave.
TEST(BingoPlayOut, EndsTheGameAsTheCallsWould) {
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        RandomGenerator random(seed * 2654435761u + 17u);
        BingoGame called(random, 1 + static_cast<int>(seed % 90));
        for (std::uint32_t i = 0; i < seed % 40; ++i)
            called.Call();
        BingoGame played = called;
        played.PlayOut();
        while (!called.Over())
            called.Call();
        ExpectSameGame(played, called, seed);
    }
}

}  // namespace
}  // namespace quillane
