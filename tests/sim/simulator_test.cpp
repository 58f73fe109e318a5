// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/bingo.h"
#include "core/exact_return.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "sim/simulator.h"

namespace quillane::sim {
namespace {

// A million spins must land within a few standard errors of the exact figures: the bonus games
// between them draw from the same generator and must not bias the base game.
void ExpectAgreesWithExact(std::uint32_t seed, int lines, int credits, int spins, bool bonus) {
    Simulator simulator(seed, lines, credits, 0, bonus);
    const double bet = lines * credits;
    double sum = 0;
    double squares = 0;
    for (int i = 0; i < spins; ++i) {
        const double ratio = simulator.Play().result.winToPay / bet;
        sum += ratio;
        squares += ratio * ratio;
    }
    const double n = spins;
    const double mean = sum / n;
    const double rtpError = std::sqrt((squares / n - mean * mean) / n);
    const ExactReturn exact = ComputeExactReturn(DecodeStrips(), lines);
    const Summary& s = simulator.summary();

    EXPECT_NEAR(s.BaseRtpPercent() / 100.0, exact.Rtp(), 4 * rtpError);
    EXPECT_NEAR(mean, s.BaseRtpPercent() / 100.0, 1e-9);
    EXPECT_EQ(s.won, s.baseWon + s.bonusWon);
    EXPECT_EQ(s.bonusWon > 0, bonus) << "bonus games played only when asked for";
    const auto binomialError = [n](double p) { return std::sqrt(p * (1 - p) / n); };
    EXPECT_NEAR(s.HitRatePercent() / 100.0, exact.hitRate, 4 * binomialError(exact.hitRate));
    EXPECT_NEAR(static_cast<double>(s.bonusTriggers) / n, exact.bonusTriggerRate,
                4 * binomialError(exact.bonusTriggerRate));
    EXPECT_EQ(s.spins, static_cast<std::uint64_t>(spins));
    EXPECT_EQ(s.bet, static_cast<std::uint64_t>(spins * lines * credits));
}

TEST(Simulator, AMillionSpinsAgreeWithTheExactReturn) {
    ExpectAgreesWithExact(1, 9, 1, 1'000'000, false);
}

TEST(Simulator, OtherBetsAgreeToo) {
    ExpectAgreesWithExact(20261207, 1, 10, 200'000, true);
    ExpectAgreesWithExact(4294967295u, 5, 3, 200'000, true);
}

TEST(Simulator, TheSameSeedReplaysTheSameSpins) {
    Simulator a(77, 9, 1);
    Simulator b(77, 9, 1);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(a.Play().stops, b.Play().stops);
    EXPECT_EQ(a.summary().won, b.summary().won);
}

// Every spin with three balls or more plays a bonus game on the generator as the spin left it.
TEST(Simulator, BonusGamesFollowTriggeringSpinsOnTheSameGenerator) {
    constexpr int kLines = 5;
    constexpr int kCredits = 2;
    constexpr int kCard = 3;
    Simulator simulator(99, kLines, kCredits, kCard);
    RandomGenerator random(99);
    const SpinScorer scorer(DecodeStrips());
    SpinResult result;
    std::uint64_t won = 0;
    std::uint64_t bonusWon = 0;
    int bonuses = 0;
    for (int i = 0; i < 3000; ++i) {
        const Simulator::Spin& spin = simulator.Play();
        const ReelStops stops = DrawSpin(random, kMotionStripDesignHeight).stops;
        ASSERT_EQ(spin.stops, stops) << "spin " << i;
        scorer.Score(stops, kLines, kCredits, result);
        won += static_cast<std::uint64_t>(result.winToPay);
        ASSERT_EQ(spin.bonus.has_value(), result.ballCount >= kBonusBallCount) << "spin " << i;
        if (!spin.bonus)
            continue;
        BingoGame game(random, kLines * kCredits);
        game.PlayOut();
        EXPECT_EQ(spin.bonus->bet, kLines * kCredits);
        EXPECT_EQ(spin.bonus->card, kCard);
        EXPECT_EQ(spin.bonus->calls, game.callsMade());
        for (int c = 0; c < kCardCount; ++c)
            EXPECT_EQ(spin.bonus->totals[static_cast<std::size_t>(c)], game.total(c));
        EXPECT_EQ(spin.bonus->payout, game.total(kCard));
        bonusWon += static_cast<std::uint64_t>(game.total(kCard));
        ++bonuses;
    }
    const Summary& s = simulator.summary();
    EXPECT_EQ(s.bonusTriggers, static_cast<std::uint64_t>(bonuses));
    EXPECT_GT(bonuses, 100);
    EXPECT_EQ(s.bonusWon, bonusWon);
    EXPECT_EQ(s.baseWon, won);
    EXPECT_EQ(s.won, won + bonusWon);
    EXPECT_NEAR(s.RtpPercent(), s.BaseRtpPercent() + s.BonusRtpPercent(), 1e-9);
}

TEST(Simulator, ThePlayersCardIsOneOfTheFive) {
    EXPECT_THROW(Simulator(1, 9, 1, 5), std::invalid_argument);
    EXPECT_THROW(Simulator(1, 9, 1, -1), std::invalid_argument);
}

}  // namespace
}  // namespace quillane::sim
