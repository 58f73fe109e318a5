// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <fstream>
#include <functional>

#include "cabinet_fixture.h"
#include "platform/asset_files.h"
#include "ui/account/borrow_window.h"
#include "ui/account/slot_dialog.h"
#include "ui/account/statistics_window.h"

namespace quillane::testing {
namespace {

class SlotDialogTest : public CabinetFixture {
  protected:
    CabinetWindow& Ready() {
        CabinetWindow& cabinet = Start();
        PassStartup();
        return cabinet;
    }
    std::string Today() const { return LocalDateText(); }

    // Opens the slot dialog through its menu command ("openGame" or "saveGame") and lets `use`
    // work it; a dialog still open afterwards is cancelled.
    void WithSlotDialog(const char* command, const std::function<void(SlotDialog&)>& use) {
        cabinet().action(command)->trigger();
        QPointer<SlotDialog> dialog = dynamic_cast<SlotDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        use(*dialog);
        if (dialog && dialog->isVisible())
            dialog->reject();
        clock.ProcessEvents();
    }
};

TEST_F(SlotDialogTest, AnEmptyFileShowsEightDefaultSlots) {
    Ready();
    Arrange([](SessionState& s) { s.account = {1234, 1000, 3, 27, 0}; });
    WithSlotDialog("openGame", [&](SlotDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Open a Game -- Select Game Slot");
        for (int slot = 1; slot <= 8; ++slot) {
            EXPECT_EQ(dialog.name(slot)->text(), QString("GameNo%1").arg(slot));
            EXPECT_EQ(dialog.date(slot)->text().toStdString(), Today());
            EXPECT_EQ(dialog.credits(slot)->text(), "1000 Credits");
            EXPECT_EQ(dialog.borrowed(slot)->text(), "1000 Borrowed");
            EXPECT_EQ(dialog.game(slot)->text(), "Quillane");
        }
        EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account,
                  (Account{1234, 1000, 3, 27, 0}))
            << "the live game waits in the current-game section";
    });
    EXPECT_EQ(session.state().account, (Account{1234, 1000, 3, 27, 0}));
}

TEST_F(SlotDialogTest, SavingNamesTheSlotAndKeepsTheGame) {
    Ready();
    Arrange([](SessionState& s) { s.account = {2350, 1100, 40, 360, 90}; });
    WithSlotDialog("saveGame", [&](SlotDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save a Game -- Select Game Slot");
        messages.answers.push_back("Friday");
        dialog.ChooseSlot(3);
        ASSERT_EQ(messages.asked, std::vector<std::string>{"Name for this saved game?"});
    });
    EXPECT_EQ(session.state().account, (Account{2350, 1100, 40, 360, 90}));
    WithSlotDialog("openGame", [&](SlotDialog& again) {
        EXPECT_EQ(again.name(3)->text(), "Friday");
        EXPECT_EQ(again.date(3)->text().toStdString(), Today());
        EXPECT_EQ(again.credits(3)->text(), "2350 Credits");
        EXPECT_EQ(again.borrowed(3)->text(), "1100 Borrowed");
        EXPECT_EQ(again.name(2)->text(), "GameNo2");
    });
}

TEST_F(SlotDialogTest, OpeningASlotBringsBackEveryCounter) {
    Ready();
    Arrange([](SessionState& s) { s.account = {2350, 1100, 40, 360, 90}; });
    WithSlotDialog("saveGame", [&](SlotDialog& dialog) {
        messages.answers.push_back("Before the streak");
        dialog.ChooseSlot(6);
    });
    Arrange([](SessionState& s) { s.account = {10, 5000, 400, 9000, 4000}; });
    WithSlotDialog("openGame", [&](SlotDialog& dialog) {
        dialog.name(6)->setText("typed but ignored");
        dialog.ChooseSlot(6);
    });
    EXPECT_EQ(session.state().account, (Account{2350, 1100, 40, 360, 90}));
    EXPECT_EQ(GameFile(gameFile()).Read(kCurrentGameSlot).account, session.state().account);
    EXPECT_EQ(GameFile(gameFile()).Read(5).name, "Before the streak");
}

TEST_F(SlotDialogTest, TheTypedNameIsProposedAndMayBeEmptiedOrLong) {
    Ready();
    WithSlotDialog("saveGame", [&](SlotDialog& dialog) {
        dialog.name(1)->setText("Typed");
        messages.answers.push_back("");
        dialog.ChooseSlot(1);
    });
    const std::string forty(40, 'n');
    WithSlotDialog("saveGame", [&](SlotDialog& dialog) {
        messages.answers.push_back(forty);
        dialog.ChooseSlot(2);
    });
    WithSlotDialog("openGame", [&](SlotDialog& dialog) {
        EXPECT_EQ(dialog.name(1)->text(), "") << "an empty name stays empty";
        EXPECT_EQ(dialog.name(2)->text().toStdString(), forty.substr(0, 30));
    });
    std::ifstream file(gameFile());
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    EXPECT_NE(text.find("GameName=" + forty), std::string::npos) << "stored whole";
}

TEST_F(SlotDialogTest, EnterInASlotsNameSavesIntoThatSlot) {
    Ready();
    WithSlotDialog("saveGame", [&](SlotDialog& dialog) {
        dialog.name(2)->setText("Typed");
        messages.answers.push_back("Typed");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(dialog.name(2), &enter);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(GameFile(gameFile()).Read(1).name, "Typed");
}

TEST_F(SlotDialogTest, ACancelledNameStoresNothing) {
    Ready();
    Arrange([](SessionState& s) { s.account.credits = 777; });
    WithSlotDialog("saveGame", [&](SlotDialog& dialog) {
        messages.answers.push_back(std::nullopt);
        dialog.ChooseSlot(4);
    });
    EXPECT_EQ(GameFile(gameFile()).Read(3).account.credits, 1000);
    EXPECT_EQ(session.state().account.credits, 777);
}

TEST_F(SlotDialogTest, OpenGameRepaintsTheMeters) {
    GameFile(gameFile()).Write(4, "Saved", Account{2345, 2000, 5, 45, 0});
    CabinetWindow& cabinet = Ready();
    WithSlotDialog("openGame", [](SlotDialog& dialog) { dialog.ChooseSlot(5); });
    EXPECT_EQ(session.state().account.credits, 2345);
    // The credits meter shows the game just opened.
    const QImage green = LoadBuiltinPicture(QStringLiteral(":/pictures/green_small.png"));
    REQUIRE_LAYOUT_WIDTH(cabinet, 800);
    const QImage shown = cabinet.surface().copy(620 - 16, cabinet.painter().meterTop(), 16, 21);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), green.copy(5 * 16, 0, 16, 21))
        << "the last digit, 5";
}

using BorrowWindowTest = SlotDialogTest;

TEST_F(BorrowWindowTest, BorrowsAndPaysBackFromAFreshGame) {
    CabinetWindow& cabinet = Ready();
    BorrowWindow window(session, cabinet.pictures().digitsSmall, cabinet.pictures().greenSmall,
                        messages, help, &cabinet);
    EXPECT_TRUE(window.borrowMode()->isChecked());
    window.PressAmount(0);
    EXPECT_EQ(session.state().account.credits, 2000);
    EXPECT_EQ(session.state().account.borrowed, 2000);
    window.payBackMode()->setChecked(true);
    window.PressAmount(0);
    window.PressAmount(0);
    EXPECT_EQ(session.state().account.credits, 0);
    EXPECT_EQ(session.state().account.borrowed, 0);
    EXPECT_TRUE(messages.informed.empty());
}

TEST_F(BorrowWindowTest, RefusesToPayBackWhatIsNotThere) {
    CabinetWindow& cabinet = Ready();
    Arrange([&](SessionState& s) { s.account.credits = 1500; });
    Arrange([&](SessionState& s) { s.account.borrowed = 200; });
    BorrowWindow window(session, cabinet.pictures().digitsSmall, cabinet.pictures().greenSmall,
                        messages, help, &cabinet);
    window.payBackMode()->setChecked(true);
    window.PressAmount(0);
    window.PressAmount(1);
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"You cannot pay back more credits than you have borrowed!"});
    EXPECT_EQ(session.state().account.credits, 1400);
    EXPECT_EQ(session.state().account.borrowed, 100);

    messages.informed.clear();
    Arrange([&](SessionState& s) { s.account = {5, 1000, 0, 0, 0}; });
    window.PressAmount(2);
    Arrange([&](SessionState& s) { s.account.borrowed = 0; });
    window.PressAmount(2);
    window.PressAmount(0);
    EXPECT_EQ(messages.informed, (std::vector<std::string>{"You do not have   10.00 credits!",
                                                           "You do not have   10.00 credits!",
                                                           "You do not have 1000.00 credits!"}))
        << "the credits are tested before the borrowed credits";
    EXPECT_EQ(session.state().account.credits, 5);
}

TEST_F(BorrowWindowTest, StopsShortOfTheCountersLimit) {
    CabinetWindow& cabinet = Ready();
    Arrange([&](SessionState& s) { s.account = {2147483000, 1000, 0, 0, 0}; });
    BorrowWindow window(session, cabinet.pictures().digitsSmall, cabinet.pictures().greenSmall,
                        messages, help, &cabinet);
    window.PressAmount(0);
    ASSERT_EQ(messages.informed.size(), 1u);
    EXPECT_NE(messages.informed[0].find("2,147,483,647"), std::string::npos)
        << messages.informed[0];
    EXPECT_EQ(session.state().account, (Account{2147483000, 1000, 0, 0, 0}));
    window.PressAmount(1);
    EXPECT_EQ(session.state().account.credits, 2147483100) << "a smaller amount still fits";
}

TEST_F(BorrowWindowTest, ShowsTheCountersInMeterDigits) {
    CabinetWindow& cabinet = Ready();
    Arrange([&](SessionState& s) { s.account = {1234, 567, 0, 0, 0}; });
    BorrowWindow window(session, cabinet.pictures().digitsSmall, cabinet.pictures().greenSmall,
                        messages, help, &cabinet);
    const QImage red = cabinet.pictures().digitsSmall, green = cabinet.pictures().greenSmall;
    const int right = window.width() - 30;
    EXPECT_EQ(window.surface().copy(right - 16, 40, 16, 21), red.copy(4 * 16, 0, 16, 21));
    EXPECT_EQ(window.surface().copy(20, 40, 16, 21), green.copy(5 * 16, 0, 16, 21));
    window.ShowHelpText();
    EXPECT_EQ(messages.informed.back(),
              "Use this screen to borrow credits or pay back credits that you borrowed "
              "previously.  Click on the button representing the amount to borrow (or pay "
              "back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode.");
}

using StatsWindowTest = SlotDialogTest;

TEST_F(StatsWindowTest, AFreshGame) {
    CabinetWindow& cabinet = Ready();
    StatisticsWindow stats(session.TakeStatistics(), &cabinet);
    EXPECT_EQ(stats.windowTitle(), "Your Game Statistics");
    EXPECT_EQ(stats.value("SpinsValue")->text(), "         0");
    EXPECT_EQ(stats.value("CreditsValue")->text(), "     1,000");
    EXPECT_EQ(stats.value("BorrowedValue")->text(), "     1,000");
    EXPECT_EQ(stats.value("TotalBetsValue")->text(), "         0");
    EXPECT_EQ(stats.value("PayoffsValue")->text(), "         0");
    EXPECT_EQ(stats.value("NormalPayoffsValue")->text(), "         0");
    EXPECT_EQ(stats.value("BonusPayoffsValue")->text(), "0");
    EXPECT_EQ(stats.value("PayoffPercentageValue")->text(), "0.00%");
}

TEST_F(StatsWindowTest, SplitsThePayoffsAndGivesThePercentage) {
    CabinetWindow& cabinet = Ready();
    Arrange([&](SessionState& s) { s.account = {955, 1000, 100, 900, 500}; });
    StatisticsWindow stats(session.TakeStatistics(), &cabinet);
    EXPECT_EQ(stats.value("PayoffsValue")->text(), "       855");
    EXPECT_EQ(stats.value("NormalPayoffsValue")->text(), "       355");
    EXPECT_EQ(stats.value("BonusPayoffsValue")->text(), "500");
    EXPECT_EQ(stats.value("PayoffPercentageValue")->text(), "95.00%");

    Arrange([&](SessionState& s) { s.account = {1234567 + 1000, 1000, 1234567, 2000000, 12345}; });
    StatisticsWindow big(session.TakeStatistics(), &cabinet);
    EXPECT_EQ(big.value("SpinsValue")->text(), " 1,234,567");
    EXPECT_EQ(big.value("BonusPayoffsValue")->text(), "12345") << "the bonus without separators";
    EXPECT_EQ(big.value("PayoffPercentageValue")->text(), "161.73%");

    Arrange([&](SessionState& s) { s.account = {1250, 1000, 4, 1000, 0}; });
    EXPECT_EQ(
        StatisticsWindow(session.TakeStatistics(), &cabinet).value("PayoffPercentageValue")->text(),
        "125.00%");
}

TEST_F(StatsWindowTest, CountersAtTheirLimitsDoNotOverflow) {
    CabinetWindow& cabinet = Ready();
    Arrange([&](SessionState& s) { s.account = {2147483647, -2147483647 - 1, 0, 2147483647, 0}; });
    StatisticsWindow stats(session.TakeStatistics(), &cabinet);
    EXPECT_EQ(stats.value("PayoffsValue")->text(), "6,442,450,942");
    // Every value is shown whole, clear of its caption and of the window's edges.
    const Account extremes{-2147483647 - 1, -1000000000, 2147483647, 2147483647, -2147483647 - 1};
    StatisticsWindow wide(TakeStatistics(extremes), &cabinet);
    const QList<QLabel*> labels = wide.findChildren<QLabel*>();
    for (QLabel* value : labels) {
        if (!value->objectName().endsWith("Value"))
            continue;
        const QString text = value->text();
        EXPECT_LE(value->fontMetrics().horizontalAdvance(text), value->width())
            << text.toStdString();
        EXPECT_GE(value->x(), 0);
        EXPECT_LE(value->geometry().right(), wide.width());
        for (QLabel* caption : labels) {
            if (caption->objectName().endsWith("Caption")) {
                EXPECT_FALSE(caption->geometry().intersects(value->geometry()))
                    << text.toStdString() << " over " << caption->text().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace quillane::testing
