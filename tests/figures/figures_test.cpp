// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <string>

#include "core/exact_return.h"
#include "core/reels.h"
#include "core/return_figures.h"
#include "sim/simulator.h"

namespace quillane {
namespace {

// What `quillane-sim --exact --jsonl --lines L` gives as the return, in percent.
double SimulatorExactRtp(int lines) {
    const std::string command = std::string("timeout 60 ") + QUILLANE_SIM +
                                " --exact --jsonl --lines " + std::to_string(lines);
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            out += buffer;
        EXPECT_EQ(pclose(pipe), 0) << command;
    }
    std::smatch rtp;
    if (!std::regex_search(out, rtp, std::regex("\"rtp\":([0-9.]+)"))) {
        ADD_FAILURE() << "no rtp in: " << out;
        return -1;
    }
    return std::stod(rtp[1]);
}

TEST(TheoreticalReturn, TheBaseGameIsTheSimulatorsExactReturn) {
    for (const auto& [lines, credits] : {std::pair(9, 1), std::pair(1, 10), std::pair(5, 3)}) {
        const TheoreticalReturn figures = ComputeTheoreticalReturn(lines, credits);
        EXPECT_EQ(figures.base, ComputeExactReturn(DecodeStrips(), lines).Rtp()) << lines;
        EXPECT_NEAR(100 * figures.base, SimulatorExactRtp(lines), 1e-6) << lines;
    }
}

TEST(BonusEstimate, EveryBetTheKeysCanPlaceHasOne) {
    for (int linesKey = 1; linesKey <= kLinesKeyCount; ++linesKey) {
        for (int creditsKey = kFirstCreditsKey; creditsKey <= kLastCreditsKey; ++creditsKey) {
            const TheoreticalReturn figures =
                ComputeTheoreticalReturn(LinesForKey(linesKey), CreditsForKey(creditsKey));
            EXPECT_TRUE(figures.bonus && figures.bonusGames == kBonusEstimates.games)
                << linesKey << " " << creditsKey;
        }
    }
    EXPECT_FALSE(ComputeTheoreticalReturn(1, 4).bonus) << "no keys place a bet of 4";
}

// Spins as quillane-sim plays them, until `games` bonus games have been played. A bonus game
// counts as its five cards' mean payout (the player's card is any one of them), per credit bet.
struct Sample {
    double mean = 0;
    double standardError = 0;

    static Sample Of(double sum, double squares, double n) {
        const double mean = sum / n;
        return {mean, std::sqrt((squares - n * mean * mean) / (n - 1) / n)};
    }
};
struct Simulated {
    Sample perGame;  // what a bonus game pays
    Sample perSpin;  // the bonus games' share of the return
};

Simulated SimulateBonusGames(std::uint32_t seed, int lines, int credits, int games) {
    sim::Simulator simulator(seed, lines, credits);
    double gameSum = 0, gameSquares = 0, spins = 0;
    for (int played = 0; played < games; ++spins) {
        const auto& spin = simulator.Play();
        if (!spin.bonus)
            continue;
        double total = 0;
        for (std::int32_t cardTotal : spin.bonus->totals)
            total += cardTotal;
        const double perBet = total / kCardCount / spin.bonus->bet;
        gameSum += perBet;
        gameSquares += perBet * perBet;
        ++played;
    }
    return {Sample::Of(gameSum, gameSquares, games), Sample::Of(gameSum, gameSquares, spins)};
}

// A fresh simulation from a fixed seed, so the test cannot flake: it differs from the table, and
// from the share the game states, by far less than five of their standard errors together.
TEST(BonusEstimate, TheTableAgreesWithAFreshSimulation) {
    constexpr int kGames = 2000;
    for (const auto& [lines, credits] : {std::pair(9, 1), std::pair(1, 1), std::pair(9, 10)}) {
        const int bet = lines * credits;
        SCOPED_TRACE("bet " + std::to_string(bet));
        const auto table = FindBonusEstimate(bet);
        const TheoreticalReturn stated = ComputeTheoreticalReturn(lines, credits);
        ASSERT_TRUE(table && stated.bonus);
        const Simulated fresh =
            SimulateBonusGames(20261207u + static_cast<std::uint32_t>(bet), lines, credits, kGames);
        EXPECT_NEAR(fresh.perGame.mean, table->meanPerBet,
                    5 * std::hypot(fresh.perGame.standardError, table->standardError));
        EXPECT_NEAR(fresh.perSpin.mean, *stated.bonus,
                    5 * std::hypot(fresh.perSpin.standardError, stated.bonusError));
        // The stated uncertainty is of the right size: the fresh games' spread, scaled to the
        // table's number of games, is within a fifth of it.
        const double scaled =
            fresh.perGame.standardError * std::sqrt(double{kGames} / kBonusEstimates.games);
        EXPECT_NEAR(table->standardError, scaled, scaled / 5);
    }
}

}  // namespace
}  // namespace quillane
