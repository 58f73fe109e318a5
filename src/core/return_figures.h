// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "core/betting.h"

namespace quillane {

// The game's own figures for the bet the keys show: what the rules return on average, as a share
// of the credits bet. The base game's share is exact; the bonus game's is an estimate.

// Every bet the keys can place, lines times credits per line, each once and in order.
inline constexpr int kBetCount = 20;
constexpr std::array<std::int32_t, kBetCount> KeyBets() {
    std::array<std::int32_t, kLinesKeyCount*(kLastCreditsKey - kFirstCreditsKey + 1)> all{};
    std::size_t n = 0;
    for (int lines = 1; lines <= kLinesKeyCount; ++lines) {
        for (int credits = kFirstCreditsKey; credits <= kLastCreditsKey; ++credits)
            all[n++] = LinesForKey(lines) * CreditsForKey(credits);
    }
    std::sort(all.begin(), all.end());
    std::array<std::int32_t, kBetCount> bets{};
    std::size_t count = 0;
    for (std::int32_t bet : all) {
        if (count == 0 || bets[count - 1] != bet) {
            if (count == bets.size())
                throw "kBetCount is too small";
            bets[count++] = bet;
        }
    }
    if (count != bets.size())
        throw "kBetCount is too large";
    return bets;
}

// What a bonus game pays the player's card, per credit of the last slot bet, on average over the
// simulated games.
struct BonusEstimate {
    std::int32_t bet = 0;
    double meanPerBet = 0;
    double standardError = 0;  // of the mean
};

struct BonusEstimateTable {
    std::uint64_t games = 0;  // simulated for each bet
    std::array<BonusEstimate, kBetCount> byBet{};
};

// Made by quillane-bonus-estimate (tools/bonus_estimate.cpp, run by scripts/bonus_estimate.sh).
extern const BonusEstimateTable kBonusEstimates;

// The table's entry for `bet`, if the keys can place it.
std::optional<BonusEstimate> FindBonusEstimate(std::int32_t bet);

struct TheoreticalReturn {
    int lines = 0;
    int credits = 0;  // per line
    double base = 0;  // exact: the base game's return per credit bet, ComputeExactReturn's Rtp()
    // Estimated: the chance of a bonus game times its mean payout per credit bet, and one
    // standard error of it; none for a bet missing from the table.
    std::optional<double> bonus;
    double bonusError = 0;
    std::uint64_t bonusGames = 0;  // the simulated bonus games behind the estimate

    double Total() const { return base + bonus.value_or(0); }
};

// The figures for `lines` lines (1 to 9) at `credits` credits a line. The exact share is computed
// from the reels on each call: it takes a fraction of a millisecond.
TheoreticalReturn ComputeTheoreticalReturn(int lines, int credits);

}  // namespace quillane
