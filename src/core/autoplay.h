// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "core/account.h"

namespace quillane {

// How autoplay plays a bonus game won on its spins: it waits for the player's card, or plays
// the card the player last chose by hand, or one of the five drawn at random.
enum class BonusCardChoice { Ask, LastCard, Random };

// What the player asked autoplay for: a number of spins at the current bet and when to stop
// before they are all played. A bet that can no longer be placed always stops it.
struct AutoplayPlan {
    int spins = 10;
    bool stopOnBonus = true;
    std::optional<std::int32_t> stopOnWinAtLeast;
    std::optional<std::int32_t> stopBelowCredits;
    BonusCardChoice bonusCard = BonusCardChoice::Ask;
    // Net for the run: what the credits gained or lost since it started, borrowing aside.
    std::optional<std::int32_t> stopOnNetLoss;
    std::optional<std::int32_t> stopOnNetWin;

    bool operator==(const AutoplayPlan&) const = default;
};

inline constexpr int kAutoplayChoices[] = {10, 25, 50, 100};

// Why autoplay stopped.
enum class AutoplayStop { Finished, Bonus, BigWin, LowCredits, NetLoss, NetWin, NoBet, Player };

// An autoplay run: counts the spins down and decides, after each, whether the next one goes.
// It never places a bet or borrows: the cabinet spins as the player would.
class Autoplay {
  public:
    void Start(const AutoplayPlan& plan, const Account& account);
    bool running() const { return left_ > 0; }
    int spinsLeft() const { return left_; }
    // Why the last run ended; nothing while one runs or before the first.
    std::optional<AutoplayStop> stopped() const { return stopped_; }
    // How the bonus game won on the run's last spin is played; nothing when the player chooses.
    // It holds for the run's last spin too, unless the player stopped the run.
    std::optional<BonusCardChoice> bonusChoice() const { return bonusChoice_; }

    // A spin was played: its total win (lines and scatter), whether it opens the bonus game and
    // the account after it. Returns why autoplay stops, or nothing when it goes on.
    std::optional<AutoplayStop> AfterSpin(std::int32_t win, bool bonus, const Account& account);
    // The spin's bonus game has paid: `win` is the spin's whole win with it.
    std::optional<AutoplayStop> AfterBonus(std::int32_t win, const Account& account);
    // The next bet could not be placed.
    void BetRefused() { Stop(AutoplayStop::NoBet); }
    void Stop(AutoplayStop why);

  private:
    std::optional<AutoplayStop> Limit(std::int32_t win, const Account& account) const;

    AutoplayPlan plan_;
    int left_ = 0;
    std::int64_t startNet_ = 0;
    std::optional<AutoplayStop> stopped_;
    std::optional<BonusCardChoice> bonusChoice_;
};

// The card, 0 to 4, that autoplay plays in the bonus game dealt from `dealSeed`: `lastCard`, or
// one drawn evenly from the generator as the deal leaves it.
int AutoplayBonusCard(BonusCardChoice choice, int lastCard, std::uint32_t dealSeed);

}  // namespace quillane
