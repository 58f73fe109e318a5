// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/seed_jump.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(SeedJump, JumpsLandWhereTheDrawsInBetweenLeaveTheGenerator) {
    constexpr auto table = SeedJumps<80>();
    for (std::uint32_t seed : {0u, 1u, 123456789u, 0xffffffffu}) {
        RandomGenerator random(seed);
        for (std::uint64_t k = 0; k <= 200'000; ++k) {
            if (k < table.size()) {
                ASSERT_EQ(table[k].From(seed), random.seed()) << k;
            }
            if (k % 997 == 0 || k == 112'950) {
                ASSERT_EQ(JumpOver(k).From(seed), random.seed()) << k;
            }
            random.Draw(2);
        }
    }
}

// Counts too long to draw through: a jump over a + b is the jump over a, then over b.
TEST(SeedJump, LongJumpsComposeFromShorterOnes) {
    const std::uint64_t a = (std::uint64_t{1} << 40) + 12345;
    const std::uint64_t b = 999'999'999'989;
    for (std::uint32_t seed : {7u, 0x80000000u}) {
        EXPECT_EQ(JumpOver(a + b).From(seed), JumpOver(b).From(JumpOver(a).From(seed)));
        EXPECT_EQ(JumpOver(a).Then(JumpOver(b)).From(seed), JumpOver(a + b).From(seed));
    }
    EXPECT_EQ(JumpOver(0).From(42u), 42u);
}

TEST(SeedJump, SeedBeforeUndoesADraw) {
    for (std::uint32_t seed : {0u, 1u, 2u, 86399999u, 0xfffffffeu, 0xffffffffu}) {
        RandomGenerator random(seed);
        random.Draw(75);
        EXPECT_EQ(SeedBefore(random.seed()), seed);
    }
}

}  // namespace
}  // namespace quillane
