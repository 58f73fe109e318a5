// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays 100,000 spins and 1,000 bonus games through the game session, with bet changes, new games,
// paying back and borrowing when the credits run out, and checks the account against its own
// reckoning after every spin. Meant above all for the sanitizer build. Usage: soak_test [spins].
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/bingo.h"
#include "core/game_session.h"

namespace {

using namespace quillane;

constexpr int kBonusGames = 1000;

// What the account must hold, counted in 64 bits so that a wrapped counter shows.
struct Reckoning {
    std::int64_t credits = 1000;
    std::int64_t borrowed = 1000;
    std::int64_t spins = 0;
    std::int64_t bets = 0;
    std::int64_t bonus = 0;
    std::int64_t won = 0;
};

int failures = 0;

void Expect(bool holds, const char* what, std::int64_t spin) {
    if (!holds && ++failures <= 10) {
        std::fprintf(stderr, "spin %lld: %s\n", static_cast<long long>(spin), what);
    }
}

void Compare(const GameSession& session, const Reckoning& r) {
    const Account& a = session.state().account;
    Expect(a.credits == r.credits, "credits differ from the reckoning", r.spins);
    Expect(a.credits >= 0, "credits went below zero", r.spins);
    Expect(a.borrowed == r.borrowed, "borrowed differs from the reckoning", r.spins);
    Expect(a.spins == r.spins, "spins differ from the spins played", r.spins);
    Expect(a.totalBets == r.bets, "total bets differ from the sum of the bets", r.spins);
    Expect(a.bonusTotal == r.bonus, "the bonus differs from the bonus games' wins", r.spins);
    Expect(session.settled().account == a && !session.pendingBonus(),
           "the settled game differs from the game shown", r.spins);
    const Statistics s = session.TakeStatistics();
    Expect(s.payoffs == r.won, "payoffs differ from the wins paid", r.spins);
    Expect(s.normalPayoffs == r.won - r.bonus, "normal payoffs differ", r.spins);
}

// Pays the win waiting, step by step or at once, into the reckoning.
void Pay(GameSession& session, Reckoning& r, bool all) {
    while (const std::int32_t step = session.PayStep(all)) {
        Expect(step > 0, "a pay step was not positive", r.spins);
        r.credits += step;
        r.won += step;
    }
    Expect(session.state().spin.winToPay == 0, "a win was left unpaid", r.spins);
}

}  // namespace

int main(int argc, char** argv) {
    const std::int64_t spins = argc > 1 ? std::atoll(argv[1]) : 100000;
    GameSession session;
    session.Seed(20261206);
    std::mt19937 random(4242);
    Reckoning r;
    std::int64_t played = 0;
    int bonusGames = 0, borrows = 0, paybacks = 0, refusedKeys = 0, newGames = 0;

    while (played < spins || bonusGames < kBonusGames) {
        if (random() % 29 == 0) {
            const int key = static_cast<int>(random() % 10) + 1;
            const BetKeyOutcome outcome = session.SelectBetKey(key);
            refusedKeys += outcome.refusal.has_value();
            Expect(outcome.accepted != outcome.refusal.has_value(), "a key was neither", r.spins);
            if (outcome.accepted && key > 5 && random() % 2 == 0) {
                session.StakeShownBet();
            }
        }
        if (session.state().bet == 0 && !session.StakeSpin()) {
            const std::int32_t amount = static_cast<std::int32_t>(random() % 1000) + 90;
            Expect(!session.Borrow(amount), "a borrow was refused", r.spins);
            r.credits += amount;
            r.borrowed += amount;
            ++borrows;
            Compare(session, r);
            continue;
        }
        const std::int32_t bet = session.state().bet;
        Expect(
            bet > 0 && bet <= 90 && (bet == session.shownBet() || bet == session.state().lastBet),
            "the bet is neither the shown one nor the last one", r.spins);
        r.credits -= bet;
        r.bets += bet;
        ++r.spins;
        ++played;
        session.PlaySpin(kMotionStripDesignHeight);
        Pay(session, r, random() % 8 == 0);
        if (session.bonusTriggered()) {
            BingoGame game = session.DealBonusGame(static_cast<std::uint32_t>(random()));
            session.ChooseBonusCard(bonusGames % kCardCount);
            game.PlayOut();
            Expect(game.Over(), "the bonus game did not end", r.spins);
            const std::int32_t win = session.SettleBonus();
            Expect(win == game.total(bonusGames % kCardCount), "the bonus paid another card",
                   r.spins);
            Expect(win >= 0, "a bonus game won less than nothing", r.spins);
            session.ApplyBonusWin(win);
            r.bonus += win;
            Pay(session, r, random() % 2 == 0);
            ++bonusGames;
        }
        session.EndSpin();
        Expect(session.state().bet == 0 && session.state().lastBet == bet, "the bet stayed",
               r.spins);
        // The game returns more than it takes: a new game paid back whole runs the credits out.
        if (played % 10000 == 0) {
            session.NewGame();
            r = Reckoning{};
            ++newGames;
        }
        if (played % 500 == 0) {
            const Account& a = session.state().account;
            const std::int32_t amount = std::min(a.credits, a.borrowed);
            Expect(session.PayBack(a.credits + 1).has_value(), "paid back more than held", r.spins);
            if (amount > 0) {
                Expect(!session.PayBack(amount), "a pay-back was refused", r.spins);
                r.credits -= amount;
                r.borrowed -= amount;
                ++paybacks;
            }
        }
        Compare(session, r);
    }
    std::printf(
        "spins: %lld, bonus games: %d, new games: %d, borrows: %d, pay-backs: %d, refused credits "
        "keys: %d, failures: %d\n",
        static_cast<long long>(played), bonusGames, newGames, borrows, paybacks, refusedKeys,
        failures);
    return failures == 0 && borrows > 0 ? 0 : 1;
}
