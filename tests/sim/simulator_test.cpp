#include <gtest/gtest.h>

#include <cmath>

#include "core/exact_return.h"
#include "sim/simulator.h"

namespace quillane::sim {
namespace {

// A million spins must land within a few standard errors of the exact figures.
void ExpectAgreesWithExact(std::uint32_t seed, int lines, int credits, int spins) {
    Simulator simulator(seed, lines, credits);
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

    EXPECT_NEAR(s.RtpPercent() / 100.0, exact.Rtp(), 4 * rtpError);
    EXPECT_NEAR(mean, s.RtpPercent() / 100.0, 1e-9);
    const auto binomialError = [n](double p) { return std::sqrt(p * (1 - p) / n); };
    EXPECT_NEAR(s.HitRatePercent() / 100.0, exact.hitRate, 4 * binomialError(exact.hitRate));
    EXPECT_NEAR(static_cast<double>(s.bonusTriggers) / n, exact.bonusTriggerRate,
                4 * binomialError(exact.bonusTriggerRate));
    EXPECT_EQ(s.spins, static_cast<std::uint64_t>(spins));
    EXPECT_EQ(s.bet, static_cast<std::uint64_t>(spins * lines * credits));
}

TEST(Simulator, AMillionSpinsAgreeWithTheExactReturn) {
    ExpectAgreesWithExact(1, 9, 1, 1'000'000);
}

TEST(Simulator, OtherBetsAgreeToo) {
    ExpectAgreesWithExact(20261207, 1, 10, 300'000);
    ExpectAgreesWithExact(4294967295u, 5, 3, 300'000);
}

TEST(Simulator, TheSameSeedReplaysTheSameSpins) {
    Simulator a(77, 9, 1);
    Simulator b(77, 9, 1);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(a.Play().stops, b.Play().stops);
    EXPECT_EQ(a.summary().won, b.summary().won);
}

}  // namespace
}  // namespace quillane::sim
