// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/exact_return.h"
#include "core/par_sheet.h"
#include "sim/simulator.h"

namespace quillane::sim {
namespace {

// A long run of the base game: the interval for its return holds the exact return, and its
// spread is near the exact volatility.
TEST(Summary, TheIntervalOfALongRunHoldsTheExactReturn) {
    Simulator simulator(2024, 9, 1, 0, false);
    for (int i = 0; i < 2'000'000; ++i)
        simulator.Play();
    const Estimate base = simulator.summary().BaseReturn();
    const ParSheet exact = ComputeParSheet(DecodeStrips(), 9);
    EXPECT_LE(base.Low(), exact.exact.Rtp());
    EXPECT_GE(base.High(), exact.exact.Rtp());
    EXPECT_LT(base.High() - base.Low(), 0.02);
    EXPECT_NEAR(base.sd, exact.volatility, 0.05 * exact.volatility);
}

// The figures against the spins themselves, counted the plain way.
TEST(Summary, FiguresAgreeWithTheSpinsCountedOneByOne) {
    Simulator simulator(31, 5, 2, 1);
    std::vector<double> wins;
    std::vector<std::int32_t> payouts;
    std::uint64_t largest = 0;
    std::uint64_t dry = 0;
    std::uint64_t longestDry = 0;
    for (int i = 0; i < 20'000; ++i) {
        const Simulator::Spin& spin = simulator.Play();
        const std::int32_t payout = spin.bonus ? spin.bonus->payout : 0;
        if (spin.bonus)
            payouts.push_back(payout);
        const auto win = static_cast<std::uint64_t>(spin.result.winToPay + payout);
        wins.push_back(static_cast<double>(win) / 10);
        largest = std::max(largest, win);
        dry = win > 0 ? 0 : dry + 1;
        longestDry = std::max(longestDry, dry);
    }
    const Summary& s = simulator.summary();
    double mean = 0;
    for (double w : wins)
        mean += w / static_cast<double>(wins.size());
    double squares = 0;
    for (double w : wins)
        squares += (w - mean) * (w - mean);
    const double sd = std::sqrt(squares / static_cast<double>(wins.size() - 1));
    EXPECT_NEAR(s.Return().mean, mean, 1e-9);
    EXPECT_NEAR(s.Return().sd, sd, 1e-9);
    EXPECT_NEAR(s.Return().standardError, sd / std::sqrt(20'000.0), 1e-9);
    EXPECT_EQ(s.largestWin, largest);
    EXPECT_EQ(s.longestWinlessRun, longestDry);

    ASSERT_GT(payouts.size(), 500u);
    std::sort(payouts.begin(), payouts.end());
    for (std::uint64_t perMille : {500, 900, 990, 999}) {
        const std::size_t rank = (payouts.size() * perMille + 999) / 1000;
        EXPECT_EQ(s.BonusPayoutPercentile(perMille), payouts[rank - 1]) << perMille;
    }
    EXPECT_EQ(s.LargestBonusPayout(), payouts.back());
    EXPECT_EQ(s.bonusGames, payouts.size());
}

// The largest win counts the bonus payout with the spin's own; of spins tied on it, the first
// is the one reported.
TEST(Summary, TheLargestWinIsTheFirstSpinToReachIt) {
    const struct {
        std::int32_t own;
        std::int32_t bonus;
    } wins[] = {{5, 0}, {10, 30}, {0, 0}, {40, 0}, {0, 40}, {7, 0}};
    Summary summary;
    for (const auto& w : wins) {
        Spin spin;
        spin.result.winToPay = w.own;
        if (w.bonus > 0)
            spin.bonus.emplace().payout = w.bonus;
        summary.Add(spin, 9);
    }
    EXPECT_EQ(summary.largestWin, 40u);
    EXPECT_EQ(summary.largestWinSpin, 2u);
}

TEST(Summary, SquaresPastTwoToThe64AreKeptExactly) {
    WideSum sum;
    sum.Add(std::uint64_t{1} << 63);
    sum.Add(std::uint64_t{1} << 63);
    sum.Add(5);
    EXPECT_EQ(sum.high, 1u);
    EXPECT_EQ(sum.low, 5u);
    EXPECT_EQ(sum.Value(), std::ldexp(1.0L, 64) + 5);
}

}  // namespace
}  // namespace quillane::sim
