// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/account.h"
#include "core/account_rules.h"
#include "core/bingo.h"
#include "core/game_store.h"
#include "core/random.h"
#include "core/reels.h"
#include "core/refusal.h"
#include "core/saved_game.h"
#include "core/session_state.h"
#include "core/settled_game.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"

namespace quillane {

// What pressing a bet key did.
struct BetKeyOutcome {
    bool accepted = false;           // the key is lit and the bet settings follow it
    std::optional<Refusal> refusal;  // why a credits key was refused, to be shown
};

// One player's game and its rules of play, apart from any window: the account, the bet, the
// reels, and the generator the spins share with the bonus game. It keeps two views of the
// account: the state the cabinet shows, whose credits take a win in count-up steps, and the
// settled game, which takes every outcome whole the moment it is drawn and is committed to the
// store at once, so that what is kept never waits on what is shown.
class GameSession {
  public:
    GameSession();
    // Plays the game `store` keeps: its current game is taken now, and every change of the game
    // is committed to it. Without a store the game is kept in memory alone.
    void UseStore(GameStore* store);

    const SessionState& state() const { return state_; }
    const SettledGame& settled() const { return settled_; }
    // Puts the game where `state` says, as a test's set-up does; the settled game follows and
    // is committed.
    void Restore(const SessionState& state);
    // The bet the keys show: lines times credits per line.
    std::int32_t shownBet() const {
        return state_.settings.linesBet * state_.settings.creditsPerLine;
    }
    const ReelSymbols& reelSymbols() const { return reelSymbols_; }
    // The last spin showed enough balls for the bonus game.
    bool bonusTriggered() const;
    std::uint32_t seed() const { return random_.seed(); }
    void Seed(std::uint32_t seed) { random_.Seed(seed); }
    // What the last spin and its bonus game won that the credits, at their limit, could not take.
    std::int32_t unpaid() const { return unpaid_; }
    // Whether the last change of the game has reached the store (written, or refused).
    bool Written() const;

    // Takes the spin's bet: one a key placed, else the last bet or the shown one, if the credits
    // cover it. False when no bet could be placed, and the spin must not go ahead.
    bool StakeSpin();
    // Whether StakeSpin would place a bet now.
    bool CanStakeSpin() const;
    // Counts the bet and the spin, draws where the reels' motion starts and where they stop, and
    // scores the stops: the spin is settled and committed before the reels turn. Its win waits in
    // the shown state for PayStep; state().spin holds the score.
    SpinDraw PlaySpin(int motionStripHeight);
    // Moves one count-up step of the win, or all of it, into the shown credits; returns the
    // amount, 0 when nothing waits.
    std::int32_t PayStep(bool all);
    // The spin is over: its bet becomes the last bet.
    void EndSpin();
    // The win display moves on to the next win of the last spin.
    void AdvanceWinCursor();

    // Keys 1 to 5 pick the lines, 6 to 10 the credits per line; other keys do nothing. A credits
    // key the credits do not cover changes nothing.
    BetKeyOutcome SelectBetKey(int key);
    // What an accepted credits key does before it spins: the shown bet leaves the credits.
    void StakeShownBet();
    // Lights the keys of `linesBet` lines at `creditsPerLine`, as a start-up that keeps the
    // player's bet does, whatever the credits; false, changing nothing, for a bet no keys show.
    bool LightBet(int linesBet, int creditsPerLine);
    // Lights 9 lines, for the caller to press the last credits key; false, changing nothing,
    // when the credits are below the largest bet.
    bool SelectBetMax();

    // The bonus game a spin won and that has not paid yet, as it is kept.
    const std::optional<PendingBonus>& pendingBonus() const { return settled_.bonus; }
    // Deals the pending bonus game at the bet of the spin that won it: from the seed it was first
    // dealt from, or else from `seed`, which is then kept. The shared generator goes on from
    // where the deal left it. With no bonus pending, deals one at the bet the keys show.
    BingoGame DealBonusGame(std::uint32_t seed);
    // The player's card in the pending bonus game, kept as soon as it is chosen.
    void ChooseBonusCard(int card);
    // The dealt bonus game has reached its blackout: the chosen card's total is settled and
    // committed with the history's account of the game. Returns the total.
    std::int32_t SettleBonus();
    // The bonus game's window has handed back `win`: it waits to be shown paid and counts in the
    // shown game's and account's bonus. Returns what the game had paid before, where the
    // winnings meter goes on from.
    std::int32_t ApplyBonusWin(std::int32_t win);

    // The account becomes a new game's, and anything still to be paid of the old one is dropped.
    void NewGame();
    // Borrows or pays back `amount` credits (a positive number); the refusal, changing nothing.
    std::optional<Refusal> Borrow(std::int32_t amount);
    std::optional<Refusal> PayBack(std::int32_t amount);
    // How the shown game stands.
    Statistics TakeStatistics() const;

    // A slot's record, leaving the live account alone; a new game's with no store.
    SavedGame ReadSlot(int slot) const;
    // The live account becomes the slot's; false, changing nothing, with no store.
    bool Open(int slot);
    // Files the settled account under `name`; the reason when there is nowhere to file it.
    std::optional<Refusal> Store(int slot, const std::string& name);

  private:
    void Commit(const HistoryChange& change = {});
    // The account as the shown one, with every outstanding win paid.
    void SettleShown();
    PendingBonus& Pending();

    GameStore* store_ = nullptr;
    std::uint64_t ticket_ = 0;
    ReelSymbols reelSymbols_;
    SessionState state_;
    SettledGame settled_;
    std::optional<BingoGame> dealt_;  // the pending bonus game as dealt
    std::int32_t unpaid_ = 0;
    RandomGenerator random_;
};

}  // namespace quillane
