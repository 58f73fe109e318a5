// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/par_sheet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/spin_result.h"

namespace quillane {
namespace {

constexpr int kLineCounts[] = {1, 3, 5, 7, 9};

TEST(ParSheet, RowsAndScatterPaysAddUpToTheExactReturn) {
    const ReelSymbols reels = DecodeStrips();
    for (int lines : kLineCounts) {
        const ParSheet sheet = ComputeParSheet(reels, lines);
        double sum = 0;
        for (std::size_t row = 0; row < kPayTable.size(); ++row)
            sum += sheet.RowReturn(row);
        EXPECT_NEAR(sum, sheet.exact.lineReturn, 1e-12) << lines;
        for (std::size_t balls = 0; balls < sheet.ballCombinations.size(); ++balls)
            sum += sheet.ScatterReturn(balls);
        EXPECT_NEAR(sum, sheet.exact.Rtp(), 1e-12) << lines;
    }
}

// Every stop combination scored once with all nine lines; the first n lines' wins give the win
// of a bet on n lines.
TEST(ParSheet, VolatilityAgreesWithVisitingEveryCombination) {
    const ReelSymbols reels = DecodeStrips();
    const SpinScorer scorer(reels);
    double squares[kPaylineCount + 1] = {};
    SpinResult r;
    ReelStops s{};
    for (s[0] = 1; s[0] <= kStripLength; ++s[0])
        for (s[1] = 1; s[1] <= kStripLength; ++s[1])
            for (s[2] = 1; s[2] <= kStripLength; ++s[2])
                for (s[3] = 1; s[3] <= kStripLength; ++s[3])
                    for (s[4] = 1; s[4] <= kStripLength; ++s[4]) {
                        scorer.Score(s, kPaylineCount, 1, r);
                        double lineWins = 0;
                        for (int n = 1; n <= kPaylineCount; ++n) {
                            lineWins += r.lineWin[static_cast<std::size_t>(n - 1)];
                            const double win =
                                lineWins / n + kScatterPays[static_cast<std::size_t>(r.ballCount)];
                            squares[n] += win * win;
                        }
                    }
    for (int lines : kLineCounts) {
        const ParSheet sheet = ComputeParSheet(reels, lines);
        const double mean = sheet.exact.Rtp();
        const double variance = squares[lines] / 24300000.0 - mean * mean;
        EXPECT_NEAR(sheet.volatility, std::sqrt(variance), 1e-9) << lines;
    }
}

}  // namespace
}  // namespace quillane
