// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/summary.h"

#include <algorithm>
#include <cmath>

#include "core/paytable.h"

namespace quillane::sim {
namespace {

// From the sum and the sum of squares of n values, each divided by `unit`.
Estimate EstimateOf(long double sum, long double squares, std::uint64_t n, double unit) {
    Estimate e;
    if (n == 0 || unit == 0)
        return e;
    const auto count = static_cast<long double>(n);
    e.mean = static_cast<double>(sum / count / unit);
    if (n < 2)
        return e;
    const long double variance = (squares - sum * sum / count) / (count - 1) / (unit * unit);
    e.sd = static_cast<double>(std::sqrt(std::max(variance, 0.0L)));
    e.standardError = e.sd / std::sqrt(static_cast<double>(n));
    return e;
}

}  // namespace

long double WideSum::Value() const {
    return std::ldexp(static_cast<long double>(high), 64) + static_cast<long double>(low);
}

void Summary::Add(const Spin& spin, std::int32_t spinBet) {
    const auto own = static_cast<std::uint64_t>(spin.result.winToPay);
    const auto payout = static_cast<std::uint64_t>(spin.bonus ? spin.bonus->payout : 0);
    const std::uint64_t win = own + payout;
    spins += 1;
    bet += static_cast<std::uint64_t>(spinBet);
    won += win;
    baseWon += own;
    bonusWon += payout;
    hits += own > 0;
    bonusTriggers += spin.result.ballCount >= kBonusBallCount;

    wonSquares.Add(win * win);
    baseSquares.Add(own * own);
    if (spin.bonus) {
        ++bonusGames;
        bonusSquares.Add(payout * payout);
        ++bonusPayouts[spin.bonus->payout];
    }
    if (win > largestWin) {
        largestWin = win;
        largestWinSpin = spins;
    }
    winlessRun = win > 0 ? 0 : winlessRun + 1;
    if (won == 0)
        leadingWinlessRun = spins;
    longestWinlessRun = std::max(longestWinlessRun, winlessRun);
}

void Summary::Append(const Summary& later) {
    auto addWide = [](WideSum& into, const WideSum& from) {
        into.Add(from.low);
        into.high += from.high;
    };
    // A drought can span the two parts: this one's last spins and the later one's first.
    longestWinlessRun = std::max(
        {longestWinlessRun, later.longestWinlessRun, winlessRun + later.leadingWinlessRun});
    if (won == 0)
        leadingWinlessRun = spins + later.leadingWinlessRun;
    winlessRun = later.won == 0 ? winlessRun + later.spins : later.winlessRun;
    // The earlier spin keeps a tie, as it does within a run.
    if (later.largestWin > largestWin) {
        largestWin = later.largestWin;
        largestWinSpin = spins + later.largestWinSpin;
    }
    spins += later.spins;
    bet += later.bet;
    won += later.won;
    baseWon += later.baseWon;
    bonusWon += later.bonusWon;
    hits += later.hits;
    bonusTriggers += later.bonusTriggers;
    bonusGames += later.bonusGames;
    addWide(wonSquares, later.wonSquares);
    addWide(baseSquares, later.baseSquares);
    addWide(bonusSquares, later.bonusSquares);
    for (const auto& [payout, games] : later.bonusPayouts)
        bonusPayouts[payout] += games;
}

Estimate Summary::Return() const {
    return EstimateOf(won, wonSquares.Value(), spins, SpinBet());
}

Estimate Summary::BaseReturn() const {
    return EstimateOf(baseWon, baseSquares.Value(), spins, SpinBet());
}

Estimate Summary::BonusReturn() const {
    return EstimateOf(bonusWon, bonusSquares.Value(), spins, SpinBet());
}

Estimate Summary::BonusPayout() const {
    return EstimateOf(bonusWon, bonusSquares.Value(), bonusGames, 1.0);
}

std::int32_t Summary::BonusPayoutPercentile(std::uint64_t perMille) const {
    const std::uint64_t rank = (bonusGames * perMille + 999) / 1000;
    std::uint64_t seen = 0;
    for (const auto& [payout, games] : bonusPayouts) {
        seen += games;
        if (seen >= rank)
            return payout;
    }
    return 0;
}

std::int32_t Summary::LargestBonusPayout() const {
    return bonusPayouts.empty() ? 0 : bonusPayouts.rbegin()->first;
}

}  // namespace quillane::sim
