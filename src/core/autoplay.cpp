// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/autoplay.h"

#include "core/bingo.h"
#include "core/bingo_deal.h"
#include "core/random.h"
#include "core/seed_jump.h"

namespace quillane {
namespace {

// Credits less what is owed: borrowing or paying back moves both alike and is no win or loss.
std::int64_t Net(const Account& account) {
    return std::int64_t{account.credits} - account.borrowed;
}

}  // namespace

void Autoplay::Start(const AutoplayPlan& plan, const Account& account) {
    plan_ = plan;
    left_ = plan.spins > 0 ? plan.spins : 0;
    startNet_ = Net(account);
    stopped_.reset();
    bonusChoice_.reset();
}

std::optional<AutoplayStop> Autoplay::Limit(std::int32_t win, const Account& account) const {
    const std::int64_t net = Net(account) - startNet_;
    if (plan_.stopOnWinAtLeast && win >= *plan_.stopOnWinAtLeast)
        return AutoplayStop::BigWin;
    if (plan_.stopBelowCredits && account.credits < *plan_.stopBelowCredits)
        return AutoplayStop::LowCredits;
    if (plan_.stopOnNetLoss && -net >= *plan_.stopOnNetLoss)
        return AutoplayStop::NetLoss;
    if (plan_.stopOnNetWin && net >= *plan_.stopOnNetWin)
        return AutoplayStop::NetWin;
    return std::nullopt;
}

std::optional<AutoplayStop> Autoplay::AfterSpin(std::int32_t win, bool bonus,
                                                const Account& account) {
    bonusChoice_.reset();
    if (!running())
        return stopped_;
    --left_;
    if (bonus && plan_.stopOnBonus) {
        Stop(AutoplayStop::Bonus);
    } else {
        if (bonus && plan_.bonusCard != BonusCardChoice::Ask)
            bonusChoice_ = plan_.bonusCard;
        if (const auto limit = Limit(win, account))
            Stop(*limit);
        else if (left_ == 0)
            Stop(AutoplayStop::Finished);
    }
    return running() ? std::nullopt : stopped_;
}

std::optional<AutoplayStop> Autoplay::AfterBonus(std::int32_t win, const Account& account) {
    bonusChoice_.reset();
    if (!running())
        return std::nullopt;
    if (const auto limit = Limit(win, account))
        Stop(*limit);
    return running() ? std::nullopt : stopped_;
}

void Autoplay::Stop(AutoplayStop why) {
    left_ = 0;
    stopped_ = why;
    // A player who stops the run is there to choose the card.
    if (why == AutoplayStop::Player)
        bonusChoice_.reset();
}

int AutoplayBonusCard(BonusCardChoice choice, int lastCard, std::uint32_t dealSeed) {
    if (choice != BonusCardChoice::Random)
        return lastCard >= 0 && lastCard < kCardCount ? lastCard : 0;
    // The draw after the deal's: the deal's own draws stay the game's alone.
    RandomGenerator random(JumpOver(kBingoDealDraws).From(dealSeed));
    return static_cast<int>(random.Draw(kCardCount));
}

}  // namespace quillane
