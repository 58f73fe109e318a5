// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/exact_return.h"
#include "core/paytable.h"
#include "core/spin_result.h"

namespace quillane {
namespace {

struct Tally {
    std::uint64_t linePay = 0;
    std::uint64_t scatterPay = 0;
    std::uint64_t lineHits = 0;
    std::uint64_t hits = 0;
    std::uint64_t triggers = 0;
};

// Every stop combination, one by one.
Tally Enumerate(const ReelSymbols& reels, int lines) {
    const SpinScorer scorer(reels);
    Tally tally;
    SpinResult r;
    ReelStops s{};
    for (s[0] = 1; s[0] <= kStripLength; ++s[0])
        for (s[1] = 1; s[1] <= kStripLength; ++s[1])
            for (s[2] = 1; s[2] <= kStripLength; ++s[2])
                for (s[3] = 1; s[3] <= kStripLength; ++s[3])
                    for (s[4] = 1; s[4] <= kStripLength; ++s[4]) {
                        scorer.Score(s, lines, 1, r);
                        const std::int32_t line = r.winToPay - r.scatterWin;
                        tally.linePay += static_cast<std::uint64_t>(line);
                        tally.scatterPay += static_cast<std::uint64_t>(
                            kScatterPays[static_cast<std::size_t>(r.ballCount)]);
                        tally.lineHits += line > 0;
                        tally.hits += r.winToPay > 0;
                        tally.triggers += r.ballCount >= kBonusBallCount;
                    }
    return tally;
}

TEST(ExactReturn, AgreesWithVisitingEveryCombination) {
    const ReelSymbols reels = DecodeStrips();
    for (int lines : {9, 3}) {
        const ExactReturn exact = ComputeExactReturn(reels, lines);
        const Tally tally = Enumerate(reels, lines);
        const double n = 24300000.0;
        ASSERT_EQ(exact.combinations, 24300000u);
        EXPECT_DOUBLE_EQ(exact.lineReturn * lines, static_cast<double>(tally.linePay) / n) << lines;
        EXPECT_DOUBLE_EQ(exact.scatterReturn, static_cast<double>(tally.scatterPay) / n);
        EXPECT_DOUBLE_EQ(exact.lineHitRate, static_cast<double>(tally.lineHits) / n) << lines;
        EXPECT_DOUBLE_EQ(exact.hitRate, static_cast<double>(tally.hits) / n) << lines;
        EXPECT_DOUBLE_EQ(exact.bonusTriggerRate, static_cast<double>(tally.triggers) / n);
    }
}

TEST(ExactReturn, ScatterFollowsFromOneBallInFiveStopsPerReel) {
    // Each reel shows its ball at 6 of 30 stops: the ball count is binomial(5, 1/5).
    const ExactReturn exact = ComputeExactReturn(DecodeStrips(), 9);
    const double p3 = 10 * 0.008 * 0.64, p4 = 5 * 0.0016 * 0.8, p5 = 0.00032;
    EXPECT_NEAR(exact.bonusTriggerRate, p3 + p4 + p5, 1e-12);
    EXPECT_NEAR(exact.scatterReturn, 5 * p3 + 25 * p4 + 100 * p5, 1e-12);
}

}  // namespace
}  // namespace quillane
