#include <functional>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"

namespace quillane::testing {
namespace {

class SpinCycle : public CabinetFixture {
  protected:
    CabinetWindow& Ready() {
        CabinetWindow& form = Start();
        PassStartup();
        sound.played.clear();
        return form;
    }

    // Runs `action` once, `ms` from now: in the middle of the spin that follows.
    void After(std::uint32_t ms, std::function<void()> action) {
        auto fired = std::make_shared<bool>(false);
        probes_.push_back(clock.NewTimer(static_cast<int>(ms), true, [fired, action] {
            if (*fired)
                return;
            *fired = true;
            action();
        }));
    }

    std::vector<std::unique_ptr<Timer>> probes_;
};

TEST_F(SpinCycle, ASpinTakesTheBetDrawsTenTimesAndStopsTheReelsInTurn) {
    CabinetWindow& form = Ready();
    const SpinResult expected = SeedFor([](const SpinResult& r) { return r.winToPay == 0; });
    RandomGenerator replay(session.seed());
    const SpinDraw draw = DrawSpin(replay, form.cabinetGeometry().motionHeight);

    std::vector<std::uint32_t> stopTimes;
    std::vector<bool> busyAtStops;
    const std::uint32_t start = clock.TickCount();
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop") {
            stopTimes.push_back(clock.TickCount() - start);
            busyAtStops.push_back(form.busy());
        }
    };
    form.PressKey(Qt::Key_Return);

    EXPECT_EQ(session.state().reelStops, draw.stops);
    EXPECT_EQ(session.seed(), replay.seed()) << "exactly ten draws";
    EXPECT_EQ(stopTimes, (std::vector<std::uint32_t>{525, 675, 825, 975, 1125}));
    EXPECT_EQ(busyAtStops, std::vector<bool>(5, true));
    EXPECT_FALSE(form.busy());
    EXPECT_EQ(session.state().account, (Account{991, 1000, 1, 9, 0}));
    EXPECT_EQ(session.state().lastBet, 9);
    EXPECT_EQ(session.state().bet, 0);
    EXPECT_EQ(session.state().spin.window, expected.window);
    EXPECT_GT(clock.waits(), 40) << "the animation waits between its ticks";
    EXPECT_TRUE(form.winDisplayTimer().enabled()) << "the wilds animate after every spin";

    const int c = form.cabinetGeometry().cellSize;
    for (int reel = 0; reel < kReelCount; ++reel) {
        const int n = expected.window[static_cast<std::size_t>(reel)][0];
        EXPECT_EQ(form.surface().copy(
                      form.cabinetGeometry().reelLeft + reel * form.cabinetGeometry().reelPitch,
                      form.cabinetGeometry().reelTop, c, c),
                  form.pictures().symbolSheet.copy((n % 4) * c, (n / 4) * c, c, c))
            << "reel " << reel + 1 << " at rest on its stop";
    }
}

TEST_F(SpinCycle, AWinIsCountedUpAfterTheWinSound) {
    CabinetWindow& form = Ready();
    const SpinResult expected = SeedFor(
        [](const SpinResult& r) { return r.winToPay >= 10 && r.ballCount < kBonusBallCount; });
    std::vector<std::int32_t> credits;
    sound.onPlay = [&](const std::string& what) {
        if (what == "Count")
            credits.push_back(session.state().account.credits);
    };
    form.Spin();
    ASSERT_GE(sound.played.size(), 6u);
    EXPECT_EQ(sound.played[5], "BingoWin.wav (waited)");
    EXPECT_EQ(session.state().account.credits, 991 + expected.winToPay);
    ASSERT_FALSE(credits.empty());
    EXPECT_EQ(credits.back(), 991 + expected.winToPay);
    EXPECT_EQ(session.state().gamePaid, expected.winToPay);
    EXPECT_EQ(session.state().spin.winToPay, 0);
    EXPECT_FALSE(form.busy());
}

TEST_F(SpinCycle, CountingUp1250Takes77StepsOf75Milliseconds) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 0; });
    Arrange([&](SessionState& s) { s.spin.winToPay = 1250; });
    std::vector<std::int32_t> left;
    std::vector<std::uint32_t> times;
    sound.onPlay = [&](const std::string&) {
        left.push_back(session.state().spin.winToPay);
        times.push_back(clock.TickCount());
    };
    form.CountUpWin(0);
    ASSERT_EQ(left.size(), 77u);
    ASSERT_EQ(times.size(), 77u);
    EXPECT_EQ((std::vector<std::int32_t>(left.begin(), left.begin() + 3)),
              (std::vector<std::int32_t>{1150, 1050, 950}));
    EXPECT_EQ(left.back(), 0);
    EXPECT_EQ(times.back() - times.front(), 76u * 75u);
    EXPECT_EQ(session.state().account.credits, 1250);
    EXPECT_EQ(sound.played, std::vector<std::string>(77, "Count"));

    sound.played.clear();
    Arrange([&](SessionState& s) { s.spin.winToPay = 7; });
    form.CountUpWin(1250);
    EXPECT_EQ(sound.played.size(), 7u);
    EXPECT_EQ(session.state().account.credits, 1257);
}

TEST_F(SpinCycle, ThreeBallsArmTheBonusAfterTheCountUp) {
    CabinetWindow& form = Ready();
    const SpinResult expected =
        SeedFor([](const SpinResult& r) { return r.ballCount >= kBonusBallCount; });
    form.Spin();
    EXPECT_EQ(sound.played.back(), "Bingo5.wav") << "the bonus sound closes the pay-out";
    EXPECT_TRUE(form.bonusLaunchTimer().enabled());
    EXPECT_FALSE(form.winDisplayTimer().enabled()) << "the display waits for the bonus";
    EXPECT_EQ(session.state().account.credits, 991 + expected.winToPay);
    clock.Advance(100);
    EXPECT_EQ(bonusGamesPlayed, 1);
    clock.Advance(1000);
    EXPECT_EQ(bonusGamesPlayed, 1) << "opens the bonus once";
    EXPECT_FALSE(form.bonusLaunchTimer().enabled());
    EXPECT_TRUE(form.winDisplayTimer().enabled());
    EXPECT_EQ(session.state().bonusWin, 0);
    EXPECT_EQ(session.state().account.credits, 991 + expected.winToPay);
}

TEST_F(SpinCycle, NoBetWhenTheCreditsCoverNeither) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 0; });
    form.Spin();
    Arrange([&](SessionState& s) { s.account.credits = 5; });
    form.Spin();
    EXPECT_EQ(messages.informed,
              (std::vector<std::string>{"No bet was placed!", "No bet was placed!"}));
    EXPECT_EQ(session.state().account.credits, 5);
    EXPECT_EQ(session.state().account.spins, 0);
}

TEST_F(SpinCycle, TheLastBetIsStakedAgainAndAWinCountsFromZero) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 9; });
    Arrange([&](SessionState& s) { s.lastBet = 9; });
    const SpinResult expected =
        SeedFor([](const SpinResult& r) { return r.winToPay > 0 && r.ballCount < 3; });
    std::vector<std::int32_t> atStop;
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop")
            atStop.push_back(session.state().account.credits);
    };
    form.Spin();
    ASSERT_EQ(atStop.size(), 5u);
    EXPECT_EQ(atStop.front(), 0) << "the stake leaves before the reels move";
    EXPECT_EQ(session.state().account.credits, expected.winToPay);
}

TEST_F(SpinCycle, TheWinDisplayGoesRoundTheWinningLines) {
    CabinetWindow& form = Ready();
    Arrange([](SessionState& s) {
        s.spin.lineWon = {};
        s.spin.lineWon[1] = s.spin.lineWon[6] = true;
        s.spin.lineWin[1] = 5;
        s.spin.lineWin[6] = 10;
        s.spin.winLength[1] = 3;
        s.spin.winLength[6] = 2;
        s.spin.winCursor = 2;
        s.gamePaid = 15;
    });
    form.winDisplayTimer().SetEnabled(true);
    std::vector<int> shown;
    for (int tick = 0; tick < 23; ++tick) {
        clock.Advance(300);
        shown.push_back(session.state().spin.winCursor);
    }
    std::vector<int> expected(10, 2);
    expected.insert(expected.end(), 11, 7);
    expected.insert(expected.end(), 2, 2);
    EXPECT_EQ(shown, expected);
}

TEST_F(SpinCycle, WildsAnimateThroughTheirFrames) {
    CabinetWindow& form = Ready();
    Arrange([](SessionState& s) {
        s.spin = {};
        for (auto& column : s.spin.window)
            column = {sym::Ace, sym::King, sym::Queen};
        s.spin.window[0] = {sym::Ace, sym::Wild, sym::King};
        s.spin.winCursor = kNoWinCursor;
    });
    form.winDisplayTimer().SetEnabled(true);
    const int c = form.cabinetGeometry().cellSize;
    std::vector<int> frames;
    for (int tick = 0; tick < 10; ++tick) {
        clock.Advance(300);
        frames.push_back(form.wildFrame());
        const int f = form.wildFrame();
        ASSERT_EQ(form.surface().copy(form.cabinetGeometry().reelLeft,
                                      form.cabinetGeometry().reelTop + c, c, c),
                  form.pictures().symbolSheet.copy((f % 4) * c, (f / 4) * c, c, c));
    }
    EXPECT_EQ(frames, (std::vector<int>{3, 2, 1, 0, 1, 2, 3, 4, 3, 2}));
}

TEST_F(SpinCycle, ALinesKeyStopsTheDisplayAndTakesNoCredits) {
    CabinetWindow& form = Ready();
    Arrange([](SessionState& s) {
        s.spin.winCursor = 1;
        s.spin.lineWon[0] = true;
    });
    form.winDisplayTimer().SetEnabled(true);
    clock.Advance(300);
    form.PressBetKey(2);
    EXPECT_FALSE(form.winDisplayTimer().enabled());
    EXPECT_EQ(session.state().settings.linesBet, 3);
    EXPECT_EQ(session.state().settings.linesKey, 2);
    EXPECT_EQ(session.state().account.credits, 1000);
    EXPECT_EQ(session.state().lastBet, 0);
    EXPECT_EQ(At(form.cabinetGeometry().Scale(300), form.cabinetGeometry().Scale(55)),
              qRgb(0, 0, 0))
        << "the message strip is cleared";
    EXPECT_EQ(session.state().account.spins, 0);
}

TEST_F(SpinCycle, ACreditsKeyStakesAndSpinsAtOnce) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 50; });
    std::vector<std::int32_t> atStop;
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop")
            atStop.push_back(session.state().account.credits);
    };
    form.PressBetKey(9);
    ASSERT_EQ(atStop.size(), 5u);
    EXPECT_EQ(atStop.front(), 5);
    EXPECT_EQ(session.state().settings.creditsPerLine, 5);
    EXPECT_EQ(session.state().account.spins, 1);
    EXPECT_EQ(session.state().lastBet, 45);
}

TEST_F(SpinCycle, ACreditsKeyBeyondTheCreditsIsRefused) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 50; });
    form.PressBetKey(10);
    EXPECT_EQ(
        messages.informed,
        std::vector<std::string>{"You have 50, but you tried to bet 90 credits.  You cannot bet "
                                 "more credits than you have.  Borrow some credits or place a "
                                 "smaller bet."});
    EXPECT_EQ(session.state().settings.creditsPerLine, 1);
    EXPECT_EQ(session.state().settings.creditsKey, 6);
    EXPECT_EQ(session.state().account.credits, 50);
}

TEST_F(SpinCycle, TheButtonsAreHitOnlyInsideTheirRectangles) {
    CabinetWindow& form = Ready();
    REQUIRE_LAYOUT_WIDTH(form, 800);
    form.Click(603, 500);
    EXPECT_EQ(session.state().account.spins, 0) << "between the two buttons";
    form.Click(600, 500);
    EXPECT_EQ(session.state().account.spins, 1);
    EXPECT_EQ(session.state().lastBet, 90) << "bet max";
    EXPECT_EQ(session.state().settings.linesKey, 5);
    EXPECT_EQ(session.state().settings.creditsKey, 10);
    form.Click(606, 485);
    EXPECT_EQ(session.state().account.spins, 2) << "the spin button's corner";
    form.Click(227, 497);
    EXPECT_EQ(session.state().settings.linesBet, 3) << "the 3-paylines key's corner";
}

TEST_F(SpinCycle, BetMaxWithoutNinetyCreditsOnlyStopsTheDisplay) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 89; });
    form.winDisplayTimer().SetEnabled(true);
    form.PressKey(Qt::Key_M);
    EXPECT_FALSE(form.winDisplayTimer().enabled());
    EXPECT_EQ(session.state().account.credits, 89);
    EXPECT_EQ(session.state().settings.creditsPerLine, 1);
    EXPECT_TRUE(messages.informed.empty());
}

TEST_F(SpinCycle, ClicksAndKeysDuringASpinAreDropped) {
    CabinetWindow& form = Ready();
    After(300, [&] {
        form.PressKey(Qt::Key_Space);
        form.Click(form.cabinetGeometry().Scale(630), form.cabinetGeometry().Scale(500));
        form.PressKey(Qt::Key_M);
    });
    form.PressKey(Qt::Key_Space);
    EXPECT_EQ(session.state().account.spins, 1);
    EXPECT_EQ(session.state().account.totalBets, 9);
}

TEST_F(SpinCycle, MenuCommandsStillRunDuringASpin) {
    CabinetWindow& form = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 200; });
    const SpinResult expected =
        SeedFor([](const SpinResult& r) { return r.winToPay > 0 && r.ballCount < 3; });
    After(300, [&] { form.action("newGame")->trigger(); });
    form.Spin();
    EXPECT_EQ(session.state().account.credits, 1000 + expected.winToPay)
        << "the new game's credits, and the spin's win on top";
}

TEST_F(SpinCycle, NewGameDuringASpinKeepsTheControlsLocked) {
    CabinetWindow& form = Ready();
    SeedFor([](const SpinResult& r) { return r.winToPay == 0; });
    After(300, [&] { form.action("newGame")->trigger(); });
    After(400, [&] { form.PressKey(Qt::Key_Space); });
    form.Spin();
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "ReelStop"), 5)
        << "no second spin inside the first";
    EXPECT_FALSE(form.busy());
}

TEST_F(SpinCycle, ClosingDuringASpinStoresTheWin) {
    CabinetWindow& form = Ready();
    const SpinResult expected = SeedFor([](const SpinResult& r) { return r.winToPay > 0; });
    After(400, [&] { form.close(); });
    form.Spin();
    clock.ProcessEvents();
    EXPECT_FALSE(form.isVisible()) << "the window closed once the spin was paid";
    const SavedGame stored = GameFile(gameFile()).Read(kCurrentGameSlot);
    EXPECT_EQ(stored.account.credits, 991 + expected.winToPay);
    EXPECT_EQ(stored.account.spins, 1);
    EXPECT_EQ(stored.account.totalBets, 9);
    EXPECT_FALSE(form.bonusLaunchTimer().enabled()) << "no bonus game on the way out";
}

TEST_F(SpinCycle, ClosingDuringTheCountUpPaysTheRestAtOnce) {
    CabinetWindow& form = Ready();
    const SpinResult expected = SeedFor(
        [](const SpinResult& r) { return r.winToPay >= 100 && r.ballCount < kBonusBallCount; });
    int counted = 0;
    sound.onPlay = [&](const std::string& what) { counted += what == "Count"; };
    After(1300, [&] { form.action("exit")->trigger(); });
    form.Spin();
    clock.ProcessEvents();
    EXPECT_FALSE(form.isVisible());
    EXPECT_GT(counted, 0) << "the count-up had begun";
    EXPECT_LT(counted, 10) << "and stopped counting at the close";
    EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account.credits, 991 + expected.winToPay);
}

}  // namespace
}  // namespace quillane::testing
