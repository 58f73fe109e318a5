// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in the pseudo-language, whose every text is accented and 40 % longer: the menus and
// each window at a 640- and an 800-wide cabinet show no text that skipped the catalogues and none
// that overflows its place. (The cabinet's own painted texts are checked with the others in
// cabinet_paint_test.)

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "cabinet_fixture.h"
#include "layout_checks.h"
#include "platform/translations.h"
#include "storage/options_file.h"
#include "ui/bonus/bonus_game_window.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/chart/payoff_chart.h"

namespace quillane::testing {
namespace {

class PseudoLanguage : public CabinetFixture {
  protected:
    PseudoLanguage() { EXPECT_TRUE(translations_.Apply(std::string(kPseudoLanguage))); }

    CabinetWindow& StartAt(int width) {
        screen.info.geometry = screen.info.available = QRect(0, 0, width + 10, width * 3 / 4 + 90);
        screen.info.logicalDpi = 120;
        CabinetWindow& cabinet = Start();
        clock.ProcessEvents();
        EXPECT_EQ(cabinet.cabinetGeometry().layoutWidth, width);
        return cabinet;
    }

    Translations translations_;
};

void ExpectMenusTranslated(QMenu& menu) {
    for (QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(Untranslated(action->text())) << action->text().toStdString();
        }
        if (action->menu())
            ExpectMenusTranslated(*action->menu());
    }
}

TEST_F(PseudoLanguage, EveryWindowsTextsAreTranslatedAndFit) {
    for (int width : {640, 800}) {
        SCOPED_TRACE(width);
        CabinetWindow& cabinet = StartAt(width);
        for (QAction* action : cabinet.menuBar()->actions()) {
            EXPECT_FALSE(Untranslated(action->text())) << action->text().toStdString();
            if (action->menu())
                ExpectMenusTranslated(*action->menu());
        }
        SpinAndSettle();
        for (const char* command : {"stats", "borrow", "saveGame", "openGame", "autoplay", "volume",
                                    "language", "history", "reminder"}) {
            SCOPED_TRACE(command);
            WithWindow<QWidget>(command, [](QWidget& window) {
                ExpectLaidOutCleanly(window);
                ExpectTranslated(window);
            });
        }
        WithWindow<PayoffChart>("payoffs", [](PayoffChart& chart) {
            ExpectTranslated(chart);
            const QRect surface = chart.surface().rect();
            for (const PayoffChart::WrittenText& t : chart.written()) {
                EXPECT_FALSE(Untranslated(t.text)) << t.text.toStdString();
                EXPECT_TRUE(surface.contains(t.area)) << t.text.toStdString();
            }
        });
    }
}

TEST_F(PseudoLanguage, TheBonusWindowsTextsAreTranslatedAndFit) {
    realBonusWindow = true;
    CabinetWindow& cabinet = StartAt(800);
    PassStartup();
    SeedFor([](const SpinResult& r) { return r.ballCount >= kBonusBallCount; });
    cabinet.PressKey(Qt::Key_Return);
    for (int i = 0; i < 1000 && cabinet.cycle().phase() != SpinCycle::Phase::BonusOpen; ++i)
        clock.Advance(25);
    auto* bonus = dynamic_cast<BonusGameWindow*>(QApplication::activeModalWidget());
    ASSERT_NE(bonus, nullptr);
    for (bool chosen : {false, true}) {
        SCOPED_TRACE(chosen ? "card chosen" : "choosing");
        if (chosen)
            bonus->BlueCardClick();
        // Its captions are placed by design, each pattern's pay tucked under its name.
        ExpectLaidOutCleanly(*bonus, false);
        ExpectTranslated(*bonus);
    }
}

class LanguageChoice : public CabinetFixture {
  protected:
    LanguageChoice() { translations = &translations_; }
    Translations translations_;
};

// Options > Language: the menus, the manual and the names a screen reader reads change at once,
// and the choice is kept.
TEST_F(LanguageChoice, SwitchesTheWindowsAndTheManualAtOnceAndIsKept) {
    Put("quillane_de.html");
    CabinetWindow& cabinet = Start();
    EXPECT_EQ(help->manual.filename(), "quillane.html");
    WithWindow<QDialog>("language", [](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("de"))->setChecked(true);
        dialog.accept();
    });
    EXPECT_EQ(translations_.language(), "de");
    EXPECT_EQ(cabinet.menuBar()->actions().front()->text(),
              QCoreApplication::translate("CabinetWindow", "&File"));
    EXPECT_NE(cabinet.menuBar()->actions().front()->text(), QStringLiteral("&File"));
    EXPECT_EQ(help->manual.filename(), "quillane_de.html");
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(cabinet.centralWidget());
    EXPECT_EQ(view->child(0)->text(QAccessible::Name),
              QCoreApplication::translate("CabinetElements", "Spin"))
        << "a screen reader hears the new language too";
    EXPECT_EQ(ReadOptions(gameFile()).language, "de");
}

}  // namespace
}  // namespace quillane::testing
