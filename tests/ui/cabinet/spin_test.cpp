// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <functional>

#include "cabinet_fixture.h"
#include "core/count_up.h"
#include "core/counters.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"
#include "storage/game_file.h"
#include "ui/account/slot_dialog.h"

namespace quillane::testing {
namespace {

using Phase = SpinCycle::Phase;

class SpinCycleTest : public CabinetFixture {
  protected:
    CabinetWindow& Ready() {
        CabinetWindow& cabinet = Start();
        PassStartup();
        sound.played.clear();
        return cabinet;
    }

    // Moves time on, a millisecond at a time, until the cycle is in `phase`.
    void RunTo(Phase phase) {
        for (int ms = 0; ms < 20000 && cabinet().cycle().phase() != phase; ++ms)
            clock.Advance(1);
        ASSERT_EQ(cabinet().cycle().phase(), phase);
    }

    SavedGame Stored() const { return GameFile(gameFile()).Read(kCurrentGameSlot); }

    // A seed for a spin that wins `least` or more and opens no bonus game.
    SpinResult SeedWin(std::int32_t least) {
        return SeedFor([least](const SpinResult& r) {
            return r.winToPay >= least && r.ballCount < kBonusBallCount;
        });
    }
    SpinResult SeedBonus() {
        return SeedFor([](const SpinResult& r) { return r.ballCount >= kBonusBallCount; });
    }
};

TEST_F(SpinCycleTest, TheSpinIsStoredBeforeTheReelsStopOnIt) {
    CabinetWindow& cabinet = Ready();
    const SpinResult expected = SeedFor([](const SpinResult& r) { return r.winToPay == 0; });
    RandomGenerator replay(session.seed());
    const SpinDraw draw = DrawSpin(replay, cabinet.cabinetGeometry().motionHeight);

    std::vector<std::uint32_t> stopTimes;
    std::vector<std::int32_t> storedSpins;
    const std::uint32_t start = clock.TickCount();
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop") {
            stopTimes.push_back(clock.TickCount() - start);
            storedSpins.push_back(Stored().account.spins);
        }
    };
    cabinet.PressKey(Qt::Key_Return);
    EXPECT_EQ(cabinet.cycle().phase(), Phase::Reels);
    EXPECT_TRUE(cabinet.busy());
    Settle();

    EXPECT_EQ(session.state().reelStops, draw.stops);
    EXPECT_EQ(session.seed(), replay.seed()) << "exactly ten draws";
    EXPECT_EQ(stopTimes, (std::vector<std::uint32_t>{525, 675, 825, 975, 1125}));
    EXPECT_EQ(storedSpins, std::vector<std::int32_t>(5, 1));
    EXPECT_FALSE(cabinet.busy());
    EXPECT_EQ(session.state().account, (Account{991, 1000, 1, 9, 0}));
    EXPECT_EQ(session.state().lastBet, 9);
    EXPECT_EQ(session.state().spin.window, expected.window);
    EXPECT_TRUE(cabinet.cycle().presenting()) << "the wilds animate after every spin";

    const int c = cabinet.cabinetGeometry().cellSize;
    for (int reel = 0; reel < kReelCount; ++reel) {
        const int n = expected.window[static_cast<std::size_t>(reel)][0];
        EXPECT_EQ(cabinet.surface().copy(cabinet.cabinetGeometry().reelLeft +
                                             reel * cabinet.cabinetGeometry().reelPitch,
                                         cabinet.cabinetGeometry().reelTop, c, c),
                  cabinet.pictures().symbolSheet.copy((n % 4) * c, (n / 4) * c, c, c))
            << "reel " << reel + 1 << " at rest on its stop";
    }
}

TEST_F(SpinCycleTest, TheReelsTurnOnUntilTheSpinIsStored) {
    CabinetWindow& cabinet = Ready();
    struct SlowStore : GameStore {
        SettledGame Current() const override { return {}; }
        SavedGame Slot(int) const override { return {}; }
        std::uint64_t Commit(const SettledGame&, const HistoryChange&) override { return 1; }
        std::uint64_t File(int, const std::string&, const Account&) override { return 1; }
        bool Written(std::uint64_t) const override { return written; }
        bool written = false;
    } store;
    session.UseStore(&store);
    std::optional<std::uint32_t> firstStop;
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop" && !firstStop)
            firstStop = clock.TickCount();
    };
    cabinet.PressKey(Qt::Key_Return);
    clock.Advance(2000);
    EXPECT_EQ(cabinet.cycle().phase(), Phase::Reels);
    EXPECT_FALSE(firstStop) << "no reel has stopped";
    store.written = true;
    const std::uint32_t stored = clock.TickCount();
    Settle();
    ASSERT_TRUE(firstStop);
    EXPECT_LE(*firstStop - stored, 25u) << "the first reel stops as soon as the spin is stored";
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "ReelStop"), 5);
    session.UseStore(&ledger());
}

TEST_F(SpinCycleTest, AWinIsCountedUpAfterTheWinSound) {
    CabinetWindow& cabinet = Ready();
    sound.fileLength = std::chrono::milliseconds(600);
    const SpinResult expected = SeedWin(100);
    std::vector<std::uint32_t> countTimes;
    std::vector<std::int32_t> credits;
    sound.onPlay = [&](const std::string& what) {
        if (what == "Count") {
            countTimes.push_back(clock.TickCount());
            credits.push_back(session.state().account.credits);
        }
    };
    cabinet.PressKey(Qt::Key_Return);
    RunTo(Phase::WinSound);
    const std::uint32_t soundStart = clock.TickCount();
    EXPECT_EQ(sound.played.back(), "BingoWin.wav");
    EXPECT_EQ(Stored().account.credits, 991 + expected.winToPay) << "stored whole before";
    EXPECT_EQ(session.state().account.credits, 991) << "shown as it is counted";
    Settle();

    std::vector<std::int32_t> steps;
    for (std::int32_t left = expected.winToPay; left > 0; left -= steps.back())
        steps.push_back(CountUpStep(left));
    ASSERT_EQ(countTimes.size(), steps.size());
    EXPECT_EQ(countTimes.front(), soundStart + 600);
    for (std::size_t i = 1; i < countTimes.size(); ++i) {
        EXPECT_EQ(countTimes[i] - countTimes[i - 1], 75u);
        EXPECT_EQ(credits[i] - credits[i - 1], steps[i]);
    }
    EXPECT_EQ(session.state().account.credits, 991 + expected.winToPay);
    EXPECT_EQ(session.state().gamePaid, expected.winToPay);
    EXPECT_EQ(session.settled().account, session.state().account);
}

TEST_F(SpinCycleTest, TheBonusGameOpensAfterTheCountUpAndPaysOnTop) {
    CabinetWindow& cabinet = Ready();
    const SpinResult expected = SeedBonus();
    cabinet.PressKey(Qt::Key_Return);
    RunTo(Phase::BonusLaunch);
    EXPECT_EQ(sound.played.back(), "Bingo5.wav") << "the bonus sound closes the spin's pay-out";
    EXPECT_FALSE(cabinet.cycle().presenting()) << "the display waits for the bonus game";
    EXPECT_TRUE(cabinet.busy()) << "no spin before the bonus game is played";
    ASSERT_TRUE(Stored().account.spins == 1 && session.pendingBonus());
    const std::uint32_t launch = clock.TickCount();
    RunTo(Phase::Idle);
    EXPECT_EQ(bonusGamesPlayed, 1);
    EXPECT_GE(clock.TickCount() - launch, 100u);

    RandomGenerator timeOfDay(seed);
    BingoGame game(timeOfDay, 9);
    game.PlayOut();
    const std::int32_t payout = game.total(bonusCard);
    EXPECT_EQ(session.state().bonusWin, payout);
    EXPECT_EQ(session.state().account.credits, 991 + expected.winToPay + payout);
    EXPECT_EQ(session.settled(), (SettledGame{session.state().account, std::nullopt}));
    EXPECT_EQ(Stored().account, session.state().account);
    ASSERT_TRUE(cabinet.history().records().back().bonus);
    EXPECT_EQ(cabinet.history().records().back().bonus->payout, payout);
    EXPECT_TRUE(cabinet.cycle().presenting());
}

// The counters keep stopping at their 32-bit limits, as the game file holds them, but the
// message strip says so: the spin count once, a win the credits could not take every time.
TEST_F(SpinCycleTest, CountersAtTheirLimitsAndAClippedWinAreSaid) {
    CabinetWindow& cabinet = Ready();
    QStringList strip;
    cabinet.painter().canvas().SetTextListener(
        [&](const QString& text, const QRect&) { strip << text; });
    const QString spinsNews = "The spin count has reached its limit; the statistics stop counting.";
    Arrange([](SessionState& s) { s.account.spins = kCounterLimit - 1; });
    SeedFor([](const SpinResult& r) { return r.ballCount < kBonusBallCount; });
    SpinAndSettle();
    SeedFor([](const SpinResult& r) { return r.ballCount < kBonusBallCount; });
    SpinAndSettle();
    EXPECT_EQ(session.state().account.spins, kCounterLimit);
    EXPECT_EQ(strip.count(spinsNews), 1) << strip.join('|').toStdString();

    const SpinResult win = SeedFor([](const SpinResult& r) {
        return r.winToPay >= 100 && r.winToPay < 1000 && r.ballCount < kBonusBallCount;
    });
    Arrange([](SessionState& s) { s.account.credits = kCounterLimit - 50; });
    strip.clear();
    SpinAndSettle();
    const std::int32_t lost = win.winToPay - 59;
    EXPECT_EQ(session.state().account.credits, kCounterLimit);
    EXPECT_TRUE(strip.contains(QString("Credits are at their limit; %1 credits of this win could "
                                       "not be paid.")
                                   .arg(lost)))
        << strip.join('|').toStdString();
    EXPECT_FALSE(cabinet.cycle().presenting()) << "the win display would write over it";
    EXPECT_EQ(strip.count(spinsNews), 0);
}

TEST_F(SpinCycleTest, NoBetWhenTheCreditsCoverNeither) {
    CabinetWindow& cabinet = Ready();
    for (std::int32_t credits : {0, 5}) {
        Arrange([&](SessionState& s) { s.account.credits = credits; });
        cabinet.PressKey(Qt::Key_Return);
    }
    EXPECT_EQ(messages.informed,
              (std::vector<std::string>{"No bet was placed!", "No bet was placed!"}));
    EXPECT_EQ(session.state().account.credits, 5);
    EXPECT_EQ(session.state().account.spins, 0);
    EXPECT_TRUE(cabinet.cycle().idle());
}

TEST_F(SpinCycleTest, TheLastBetIsStakedAgainAndAWinCountsFromZero) {
    Ready();
    Arrange([&](SessionState& s) {
        s.account.credits = 9;
        s.lastBet = 9;
    });
    const SpinResult expected = SeedWin(1);
    std::vector<std::int32_t> atStop;
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop")
            atStop.push_back(session.state().account.credits);
    };
    SpinAndSettle();
    ASSERT_EQ(atStop.size(), 5u);
    EXPECT_EQ(atStop.front(), 0) << "the stake leaves before the reels move";
    EXPECT_EQ(session.state().account.credits, expected.winToPay);
}

TEST_F(SpinCycleTest, TheWinDisplayGoesRoundTheWinningLinesAndAnimatesTheWilds) {
    CabinetWindow& cabinet = Ready();
    SeedFor([](const SpinResult& r) { return r.winToPay == 0; });
    SpinAndSettle();
    Arrange([](SessionState& s) {
        s.spin.lineWon = {};
        s.spin.lineWon[1] = s.spin.lineWon[6] = true;
        s.spin.lineWin[1] = 5;
        s.spin.lineWin[6] = 10;
        s.spin.winLength[1] = 3;
        s.spin.winLength[6] = 2;
        s.spin.winCursor = 2;
    });
    std::vector<int> shown;
    for (int tick = 0; tick < 23; ++tick) {
        clock.Advance(300);
        shown.push_back(session.state().spin.winCursor);
    }
    std::vector<int> expected(10, 2);
    expected.insert(expected.end(), 11, 7);
    expected.insert(expected.end(), 2, 2);
    EXPECT_EQ(shown, expected);

    Arrange([](SessionState& s) {
        s.spin = {};
        for (auto& column : s.spin.window)
            column = {sym::Ace, sym::King, sym::Queen};
        s.spin.window[0] = {sym::Ace, sym::Wild, sym::King};
        s.spin.winCursor = kNoWinCursor;
    });
    const int c = cabinet.cabinetGeometry().cellSize;
    std::vector<int> frames;
    for (int tick = 0; tick < 10; ++tick) {
        clock.Advance(300);
        const int f = cabinet.cycle().wildFrame();
        frames.push_back(f);
        ASSERT_EQ(cabinet.surface().copy(cabinet.cabinetGeometry().reelLeft,
                                         cabinet.cabinetGeometry().reelTop + c, c, c),
                  cabinet.pictures().symbolSheet.copy((f % 4) * c, (f / 4) * c, c, c));
    }
    // Frames run 3, 2, 1, 0, 1, 2, 3, 4, 3, ... from the first tick: these are ticks 24 to 33.
    EXPECT_EQ(frames, (std::vector<int>{4, 3, 2, 1, 0, 1, 2, 3, 4, 3}));
}

TEST_F(SpinCycleTest, BetKeysStakeAsTheyShould) {
    CabinetWindow& cabinet = Ready();
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    SeedFor([](const SpinResult& r) { return r.winToPay == 0; });
    SpinAndSettle();
    PressBetKey(2);
    EXPECT_FALSE(cabinet.cycle().presenting()) << "a lines key stops the display";
    EXPECT_EQ(session.state().settings.linesBet, 3);
    EXPECT_EQ(session.state().account.credits, 991) << "and takes no credits";
    EXPECT_EQ(session.state().lastBet, 0);
    EXPECT_EQ(At(g.Scale(300), g.Scale(55)), qRgb(0, 0, 0)) << "the message strip is cleared";

    Arrange([&](SessionState& s) { s.account.credits = 20; });
    PressBetKey(10);
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"You have 20, but you tried to bet 30 credits.  You cannot "
                                       "bet more credits than you have.  Borrow some credits or "
                                       "place a smaller bet."});
    EXPECT_EQ(session.state().settings.creditsKey, 6) << "the refused key changes nothing";
    Arrange([&](SessionState& s) { s.account.credits = 50; });
    PressBetKey(9);
    EXPECT_EQ(cabinet.cycle().phase(), Phase::Reels) << "a credits key spins at once";
    EXPECT_EQ(session.state().account.credits, 35);
    Settle();
    EXPECT_EQ(session.state().lastBet, 15);

    cabinet.Click(g.Scale(603), g.Scale(500));
    EXPECT_TRUE(cabinet.cycle().idle()) << "between the two buttons";
    Arrange([&](SessionState& s) { s.account.credits = 89; });
    cabinet.PressKey(Qt::Key_M);
    EXPECT_TRUE(cabinet.cycle().idle()) << "bet max needs 90 credits";
    Arrange([&](SessionState& s) { s.account.credits = 90; });
    cabinet.Click(g.Scale(600), g.Scale(500));
    EXPECT_EQ(session.state().bet, 90) << "bet max, at its edge";
    Settle();
    Arrange([&](SessionState& s) { s.account.credits = 1000; });
    cabinet.Click(g.Scale(606), g.Scale(485));
    EXPECT_FALSE(cabinet.cycle().idle()) << "the spin button's corner";
}

// A click in the middle of each key does that key's work; the lines keys stake nothing, the
// others take the bet at once. Each row starts from the settings the row before it left.
TEST_F(SpinCycleTest, EveryKeyAnswersAClickInItsMiddle) {
    CabinetWindow& cabinet = Ready();
    namespace layout = cabinet_layout;
    const struct {
        const char* name;
        layout::Box box;
        BetSettings after;
        std::int32_t staked;
    } clicks[] = {
        {"10 Credits", layout::HitBox(10), {9, 10, 5, 10}, 90},
        {"1 Payline", layout::HitBox(1), {1, 10, 1, 10}, 0},
        {"3 Paylines", layout::HitBox(2), {3, 10, 2, 10}, 0},
        {"5 Paylines", layout::HitBox(3), {5, 10, 3, 10}, 0},
        {"7 Paylines", layout::HitBox(4), {7, 10, 4, 10}, 0},
        {"1 Credit", layout::HitBox(6), {7, 1, 4, 6}, 7},
        {"2 Credits", layout::HitBox(7), {7, 2, 4, 7}, 14},
        {"3 Credits", layout::HitBox(8), {7, 3, 4, 8}, 21},
        {"5 Credits", layout::HitBox(9), {7, 5, 4, 9}, 35},
        {"9 Paylines", layout::HitBox(5), {9, 5, 5, 9}, 0},
        {"spin", layout::kSpinButton, {9, 5, 5, 9}, 45},
        {"bet max", layout::kBetMaxButton, {9, 10, 5, 10}, 90},
    };
    for (const auto& click : clicks) {
        Arrange([](SessionState& s) { s.account.credits = 1000; });
        ClickMiddle(click.box);
        EXPECT_EQ(session.state().settings, click.after) << click.name;
        EXPECT_EQ(session.state().account.credits, 1000 - click.staked) << click.name;
        EXPECT_EQ(cabinet.cycle().idle(), click.staked == 0) << click.name;
        Settle();
    }
}

// Every state answers the player's input: clicks and keys are dropped while a spin is under
// way, and in quick play Enter, Space or a click skips what can be skipped.
TEST_F(SpinCycleTest, InputInEachStateIsDroppedOrSkips) {
    CabinetWindow& cabinet = Ready();
    sound.fileLength = std::chrono::milliseconds(400);
    const struct {
        bool quick;
        Phase phase;
        bool skips;
    } cases[] = {{false, Phase::Reels, false},     {false, Phase::WinSound, false},
                 {false, Phase::CountUp, false},   {false, Phase::BonusLaunch, false},
                 {true, Phase::Reels, true},       {true, Phase::WinSound, true},
                 {true, Phase::BonusLaunch, false}};
    for (const auto& c : cases) {
        if (c.quick != cabinet.options().quickPlay)
            cabinet.action("quickPlay")->trigger();
        if (c.phase == Phase::BonusLaunch)
            SeedBonus();
        else
            SeedWin(200);
        const std::int32_t spins = session.state().account.spins;
        cabinet.PressKey(Qt::Key_Return);
        RunTo(c.phase);
        cabinet.Click(cabinet.cabinetGeometry().Scale(630), cabinet.cabinetGeometry().Scale(500));
        cabinet.PressKey(Qt::Key_M);
        cabinet.PressKey(Qt::Key_Space);
        clock.Advance(30);
        EXPECT_EQ(cabinet.cycle().phase() != c.phase, c.skips)
            << "quick " << c.quick << ", phase " << static_cast<int>(c.phase);
        Settle();
        EXPECT_EQ(session.state().account.spins, spins + 1) << "no second spin";
        EXPECT_EQ(session.state().account, session.settled().account);
    }
}

// What the player does from the menus during a spin acts on the spin as it is stored: whole.
TEST_F(SpinCycleTest, MenuCommandsInEachStateActOnTheSettledGame) {
    CabinetWindow& cabinet = Ready();
    sound.fileLength = std::chrono::milliseconds(400);
    const Phase phases[] = {Phase::Reels, Phase::WinSound, Phase::CountUp};
    for (const Phase phase : phases) {
        const SpinResult win = SeedWin(200);
        const Account before = session.settled().account;
        cabinet.PressKey(Qt::Key_Return);
        RunTo(phase);
        messages.answers.push_back("Mid-spin");
        cabinet.action("saveGame")->trigger();
        EXPECT_TRUE(cabinet.cycle().held()) << "the dialog holds the spin";
        auto* dialog = dynamic_cast<SlotDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->ChooseSlot(3);
        EXPECT_FALSE(cabinet.cycle().held());
        const SavedGame slot = GameFile(gameFile()).Read(2);
        EXPECT_EQ(slot.account.credits, before.credits - 9 + win.winToPay) << "the win counts";
        EXPECT_EQ(slot.account.spins, before.spins + 1);
        EXPECT_EQ(ledger().history().records().back().creditsAfter, slot.account.credits);

        cabinet.action("newGame")->trigger();
        EXPECT_TRUE(cabinet.cycle().idle()) << "the showing ends with the old game";
        EXPECT_EQ(session.state().account, Account{});
        EXPECT_EQ(Stored().account, Account{});
        clock.Advance(5000);
        EXPECT_EQ(session.state().account, Account{}) << "nothing of the old spin follows";
    }
}

TEST_F(SpinCycleTest, ClosingInEachStateStoresTheSpinWhole) {
    sound.fileLength = std::chrono::milliseconds(400);
    const Phase phases[] = {Phase::Reels, Phase::WinSound, Phase::CountUp};
    for (const Phase phase : phases) {
        std::filesystem::remove_all(configDir());
        CabinetWindow& cabinet = Ready();
        const SpinResult win = SeedFor([](const SpinResult& r) {
            return r.winToPay >= 100 && r.winToPay < 1000 && r.ballCount < kBonusBallCount;
        });
        cabinet.PressKey(Qt::Key_Return);
        RunTo(phase);
        EXPECT_TRUE(CloseWindow());
        EXPECT_EQ(Stored().account, (Account{991 + win.winToPay, 1000, 1, 9, 0}));
        EXPECT_TRUE(messages.questions.empty());
    }
}

// A bonus game cut off by the end of the program is offered again at the next start, with the
// same cards, calls and chosen card, and pays what it would have.
TEST_F(SpinCycleTest, AnInterruptedBonusGameIsPlayedAgainAtTheNextStart) {
    CabinetWindow& cabinet = Ready();
    const SpinResult expected = SeedBonus();
    std::vector<BingoGame> dealt;
    std::vector<std::optional<int>> chosen;
    cabinet.SetBonusOpener(
        [&](const BingoGame& game, std::optional<int> card, bool, SpinCycle::BonusEvents events) {
            dealt.push_back(game);
            chosen.push_back(card);
            events.chosen(3);
        });
    cabinet.PressKey(Qt::Key_Return);
    RunTo(Phase::BonusOpen);
    ASSERT_EQ(dealt.size(), 1u);
    EXPECT_TRUE(CloseWindow()) << "the bonus window does not hold the end of the program";
    const std::int32_t credits = 991 + expected.winToPay;
    EXPECT_EQ(Stored().account.credits, credits);

    seed = 777;  // another time of day: the kept seed must be used all the same
    CabinetWindow& again = Start();
    again.SetBonusOpener(
        [&](const BingoGame& game, std::optional<int> card, bool, SpinCycle::BonusEvents events) {
            dealt.push_back(game);
            chosen.push_back(card);
            events.blackout();
            events.closed();
        });
    EXPECT_EQ(session.state().account.credits, credits);
    PassStartup();
    RunTo(Phase::Idle);
    ASSERT_EQ(dealt.size(), 2u);
    for (int call = 1; call <= kBingoNumbers; ++call)
        ASSERT_EQ(dealt[1].CallNumber(call), dealt[0].CallNumber(call));
    EXPECT_EQ(dealt[1].card(3).numbers, dealt[0].card(3).numbers);
    EXPECT_EQ(chosen, (std::vector<std::optional<int>>{std::nullopt, 3}));
    BingoGame played = dealt[0];
    played.PlayOut();
    EXPECT_EQ(session.state().account.credits, credits + played.total(3));
    EXPECT_EQ(Stored().account.credits, credits + played.total(3));
    EXPECT_FALSE(session.pendingBonus());
}

}  // namespace
}  // namespace quillane::testing
