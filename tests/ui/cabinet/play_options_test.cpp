// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <fstream>
#include <memory>
#include <vector>

#include "cabinet_fixture.h"
#include "core/bingo.h"
#include "sim/base_game.h"
#include "sim/bonus_play.h"
#include "storage/options_file.h"
#include "test_files.h"
#include "ui/cabinet/reminder_window.h"
#include "ui/options/reminder_dialog.h"

namespace quillane::testing {
namespace {

// `spins` spins, stopping on a single win or below the credits, with bonus games played on
// `card`.
AutoplayPlan Plan(int spins, bool stopOnBonus, std::optional<std::int32_t> bigWin,
                  std::optional<std::int32_t> below, BonusCardChoice card = BonusCardChoice::Ask) {
    AutoplayPlan plan;
    plan.spins = spins;
    plan.stopOnBonus = stopOnBonus;
    plan.stopOnWinAtLeast = bigWin;
    plan.stopBelowCredits = below;
    plan.bonusCard = card;
    return plan;
}

constexpr int kLines = 9;  // the bet of a new game: 9 lines of 1 credit
constexpr std::int32_t kBet = kLines;

// What the simulator makes of `spins` spins from `spinSeed` at the new game's bet: the credits
// they win less their bets, and the bonus games among them. Each bonus game is dealt from
// `dealSeed` and played on `card`; the spins go on from where its deal leaves the generator.
struct SimulatedRun {
    std::int64_t net = 0;
    int bonusGames = 0;
};
SimulatedRun Simulate(std::uint32_t spinSeed, int spins, std::uint32_t dealSeed, int card) {
    SimulatedRun run;
    auto game = std::make_unique<sim::BaseGame>(spinSeed, kLines, 1, false);
    for (int i = 0; i < spins; ++i) {
        sim::Spin spin;
        game->Play(spin);
        run.net += spin.result.winToPay - kBet;
        if (spin.result.ballCount < kBonusBallCount)
            continue;
        ++run.bonusGames;
        run.net += sim::PlayBonus(dealSeed, kBet, card).payout;
        game =
            std::make_unique<sim::BaseGame>(sim::kBonusGameJump.From(dealSeed), kLines, 1, false);
    }
    return run;
}

class PlayOptions : public CabinetFixture {
  protected:
    // Starts with the game file holding `text`, if any, and waits out start-up.
    CabinetWindow& Ready(const std::string& text = "") {
        if (!text.empty()) {
            std::filesystem::create_directories(gameFile().parent_path());
            std::ofstream(gameFile(), std::ios::binary) << text;
        }
        CabinetWindow& cabinet = Start();
        PassStartup();
        sound.played.clear();
        return cabinet;
    }

    struct Outcome {
        ReelStops stops;
        Account account;
        std::uint32_t took = 0;
        long counts = 0;
    };
    // Plays a spin from `state` on `spinSeed` and says how it ended and how long it took.
    Outcome SpinFrom(const SessionState& state, std::uint32_t spinSeed) {
        session.Restore(state);
        session.Seed(spinSeed);
        sound.played.clear();
        const std::uint32_t start = clock.TickCount();
        cabinet().PressKey(Qt::Key_Return);
        Settle();
        return {session.state().reelStops, session.state().account, clock.TickCount() - start,
                std::count(sound.played.begin(), sound.played.end(), "Count")};
    }

    void RunOutAutoplay() {
        for (int i = 0; i < 20000 && cabinet().autoplay().running(); ++i)
            clock.Advance(100);
        ASSERT_FALSE(cabinet().autoplay().running());
        Settle();
    }

    std::string GameFileText() const { return test_support::Contents(gameFile()); }
};

TEST_F(PlayOptions, QuickPlayAndSkippingChangeHowASpinIsShownNotItsOutcome) {
    CabinetWindow& cabinet = Ready();
    SeedFor([](const SpinResult& r) { return r.winToPay >= 30 && r.ballCount < 3; });
    const std::uint32_t spinSeed = session.seed();
    const SessionState state = session.state();

    const Outcome normal = SpinFrom(state, spinSeed);
    cabinet.action("quickPlay")->trigger();
    const Outcome quick = SpinFrom(state, spinSeed);
    sound.onPlay = [&](const std::string& what) {
        if (what == "ReelStop" && cabinet.busy())
            cabinet.PressKey(Qt::Key_Space);
    };
    const Outcome skipped = SpinFrom(state, spinSeed);

    for (const Outcome& o : {quick, skipped}) {
        EXPECT_EQ(o.stops, normal.stops);
        EXPECT_EQ(o.account, normal.account);
    }
    EXPECT_GT(normal.counts, 1);
    EXPECT_EQ(quick.counts, 1) << "paid at once, one count sound";
    EXPECT_LT(quick.took * 2, normal.took);
    EXPECT_LT(skipped.took, quick.took);
    EXPECT_TRUE(ReadOptions(gameFile()).quickPlay) << "kept for the next session";
}

// Each reel's column as it stands on the surface.
std::vector<QImage> ReelColumns(const CabinetWindow& cabinet) {
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    std::vector<QImage> columns;
    for (int r = 0; r < kReelCount; ++r)
        columns.push_back(cabinet.surface().copy(g.reelLeft + r * g.reelPitch, g.reelTop,
                                                 g.cellSize, 3 * g.cellSize));
    return columns;
}

// Whether a cell of the reels is washed all white, as a win flashes it.
bool AnyCellWhite(const CabinetWindow& cabinet) {
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    for (int r = 0; r < kReelCount; ++r) {
        for (int row = 0; row < kRowCount; ++row) {
            const QImage cell = cabinet.surface().copy(
                g.reelLeft + r * g.reelPitch, g.reelTop + row * g.cellSize, g.cellSize, g.cellSize);
            bool white = true;
            for (int y = 0; y < cell.height() && white; ++y)
                for (int x = 0; x < cell.width() && white; ++x)
                    white = cell.pixel(x, y) == qRgb(255, 255, 255);
            if (white)
                return true;
        }
    }
    return false;
}

TEST_F(PlayOptions, ReduceMotionStepsTheReelsToTheirStopsWithoutFlashingAndKeepsTheOutcome) {
    CabinetWindow& cabinet = Ready();
    SeedFor([](const SpinResult& r) { return r.winToPay >= 30 && r.ballCount < 3; });
    const std::uint32_t spinSeed = session.seed();
    const SessionState state = session.state();
    const Outcome moving = SpinFrom(state, spinSeed);

    cabinet.action("reduceMotion")->trigger();
    session.Restore(state);
    session.Seed(spinSeed);
    sound.played.clear();
    cabinet.PressKey(Qt::Key_Return);
    std::vector<std::vector<QImage>> shown;  // the columns while the reels run
    std::vector<QImage> stopped;             // and once they have stopped
    bool white = false;
    for (int ms = 0; ms < 6000; ms += 5) {
        if (cabinet.cycle().phase() == SpinCycle::Phase::Reels)
            shown.push_back(ReelColumns(cabinet));
        else if (stopped.empty())
            stopped = ReelColumns(cabinet);
        if (ms % 50 == 0)
            white = white || AnyCellWhite(cabinet);
        clock.Advance(5);
    }
    ASSERT_FALSE(shown.empty());
    for (const std::vector<QImage>& columns : shown)
        for (std::size_t r = 0; r < columns.size(); ++r)
            EXPECT_TRUE(columns[r] == shown[0][r] || columns[r] == stopped[r]) << "reel " << r + 1;
    EXPECT_FALSE(white);
    EXPECT_EQ(session.state().reelStops, moving.stops);
    EXPECT_EQ(session.state().account, moving.account);
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "Count"), 1) << "paid at once";
    EXPECT_TRUE(ReadOptions(gameFile()).reduceMotion);
}

TEST_F(PlayOptions, AutoplayPlaysItsSpinsAndStopsOnEachCondition) {
    CabinetWindow& cabinet = Ready();
    const Account start = session.state().account;
    cabinet.RunAutoplay(Plan(10, false, std::nullopt, std::nullopt));
    RunOutAutoplay();
    EXPECT_EQ(session.state().account.spins, start.spins + 10);
    EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::Finished);

    cabinet.RunAutoplay(Plan(100, false, std::nullopt, session.state().account.credits));
    RunOutAutoplay();
    EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::LowCredits);

    cabinet.RunAutoplay(Plan(100, false, 1, std::nullopt));
    RunOutAutoplay();
    EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::BigWin);
    EXPECT_GE(session.state().gamePaid, 1);
    // In the strip, or over the meters while the win holds the strip.
    const QLabel* notice = cabinet.reminderNotice();
    EXPECT_EQ(notice != nullptr && notice->isVisible() ? notice->text().toStdString()
                                                       : cabinet.painter().message().value_or(""),
              "Autoplay stopped on a big win");

    Arrange([](SessionState& s) { s.account.credits = 8; });
    cabinet.RunAutoplay(Plan(100, false, std::nullopt, std::nullopt));
    RunOutAutoplay();
    EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::NoBet);
    EXPECT_EQ(session.state().account.credits, 8);
    EXPECT_EQ(session.state().account.borrowed, start.borrowed) << "never borrows";
    EXPECT_TRUE(messages.informed.empty()) << "no box stops the run";
}

TEST_F(PlayOptions, AnyKeyOrTheMenuStopsAutoplayAndBonusGamesCanStopIt) {
    CabinetWindow& cabinet = Ready();
    cabinet.RunAutoplay(Plan(100, false, std::nullopt, std::nullopt));
    clock.Advance(3000);
    cabinet.PressKey(Qt::Key_A);
    const int spins = session.state().account.spins;
    clock.Advance(5000);
    EXPECT_EQ(session.state().account.spins, spins);
    EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::Player);

    cabinet.RunAutoplay(Plan(100, false, std::nullopt, std::nullopt));
    clock.Advance(1000);
    cabinet.action("autoplay")->trigger();
    EXPECT_FALSE(cabinet.autoplay().running());

    SeedFor([](const SpinResult& r) { return r.ballCount >= 3; });
    const int bonusGamesBefore = bonusGamesPlayed;
    bonusCard = 2;
    cabinet.RunAutoplay(Plan(100, true, std::nullopt, std::nullopt, BonusCardChoice::Random));
    RunOutAutoplay();
    clock.Advance(500);
    EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::Bonus);
    EXPECT_EQ(bonusGamesPlayed, bonusGamesBefore + 1) << "the bonus game itself is played";
    EXPECT_EQ(ReadOptions(gameFile()).lastBonusCard, 2)
        << "the card is the player's, kept for \"my last card\"";
}

TEST_F(PlayOptions, AutoplayPlaysOnThroughBonusGamesWithTheCardChosenAndFinishesUnattended) {
    constexpr int kSpins = 10;
    constexpr int kLastCard = 3;
    realBonusWindow = true;
    CabinetWindow& cabinet =
        Ready("[Options]\r\nAutoplayLastCard=" + std::to_string(kLastCard) + "\r\n");
    std::uint32_t spinSeed = 1;
    while (Simulate(spinSeed, kSpins, seed, 0).bonusGames != 1)
        ++spinSeed;
    const SessionState start = session.state();
    struct Case {
        BonusCardChoice choice;
        bool quickPlay;
    };
    for (const Case c :
         {Case{BonusCardChoice::LastCard, false}, Case{BonusCardChoice::Random, true}}) {
        session.Restore(start);
        session.Seed(spinSeed);
        if (cabinet.options().quickPlay != c.quickPlay)
            cabinet.action("quickPlay")->trigger();
        cabinet.RunAutoplay(Plan(kSpins, false, std::nullopt, std::nullopt, c.choice));
        RunOutAutoplay();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the bonus window closed itself";
        EXPECT_EQ(cabinet.autoplay().stopped(), AutoplayStop::Finished);

        const std::vector<SpinRecord>& spins = cabinet.history().records();
        const auto bonus = std::find_if(spins.rbegin(), spins.rend(),
                                        [](const SpinRecord& r) { return r.bonus.has_value(); });
        ASSERT_NE(bonus, spins.rend());
        const int card = bonus->bonus->card;
        if (c.choice == BonusCardChoice::LastCard) {
            EXPECT_EQ(card, kLastCard);
        }
        ASSERT_GE(card, 0);
        const Account& account = session.state().account;
        EXPECT_EQ(account.spins, start.account.spins + kSpins);
        EXPECT_EQ(account.credits,
                  start.account.credits + Simulate(spinSeed, kSpins, seed, card).net);
        EXPECT_EQ(account.borrowed, start.account.borrowed);
    }
    EXPECT_EQ(ReadOptions(gameFile()).lastBonusCard, kLastCard)
        << "autoplay's card is not the player's";
}

TEST_F(PlayOptions, TheBetStepsByItsKeysWithTheirRefusalsAndWithoutSpinning) {
    CabinetWindow& cabinet = Ready();
    cabinet.action("fewerLines")->trigger();
    EXPECT_EQ(session.state().settings.linesBet, 7);
    cabinet.action("moreLines")->trigger();
    cabinet.action("moreLines")->trigger();
    EXPECT_EQ(session.state().settings.linesBet, 9);
    cabinet.action("moreCredits")->trigger();
    EXPECT_EQ(session.state().settings.creditsPerLine, 2);
    EXPECT_EQ(session.state().account.spins, 0);

    Arrange([](SessionState& s) { s.account.credits = 20; });
    cabinet.action("moreCredits")->trigger();
    EXPECT_EQ(session.state().settings.creditsPerLine, 2);
    EXPECT_EQ(messages.informed.size(), 1u) << "refused as the key on the cabinet is";
    EXPECT_EQ(cabinet.action("moreLines")->shortcut(), QKeySequence(Qt::Key_Right));
    EXPECT_EQ(cabinet.action("manual")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(PlayOptions, SoundSettingsComeBackFromTheGameFileAndGoBackWithoutTouchingTheGame) {
    const std::string game = "[CurrentGame]\r\nCredits=555\r\n";
    Put("Bingo1.mid");
    CabinetWindow& cabinet = Ready(game +
                                   "[Options]\r\nSound=0\r\nMusic=0\r\nEffectsVolume=40\r\n"
                                   "MusicVolume=30\r\n");
    EXPECT_FALSE(cabinet.action("sound")->isChecked());
    EXPECT_FALSE(cabinet.action("music")->isChecked());
    EXPECT_EQ(sound.volume, 40);
    EXPECT_EQ(music.volume, 30);
    EXPECT_TRUE(music.started.empty());
    EXPECT_EQ(session.state().account.credits, 555);

    cabinet.action("music")->trigger();
    EXPECT_FALSE(music.started.empty());
    EXPECT_TRUE(ReadOptions(gameFile()).music);
    EXPECT_EQ(GameFileText().substr(0, game.size()), game);
}

TEST_F(PlayOptions, WithoutASoundDeviceTheGameSaysSoInTheVersionBox) {
    audioSilent = true;
    CabinetWindow& cabinet = Ready();
    cabinet.action("version")->trigger();
    ASSERT_EQ(messages.informed.size(), 1u);
    EXPECT_NE(messages.informed[0].find("No sound device was found"), std::string::npos);
}

TEST_F(PlayOptions, ThePlayReminderTellsTheTimeAndTheNetAndItsWindowHoldsAutoplay) {
    constexpr std::uint32_t kMinute = 60'000;
    CabinetWindow& cabinet = Ready();
    clock.RunUntil(16 * kMinute);
    EXPECT_EQ(cabinet.reminderNotice(), nullptr) << "off by default";
    EXPECT_EQ(cabinet.sessionClock(), nullptr);

    auto choose = [&](int minutes, ReminderStyle style) {
        WithWindow<ReminderDialog>("reminder", [&](ReminderDialog& dialog) {
            dialog.intervals()->button(minutes)->setChecked(true);
            dialog.styles()->button(static_cast<int>(style))->setChecked(true);
            dialog.accept();
        });
    };
    choose(15, ReminderStyle::Notice);
    ASSERT_NE(cabinet.sessionClock(), nullptr);
    EXPECT_EQ(cabinet.sessionClock()->text().toStdString(), "Session 0:16");
    // 45 credits lost; a borrow is not a win.
    Arrange([](SessionState& s) { s.account.credits = 955; });
    ASSERT_FALSE(session.Borrow(500));
    clock.RunUntil(30 * kMinute);
    ASSERT_NE(cabinet.reminderNotice(), nullptr);
    EXPECT_TRUE(cabinet.reminderNotice()->isVisible());
    EXPECT_EQ(cabinet.reminderNotice()->text().toStdString(),
              "You have played for 30 minutes.\nYou have lost 45 credits.");
    EXPECT_EQ(cabinet.sessionClock()->text().toStdString(), "Session 0:30");
    clock.Advance(15'000);
    EXPECT_FALSE(cabinet.reminderNotice()->isVisible()) << "it goes away by itself";

    choose(15, ReminderStyle::Window);
    cabinet.action("newGame")->trigger();
    clock.RunUntil(45 * kMinute);
    auto* window = dynamic_cast<ReminderWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->findChild<QLabel*>("reminderText")->text().toStdString(),
              "You have played for 45 minutes.\nYou have lost 45 credits.")
        << "a new game does not undo what the session lost";
    window->accept();

    clock.RunUntil(60 * kMinute - 100);
    AutoplayPlan plan;
    plan.spins = 100;
    plan.stopOnBonus = false;
    cabinet.RunAutoplay(plan);
    clock.Advance(5000);
    window = dynamic_cast<ReminderWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(window, nullptr) << "given once the spin under way is over";
    const int spins = session.state().account.spins;
    clock.Advance(20'000);
    EXPECT_EQ(session.state().account.spins, spins) << "autoplay waits";
    EXPECT_TRUE(cabinet.autoplay().running());
    window->accept();
    clock.Advance(5000);
    EXPECT_GT(session.state().account.spins, spins) << "and goes on once it is closed";
    EXPECT_EQ(ReadOptions(gameFile()).reminderStyle, ReminderStyle::Window);
}

TEST_F(PlayOptions, RememberMyBetLightsTheKeptBetAtTheNextStartAndStakesIt) {
    auto restart = [this]() -> CabinetWindow& {
        session = GameSession();
        return Ready();
    };
    auto lit = [this](int key) {
        const auto& k = cabinet_layout::KeyAt(key);
        const CabinetGeometry& g = cabinet().cabinetGeometry();
        return At(g.Scale(k.left) + 1, g.Scale(k.top) + 1) == qRgb(255, 255, 255);
    };
    Ready().action("fewerLines")->trigger();
    EXPECT_FALSE(restart().action("rememberBet")->isChecked());
    EXPECT_EQ(session.state().settings, BetSettings{}) << "off by default: 9 lines at 1 credit";

    cabinet().action("rememberBet")->trigger();
    cabinet().action("fewerLines")->trigger();
    cabinet().action("fewerLines")->trigger();
    cabinet().action("moreCredits")->trigger();
    restart();
    EXPECT_TRUE(cabinet().action("rememberBet")->isChecked());
    EXPECT_EQ(session.state().settings, (BetSettings{5, 2, 3, 7}));
    EXPECT_TRUE(lit(3) && lit(7));
    EXPECT_FALSE(lit(5) || lit(6));
    SpinAndSettle();
    EXPECT_EQ(session.state().account.totalBets, 10) << "the next spin stakes 5 lines at 2";
}

}  // namespace
}  // namespace quillane::testing
