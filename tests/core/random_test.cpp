// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/random.h"

namespace quillane {
namespace {

TEST(RandomGenerator, FollowsTheLinearCongruentialSequence) {
    RandomGenerator random(12345);
    EXPECT_EQ(random.Draw(100), 38u);
    EXPECT_EQ(random.Draw(100), 28u);
    EXPECT_EQ(random.Draw(100), 7u);
    EXPECT_EQ(random.Draw(100), 55u);
    EXPECT_EQ(random.Draw(100), 63u);
    EXPECT_EQ(random.seed(), 2721613530u);
}

TEST(RandomGenerator, DrawsStayInRangeAtTheSeedsExtremes) {
    for (std::uint32_t seed : {0u, 1u, 0x7fffffffu, 0xffffffffu}) {
        RandomGenerator random(seed);
        for (int i = 0; i < 1000; ++i)
            ASSERT_LT(random.Draw(30), 30u);
        RandomGenerator one(seed);
        EXPECT_EQ(one.Draw(1), 0u);
    }
    RandomGenerator top(0xffffffffu);
    top.Draw(0xffffffffu);
    EXPECT_EQ(top.seed(), 0xffffffffu * RandomGenerator::kMultiplier + 1u);
}

TEST(RandomGenerator, TimeOfDaySeedCountsMillisecondsSinceMidnight) {
    EXPECT_EQ(TimeOfDaySeed(0, 0, 0, 0), 0u);
    EXPECT_EQ(TimeOfDaySeed(0, 0, 1, 5), 1005u);
    EXPECT_EQ(TimeOfDaySeed(13, 7, 42, 250), ((13u * 60 + 7) * 60 + 42) * 1000 + 250);
    EXPECT_EQ(TimeOfDaySeed(23, 59, 59, 999), 86399999u);
}

}  // namespace
}  // namespace quillane
