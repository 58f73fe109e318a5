// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <functional>

#include "cabinet_fixture.h"
#include "core/paytable.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"
#include "ui/account/history_window.h"
#include "ui/account/slot_dialog.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/number_format.h"

namespace quillane::testing {
namespace {

class GameHistoryWindow : public CabinetFixture {
  protected:
    CabinetWindow& Ready() {
        CabinetWindow& cabinet = Start();
        PassStartup();
        return cabinet;
    }

    // One spin, played out with the bonus game it may open; returns the credits after it.
    std::int64_t SpinOnce() {
        SpinAndSettle();
        return session.state().account.credits;
    }

    // The live game's history as its file holds it.
    std::vector<SpinRecord> OnDisk() {
        std::optional<Notice> problem;
        return ReadHistoryFile(ledger().HistoryFile(kCurrentGameSlot), problem).records;
    }

    // A seed whose next spin at the current bet opens the bonus game; the session is seeded.
    void SeedForBonus() {
        for (std::uint32_t s = 1; s < 2'000'000; ++s) {
            RandomGenerator random(s);
            const ReelStops stops =
                DrawSpin(random, cabinet().cabinetGeometry().motionHeight).stops;
            if (ScoreSpin(session.reelSymbols(), stops, 9, 1).ballCount >= kBonusBallCount) {
                session.Seed(s);
                return;
            }
        }
        FAIL() << "no seed opens the bonus game";
    }
};

TEST(HistoryWinText, NamesEveryWin) {
    SpinRecord record;
    record.lineWins = {{2, 1, 1}, {4, 3, 1500}};
    record.scatterWin = 45;
    record.ballCount = 3;
    EXPECT_EQ(HistoryWinText(record).toStdString(),
              "Line 2: 1 symbol pays 1\nLine 4: 3 symbols pay 1,500\nScatter: 3 balls pay 45");
    record.bonus = BonusRecord{3, {5, 17, 33}, {{1, 2, 36}, {12, 3, 2000}}, 2036};
    EXPECT_EQ(HistoryWinText(record).toStdString(),
              "Line 2: 1 symbol pays 1\nLine 4: 3 symbols pay 1,500\nScatter: 3 balls pay 45\n"
              "Bonus game: Green card, 3 calls\nPatterns won: Large X 36, Blackout Bonus 2,000\n"
              "Bonus paid: 2,036");
    EXPECT_EQ(HistoryWinText(SpinRecord{}).toStdString(), "No win");
    SpinRecord oneBall;
    oneBall.ballCount = 1;
    EXPECT_EQ(HistoryWinText(oneBall).toStdString(), "Balls: 1");
}

TEST_F(GameHistoryWindow, ListsTheSpinsNewestFirst) {
    CabinetWindow& cabinet = Ready();
    std::vector<std::int64_t> credits;
    credits.push_back(SpinOnce());
    PressBetKey(1);  // 1 line
    credits.push_back(SpinOnce());
    PressBetKey(3);  // 5 lines
    PressBetKey(7);  // 2 credits a line, and a spin
    Settle();
    credits.push_back(session.state().account.credits);

    ASSERT_EQ(cabinet.history().records().size(), 3u);
    EXPECT_EQ(cabinet.history().Balances(), credits);
    EXPECT_EQ(cabinet.history().records().back().window, session.state().spin.window);
    EXPECT_EQ(OnDisk(), cabinet.history().records()) << "every spin is in the file at once";

    WithWindow<HistoryWindow>("history", [&](HistoryWindow& window) {
        EXPECT_EQ(window.windowTitle(), "Game History");
        EXPECT_EQ(window.headline()->text(), "The last 3 spins of this game, newest first:");
        EXPECT_EQ(window.findChild<QLabel*>("Problem"), nullptr);
        ASSERT_EQ(window.rowCount(), 3);
        const QString bets[] = {"Bet 10: 5 lines at 2", "Bet 1: 1 line at 1",
                                "Bet 9: 9 lines at 1"};
        for (int row = 0; row < 3; ++row) {
            const QString text = window.rowText(row);
            EXPECT_TRUE(text.contains(bets[row])) << text.toStdString();
            EXPECT_TRUE(text.contains(
                QString("Credits after: %1").arg(credits[static_cast<std::size_t>(2 - row)])))
                << text.toStdString();
        }
        // The small window is drawn with the cabinet's symbols, not left blank.
        const QImage picture = window.row(0)->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 2)
            for (int x = 0; x < picture.width(); x += 2)
                colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 50);
    });
}

TEST_F(GameHistoryWindow, AWinAndABonusGameAreShown) {
    CabinetWindow& cabinet = Ready();
    SeedForBonus();
    const int card = bonusCard = RichestCard();
    RandomGenerator timeOfDay(seed);
    BingoGame played(timeOfDay, 9);
    played.PlayOut();
    const std::int64_t after = SpinOnce();
    ASSERT_EQ(bonusGamesPlayed, 1);
    ASSERT_EQ(cabinet.history().records().size(), 1u);
    const SpinRecord& record = cabinet.history().records().back();
    ASSERT_TRUE(record.bonus);
    EXPECT_EQ(record.bonus->card, card);
    EXPECT_EQ(record.bonus->payout, played.total(card));
    EXPECT_EQ(record.bonus->payout, session.state().bonusWin);
    EXPECT_EQ(record.creditsAfter, after) << "the balance after the bonus game's pay";
    EXPECT_EQ(record.bonus->patterns.back().pattern, static_cast<int>(Pattern::Blackout))
        << "the richest card has the blackout";

    WithWindow<HistoryWindow>("history", [&](HistoryWindow& window) {
        ASSERT_EQ(window.rowCount(), 1);
        const std::string text = window.rowText(0).toStdString();
        EXPECT_NE(text.find("Bonus game: " + CardColourText(card).toStdString() + " card, " +
                            std::to_string(record.bonus->calls.size()) + " calls"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("Bonus paid: " + WithThousands(record.bonus->payout).toStdString()),
                  std::string::npos)
            << text;
    });
}

TEST_F(GameHistoryWindow, ANewGameStartsANewHistory) {
    CabinetWindow& cabinet = Ready();
    SpinOnce();
    cabinet.action("newGame")->trigger();
    EXPECT_TRUE(OnDisk().empty());
    WithWindow<HistoryWindow>("history", [&](HistoryWindow& window) {
        EXPECT_EQ(window.headline()->text(), "No spins yet in this game.");
        EXPECT_EQ(window.rowCount(), 0);
    });
}

TEST_F(GameHistoryWindow, SavingAndOpeningASlotSwitchHistories) {
    CabinetWindow& cabinet = Ready();
    SpinOnce();
    SpinOnce();
    const std::vector<SpinRecord> saved = cabinet.history().records();
    WithWindow<SlotDialog>("saveGame", [&](SlotDialog& dialog) {
        messages.answers.push_back("Two spins");
        dialog.ChooseSlot(3);
    });
    EXPECT_EQ(OnDisk(), saved);
    cabinet.action("newGame")->trigger();
    SpinOnce();

    WithWindow<SlotDialog>("openGame", [&](SlotDialog& dialog) { dialog.ChooseSlot(3); });
    EXPECT_EQ(cabinet.history().records(), saved);
    EXPECT_EQ(OnDisk(), saved) << "the slot's history is the live one, also after a restart";
    WithWindow<SlotDialog>("openGame", [&](SlotDialog& dialog) { dialog.ChooseSlot(5); });
    EXPECT_TRUE(cabinet.history().records().empty()) << "slot 5 was never saved to";
}

TEST_F(GameHistoryWindow, WithoutADataDirectoryTheGameGoesOnAndTheWindowSaysSo) {
    historyDir.clear();
    CabinetWindow& cabinet = Ready();
    SpinOnce();
    for (const std::string& error : messages.errors)
        EXPECT_EQ(error.find("istory"), std::string::npos) << "quietly: " << error;
    EXPECT_EQ(cabinet.history().records().size(), 1u);
    WithWindow<HistoryWindow>("history", [&](HistoryWindow& window) {
        EXPECT_EQ(window.rowCount(), 1);
        auto* problem = window.findChild<QLabel*>("Problem");
        ASSERT_NE(problem, nullptr);
        EXPECT_TRUE(problem->text().startsWith("The history is not being kept on disk."));
    });
}

}  // namespace
}  // namespace quillane::testing
