// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>

#include "sim/spin.h"

namespace quillane::sim {

// A sum that may pass 2^64 on a long run (squares of wins), kept exactly in two words.
struct WideSum {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    void Add(std::uint64_t value) {
        low += value;
        high += low < value;
    }
    long double Value() const;
};

// A mean over the spins with its spread: the standard deviation of one value and the standard
// error of the mean, with the 95% interval the normal approximation gives.
struct Estimate {
    double mean = 0;
    double sd = 0;
    double standardError = 0;

    double Low() const { return mean - 1.96 * standardError; }
    double High() const { return mean + 1.96 * standardError; }
};

// What a run's spins add up to. Everything is counted exactly and added in the order of the
// spins, so a run gives the same figures however its bonus games were shared out.
struct Summary {
    std::uint64_t spins = 0;
    std::uint64_t bet = 0;
    std::uint64_t won = 0;  // the spins' own wins and the bonus payouts
    std::uint64_t baseWon = 0;
    std::uint64_t bonusWon = 0;
    std::uint64_t hits = 0;
    std::uint64_t bonusTriggers = 0;  // whether their games were played or not
    std::uint64_t bonusGames = 0;

    // The squares of each spin's win (with its bonus), its own win, and its bonus payout.
    WideSum wonSquares;
    WideSum baseSquares;
    WideSum bonusSquares;
    std::uint64_t largestWin = 0;  // one spin's win with its bonus payout
    std::uint64_t largestWinSpin = 0;
    std::uint64_t longestWinlessRun = 0;
    std::uint64_t winlessRun = 0;                        // the run going on at the last spin
    std::uint64_t leadingWinlessRun = 0;                 // the spins before the first win
    std::map<std::int32_t, std::uint64_t> bonusPayouts;  // payout: the bonus games paying it

    void Add(const Spin& spin, std::int32_t spinBet);
    // Adds the spins of `later`, which followed this summary's spins in the same run.
    void Append(const Summary& later);

    double RtpPercent() const { return PercentOfBet(won); }
    double BaseRtpPercent() const { return PercentOfBet(baseWon); }
    double BonusRtpPercent() const { return PercentOfBet(bonusWon); }
    double HitRatePercent() const {
        return spins == 0 ? 0.0 : 100.0 * static_cast<double>(hits) / static_cast<double>(spins);
    }

    // The win per spin in bets: with the bonus payouts, the spin's own, the bonus payout alone.
    Estimate Return() const;
    Estimate BaseReturn() const;
    Estimate BonusReturn() const;

    // Of the bonus games played, in credits. The percentile, given in tenths of a percent, is the
    // least payout that at least that share of the games do not exceed; 0 when none were played.
    Estimate BonusPayout() const;
    std::int32_t BonusPayoutPercentile(std::uint64_t perMille) const;
    std::int32_t LargestBonusPayout() const;

  private:
    double PercentOfBet(std::uint64_t credits) const {
        return bet == 0 ? 0.0 : 100.0 * static_cast<double>(credits) / static_cast<double>(bet);
    }
    double SpinBet() const {
        return spins == 0 ? 0.0 : static_cast<double>(bet) / static_cast<double>(spins);
    }
};

}  // namespace quillane::sim
