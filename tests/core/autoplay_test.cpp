// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/autoplay.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/bingo.h"

namespace quillane {
namespace {

constexpr std::nullopt_t none = std::nullopt;

// A plan of `spins` spins with these limits, playing bonus games with `card`.
AutoplayPlan Plan(int spins, bool stopOnBonus, std::optional<std::int32_t> bigWin,
                  std::optional<std::int32_t> below, BonusCardChoice card = BonusCardChoice::Random,
                  std::optional<std::int32_t> loss = none, std::optional<std::int32_t> won = none) {
    AutoplayPlan plan;
    plan.spins = spins;
    plan.stopOnBonus = stopOnBonus;
    plan.stopOnWinAtLeast = bigWin;
    plan.stopBelowCredits = below;
    plan.bonusCard = card;
    plan.stopOnNetLoss = loss;
    plan.stopOnNetWin = won;
    return plan;
}

TEST(Autoplay, CountsDownAndStopsOnTheFirstConditionMet) {
    Autoplay autoplay;
    const Account account{5, 0};
    autoplay.Start(Plan(3, false, none, none), account);
    EXPECT_EQ(autoplay.AfterSpin(0, true, account), std::nullopt) << "a bonus game alone goes on";
    EXPECT_EQ(autoplay.spinsLeft(), 2);
    EXPECT_EQ(autoplay.AfterSpin(1000, false, account), std::nullopt);
    EXPECT_EQ(autoplay.AfterSpin(0, false, account), AutoplayStop::Finished);
    EXPECT_FALSE(autoplay.running());
}

// One spin, or one spin and its bonus game, of a run that starts at 1,000 credits with 1,000
// borrowed.
struct LimitCase {
    const char* what;
    AutoplayPlan plan;
    std::int32_t spinWin;
    bool bonus;
    Account after;                   // the account after the spin
    std::optional<Account> settled;  // and after its bonus game
    std::optional<AutoplayStop> stop;
};

TEST(Autoplay, StopsOnTheLimitsOfASpinAndOfTheWholeRun) {
    const auto random = BonusCardChoice::Random;
    // clang-format off
    const std::vector<LimitCase> cases = {
        {"a bonus game first", Plan(100, true, 50, 900), 60, true, {100, 1000}, none,
         AutoplayStop::Bonus},
        {"a single win", Plan(100, true, 50, 900), 50, false, {1040, 1000}, none,
         AutoplayStop::BigWin},
        {"a bonus game's win is its spin's", Plan(100, false, 500, none), 20, true, {1011, 1000},
         Account{1811, 1000}, AutoplayStop::BigWin},
        {"credits low", Plan(100, true, 50, 900), 0, false, {899, 1000}, none,
         AutoplayStop::LowCredits},
        {"lost short of the limit", Plan(100, false, none, none, random, 200), 0, false,
         {801, 1000}, none, none},
        {"lost the limit", Plan(100, false, none, none, random, 200), 0, false, {800, 1000}, none,
         AutoplayStop::NetLoss},
        {"borrowing is no win", Plan(100, false, none, none, random, 200, 300), 0, false,
         {1400, 2000}, none, AutoplayStop::NetLoss},
        {"paying back is no loss", Plan(100, false, none, none, random, 200, 300), 0, false,
         {300, 300}, none, none},
        {"won short of the limit", Plan(100, false, none, none, random, none, 300), 299, false,
         {1299, 1000}, none, none},
        {"won the limit", Plan(100, false, none, none, random, none, 300), 300, false,
         {1300, 1000}, none, AutoplayStop::NetWin},
        {"won the limit in the bonus game", Plan(100, false, none, none, random, 200, 300), 20,
         true, {1011, 1000}, Account{1311, 1000}, AutoplayStop::NetWin},
    };
    // clang-format on
    for (const LimitCase& c : cases) {
        Autoplay autoplay;
        autoplay.Start(c.plan, Account{1000, 1000});
        std::optional<AutoplayStop> stop = autoplay.AfterSpin(c.spinWin, c.bonus, c.after);
        if (c.settled && !stop) {
            EXPECT_EQ(autoplay.bonusChoice(), c.plan.bonusCard) << c.what;
            const std::int32_t win = c.spinWin + c.settled->credits - c.after.credits;
            stop = autoplay.AfterBonus(win, *c.settled);
        }
        EXPECT_EQ(stop, c.stop) << c.what;
        EXPECT_EQ(autoplay.running(), !c.stop.has_value()) << c.what;
    }
}

TEST(Autoplay, PlaysTheBonusGamesOfItsSpinsWithTheCardChosenUnlessThePlayerStopsIt) {
    Autoplay autoplay;
    const Account account;
    autoplay.Start(Plan(1, false, none, none, BonusCardChoice::LastCard), account);
    EXPECT_EQ(autoplay.AfterSpin(0, true, account), AutoplayStop::Finished);
    EXPECT_EQ(autoplay.bonusChoice(), BonusCardChoice::LastCard) << "the last spin's too";

    autoplay.Start(Plan(10, false, none, none), account);
    autoplay.AfterSpin(0, true, account);
    autoplay.Stop(AutoplayStop::Player);
    EXPECT_EQ(autoplay.bonusChoice(), std::nullopt);

    autoplay.Start(Plan(10, true, none, none), account);
    autoplay.AfterSpin(0, true, account);
    EXPECT_EQ(autoplay.bonusChoice(), std::nullopt) << "stopped for the player's bonus game";
}

TEST(Autoplay, TheRandomCardIsEvenAcrossDealsAndTheLastCardIsKept) {
    std::array<int, kCardCount> drawn{};
    constexpr int kDeals = 10000;
    for (std::uint32_t seed = 0; seed < kDeals; ++seed)
        ++drawn[static_cast<std::size_t>(AutoplayBonusCard(BonusCardChoice::Random, 0, seed))];
    for (int count : drawn)
        EXPECT_NEAR(count, kDeals / kCardCount, kDeals / 50);
    EXPECT_EQ(AutoplayBonusCard(BonusCardChoice::LastCard, 3, 77), 3);
}

}  // namespace
}  // namespace quillane
