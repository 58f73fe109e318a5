// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game_session.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

namespace quillane {
namespace {

constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();

// The games in memory: every commit is kept in order, and written at once.
class MemoryStore : public GameStore {
  public:
    SettledGame Current() const override { return current; }
    SavedGame Slot(int slot) const override {
        const auto found = games.find(slot);
        return found != games.end() ? found->second : SavedGame{SlotSection(slot), "today", {}};
    }
    std::uint64_t Commit(const SettledGame& game, const HistoryChange& change) override {
        current = game;
        commits.push_back({game, change.kind});
        return commits.size();
    }
    std::uint64_t File(int slot, const std::string& name, const Account& account) override {
        games[slot] = {name, "today", account};
        return commits.size();
    }
    bool Written(std::uint64_t) const override { return true; }

    SettledGame current;
    std::map<int, SavedGame> games;
    std::vector<std::pair<SettledGame, HistoryChange::Kind>> commits;
};

// A session playing `account`, read from a store that stays alive with it.
struct Table {
    explicit Table(const Account& account) {
        store.current.account = account;
        session.UseStore(&store);
    }
    MemoryStore store;
    GameSession session;
};

TEST(GameSessionSpin, StakesDrawsAndPaysWhatTheStopsScore) {
    GameSession session;
    session.Seed(7);
    RandomGenerator reference(7);
    std::int32_t credits = 1000;
    bool countedInSteps = false;
    for (int spin = 1; spin <= 300; ++spin) {
        ASSERT_TRUE(session.StakeSpin());
        const SpinDraw draw = session.PlaySpin(912);
        const SpinDraw expected = DrawSpin(reference, 912);
        ASSERT_EQ(draw.stops, expected.stops) << spin;
        ASSERT_EQ(draw.motionOffsets, expected.motionOffsets) << spin;
        const std::int32_t win = ScoreSpin(DecodeStrips(), draw.stops, 9, 1).winToPay;
        EXPECT_EQ(session.state().gamePaid, win);
        EXPECT_EQ(session.settled().account.credits, credits + win - 9)
            << "settled whole at the draw";
        while (const std::int32_t step = session.PayStep(spin % 2 == 0))
            countedInSteps |= step < win;
        credits += win - 9;
        ASSERT_EQ(session.state().account.credits, credits) << spin;
        session.EndSpin();
    }
    EXPECT_TRUE(countedInSteps) << "some win was counted up in several steps";
    EXPECT_EQ(session.state().account.spins, 300);
    EXPECT_EQ(session.state().account.totalBets, 2700);
}

// Seed 1's first two spins pay nothing at 9 lines of 2 credits.
TEST(GameSessionSpin, RestakesTheLastBetUntilTheCreditsRunShort) {
    Table table({.credits = 40, .borrowed = 0});
    GameSession& s = table.session;
    s.Seed(1);
    const auto play = [&s] {
        s.PlaySpin(912);
        ASSERT_EQ(s.state().spin.winToPay, 0);
        s.EndSpin();
    };
    ASSERT_TRUE(s.SelectBetKey(7).accepted);
    s.StakeShownBet();
    ASSERT_TRUE(s.StakeSpin()) << "the key's bet is kept and takes nothing more";
    EXPECT_EQ(s.state().account.credits, 22);
    play();
    ASSERT_TRUE(s.StakeSpin());
    EXPECT_EQ(s.state().bet, 18);
    EXPECT_EQ(s.state().account.credits, 4);
    play();
    EXPECT_FALSE(s.StakeSpin());
    EXPECT_EQ(s.state().account.credits, 4);

    ASSERT_TRUE(s.SelectBetKey(1).accepted);
    EXPECT_EQ(s.state().lastBet, 0) << "a bet key clears the last bet";
    ASSERT_TRUE(s.StakeSpin());
    EXPECT_EQ(s.state().bet, 2) << "1 line at 2 credits";
    EXPECT_EQ(s.state().account.credits, 2);
}

TEST(GameSessionBets, NinetyCreditsCoverTheLargestBetAndEightyNineDoNot) {
    Table table({.credits = 89, .borrowed = 0});
    GameSession& s = table.session;
    ASSERT_TRUE(s.SelectBetKey(1).accepted);
    EXPECT_FALSE(s.SelectBetMax());
    EXPECT_EQ(s.shownBet(), 1) << "a refused Bet Max changes nothing";
    ASSERT_TRUE(s.SelectBetKey(5).accepted);
    const BetKeyOutcome refused = s.SelectBetKey(10);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.refusal, (Refusal{Refusal::Kind::CreditsKey, 90, 89, 0}));
    EXPECT_EQ(s.shownBet(), 9) << "a refused key changes nothing";
    EXPECT_FALSE(s.SelectBetKey(11).accepted);

    s.Borrow(1);
    ASSERT_TRUE(s.SelectBetKey(1).accepted);
    ASSERT_TRUE(s.SelectBetMax());
    EXPECT_EQ(s.state().settings.linesKey, 5);
    ASSERT_TRUE(s.SelectBetKey(10).accepted);
    s.StakeShownBet();
    EXPECT_EQ(s.state().bet, 90);
    EXPECT_EQ(s.state().account.credits, 0);
}

TEST(GameSessionAccount, BorrowsAndPaysBackWithinTheLimits) {
    Table table({.credits = 50, .borrowed = 10});
    GameSession& s = table.session;
    EXPECT_EQ(s.PayBack(100), (Refusal{Refusal::Kind::PayBackUncovered, 100, 50, 0}));
    EXPECT_EQ(s.PayBack(11), (Refusal{Refusal::Kind::PayBackUnborrowed, 11, 10, 0}));
    EXPECT_FALSE(s.PayBack(10));
    EXPECT_EQ(s.state().account, (Account{.credits = 40, .borrowed = 0}));

    Table rich({.credits = kMost - 647, .borrowed = 0});
    EXPECT_EQ(rich.session.Borrow(648),
              (Refusal{Refusal::Kind::BorrowPastLimit, 648, kMost - 647, kMost}));
    EXPECT_FALSE(rich.session.Borrow(647));
    EXPECT_EQ(rich.session.state().account.credits, kMost);
    Table indebted({.credits = 0, .borrowed = kMost});
    EXPECT_TRUE(indebted.session.Borrow(1)) << "nor may the borrowed credits";

    rich.session.NewGame();
    EXPECT_EQ(rich.session.state().account, Account{});
}

TEST(GameSessionAccount, StatisticsCountPastThirtyTwoBits) {
    const Statistics s = TakeStatistics(
        {.credits = 1500, .borrowed = 2000, .spins = 7, .totalBets = 1000, .bonusTotal = 300});
    EXPECT_EQ(s.payoffs, 500);
    EXPECT_EQ(s.normalPayoffs, 200);
    EXPECT_DOUBLE_EQ(s.payoffPercentage, 50.0);

    const Statistics top = TakeStatistics(
        {.credits = kMost, .borrowed = 0, .spins = kMost, .totalBets = kMost, .bonusTotal = kMost});
    EXPECT_EQ(top.payoffs, 4294967294) << "no 32-bit wrap to -2";
    EXPECT_EQ(top.normalPayoffs, kMost);
    EXPECT_DOUBLE_EQ(top.payoffPercentage, 200.0);

    EXPECT_EQ(TakeStatistics({.credits = 300, .borrowed = 1000}).payoffPercentage, 0.0)
        << "no bets yet";
}

TEST(GameSessionSlots, ReadsOpensAndStoresGames) {
    Table table({.credits = 1234});
    GameSession& s = table.session;
    table.store.games[2] = {"saved", "12/31/99", {.credits = 5, .borrowed = 6, .spins = 7}};
    EXPECT_EQ(s.ReadSlot(2).name, "saved");
    EXPECT_EQ(s.state().account.credits, 1234) << "reading a slot leaves the live game alone";

    ASSERT_FALSE(s.Store(5, "mine"));
    EXPECT_EQ(table.store.games[5].account.credits, 1234);
    ASSERT_TRUE(s.Open(2));
    EXPECT_EQ(s.state().account, (Account{.credits = 5, .borrowed = 6, .spins = 7}));
    EXPECT_EQ(table.store.commits.back().second, HistoryChange::Kind::FromSlot);
    ASSERT_TRUE(s.Open(5));
    EXPECT_EQ(s.state().account.credits, 1234);

    GameSession unfiled;
    EXPECT_EQ(unfiled.Store(0, "x"), Refusal{Refusal::Kind::NoGameFile});
    EXPECT_FALSE(unfiled.Open(0));
    EXPECT_EQ(unfiled.ReadSlot(0).account, Account{});
}

// Every change of the account reaches the store at once, whole, and a slot takes the settled
// game: a win still being counted up counts.
TEST(GameSessionStore, EveryChangeIsCommittedAsItSettles) {
    Table table({.credits = 100, .borrowed = 100});
    GameSession& s = table.session;
    s.Seed(3);
    ASSERT_TRUE(s.StakeSpin());
    s.PlaySpin(912);
    const std::int32_t win = s.state().spin.winToPay;
    EXPECT_EQ(table.store.current.account, (Account{100 - 9 + win, 100, 1, 9, 0}));
    EXPECT_EQ(table.store.commits.back().second, HistoryChange::Kind::AddSpin);
    EXPECT_EQ(s.state().account.credits, 91) << "shown as it is counted up";
    ASSERT_FALSE(s.Store(0, "mid-count"));
    EXPECT_EQ(table.store.games[0].account.credits, 91 + win);

    s.Borrow(10);
    EXPECT_EQ(table.store.current.account.credits, 101 + win) << "borrowed on top of the win";
    s.PayStep(true);
    EXPECT_EQ(s.state().account, table.store.current.account);
    s.NewGame();
    EXPECT_EQ(table.store.current, SettledGame{});
    EXPECT_EQ(table.store.commits.back().second, HistoryChange::Kind::NewGame);
}

TEST(GameSessionBonus, AWonBonusGameIsKeptUntilItPaysWithTheSeedAndCardItWasPlayedWith) {
    Table table({});
    GameSession& s = table.session;
    for (std::uint32_t seed = 1; !s.bonusTriggered(); ++seed) {
        s.Seed(seed);
        ASSERT_TRUE(s.StakeSpin());
        s.PlaySpin(912);
        s.PayStep(true);
        s.EndSpin();
    }
    const SettledGame afterSpin = table.store.current;
    ASSERT_EQ(afterSpin.bonus, (PendingBonus{9, 1, std::nullopt, std::nullopt}));

    const BingoGame dealt = s.DealBonusGame(4242);
    RandomGenerator fresh(4242);
    const BingoGame expected(fresh, 9);
    for (int call = 1; call <= kBingoNumbers; ++call)
        ASSERT_EQ(dealt.CallNumber(call), expected.CallNumber(call)) << call;
    EXPECT_EQ(s.seed(), fresh.seed()) << "the spins go on from where the deal left off";
    EXPECT_EQ(table.store.current.bonus->seed, 4242u) << "kept as soon as it is taken";
    EXPECT_EQ(s.DealBonusGame(1).card(2).numbers, dealt.card(2).numbers)
        << "dealt again from the kept seed, not the new one";
    s.ChooseBonusCard(2);
    EXPECT_EQ(table.store.current.bonus->card, 2);

    BingoGame played = dealt;
    played.PlayOut();
    const std::int32_t payout = s.SettleBonus();
    EXPECT_EQ(payout, played.total(2));
    EXPECT_EQ(table.store.current,
              (SettledGame{{afterSpin.account.credits + payout, 1000, afterSpin.account.spins,
                            afterSpin.account.totalBets, payout},
                           std::nullopt}));
    EXPECT_EQ(table.store.commits.back().second, HistoryChange::Kind::AttachBonus);
    EXPECT_EQ(s.state().account.credits, afterSpin.account.credits) << "shown when it is paid";
    const std::int32_t paidBefore = s.state().gamePaid;
    EXPECT_EQ(s.ApplyBonusWin(payout), paidBefore);
    EXPECT_EQ(s.state().gamePaid, paidBefore + payout);
    s.PayStep(true);
    EXPECT_EQ(s.state().account, table.store.current.account);

    ASSERT_TRUE(s.StakeSpin());
    s.PlaySpin(912);
    EXPECT_EQ(s.state().bonusWin, 0) << "the next spin shows no bonus win";

    Table full({.bonusTotal = kMost - 1});
    full.session.ApplyBonusWin(250);
    EXPECT_EQ(full.session.state().account.bonusTotal, kMost);
}

}  // namespace
}  // namespace quillane
