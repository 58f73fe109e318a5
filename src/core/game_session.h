#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/account.h"
#include "core/account_rules.h"
#include "core/bingo.h"
#include "core/random.h"
#include "core/reels.h"
#include "core/saved_game.h"
#include "core/slot_store.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"

namespace quillane {

// The bet the keys show; at every program start keys 5 and 6 are lit, 9 lines at 1 credit.
struct BetSettings {
    int linesBet = 9;
    int creditsPerLine = 1;
    int linesKey = 5;
    int creditsKey = 6;

    bool operator==(const BetSettings&) const = default;
};

// Where a game stands between two operations; the account alone is saved with it.
struct SessionState {
    Account account;
    BetSettings settings;
    std::int32_t bet = 0;      // staked on the spin under way; 0 between spins
    std::int32_t lastBet = 0;  // staked again while the credits cover it; any bet key clears it
    ReelStops reelStops = kStartStops;
    SpinResult spin;            // the last spin; its win cursor moves as the win display cycles
    std::int32_t bonusWin = 0;  // the bonus game's win, once it has been played
    std::int32_t gamePaid = 0;  // line and scatter wins, plus the bonus once it has paid
};

// What pressing a bet key did.
struct BetKeyOutcome {
    bool accepted = false;               // the key is lit and the bet settings follow it
    std::optional<std::string> refusal;  // why a credits key was refused, to be shown
};

// One player's game and its rules of play, apart from any window: the account, the bet, the
// reels, and the generator the spins share with the bonus game.
class GameSession {
  public:
    // `style` writes the numbers of the borrowing refusals.
    explicit GameSession(NumberStyle style = {});
    // The games are read from and filed in `store`; null when there is no game file.
    void UseStore(SlotStore* store);

    const SessionState& state() const { return state_; }
    // Puts the game where `state` says, as a saved position or a test's set-up does.
    void Restore(const SessionState& state) { state_ = state; }
    // The bet the keys show: lines times credits per line.
    std::int32_t shownBet() const {
        return state_.settings.linesBet * state_.settings.creditsPerLine;
    }
    const ReelSymbols& reelSymbols() const { return reelSymbols_; }
    // The last spin showed enough balls for the bonus game.
    bool bonusTriggered() const;
    std::uint32_t seed() const { return random_.seed(); }
    void Seed(std::uint32_t seed) { random_.Seed(seed); }

    // Takes the spin's bet: one a key placed, else the last bet or the shown one, if the credits
    // cover it. False when no bet could be placed, and the spin must not go ahead.
    bool StakeSpin();
    // Whether StakeSpin would place a bet now.
    bool CanStakeSpin() const;
    // Counts the bet and the spin and draws where the reels' motion starts and where they stop.
    SpinDraw StartReels(int motionStripHeight);
    // Scores the stops; the win is what the game paid so far, and waits for PayStep.
    const SpinResult& Score();
    // Moves one count-up step of the win, or all of it, into the credits; returns the amount,
    // 0 when nothing waits.
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
    // Lights 9 lines, for the caller to press the last credits key; false, changing nothing,
    // when the credits are below the largest bet.
    bool SelectBetMax();

    // Reseeds the shared generator with `seed` and deals the bonus game from it at the bet the
    // keys show; the generator goes on from where the deal left it.
    BingoGame DealBonusGame(std::uint32_t seed);
    // The bonus game won `win`: it waits to be paid and counts in the game's and the account's
    // bonus. Returns what the game had paid before, where the winnings meter goes on from.
    std::int32_t ApplyBonusWin(std::int32_t win);

    // The account becomes a new game's.
    void NewGame();
    // Borrows or pays back `amount` credits (a positive number); the refusal, changing nothing.
    std::optional<std::string> Borrow(std::int32_t amount);
    std::optional<std::string> PayBack(std::int32_t amount);
    // How the live game stands.
    Statistics TakeStatistics() const;

    // A slot's record, leaving the live account alone; a new game's with no game file.
    SavedGame ReadSlot(int slot) const;
    // The live account becomes the slot's; false, changing nothing, with no game file.
    bool Open(int slot);
    // Files the live account under `name`; the reason when it could not be filed.
    std::optional<std::string> Store(int slot, const std::string& name);

  private:
    NumberStyle style_;
    SlotStore* store_ = nullptr;
    ReelSymbols reelSymbols_;
    SessionState state_;
    RandomGenerator random_;
};

}  // namespace quillane
