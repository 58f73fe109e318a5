// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>

#include "cabinet_fixture.h"
#include "core/betting.h"
#include "core/symbol_names.h"
#include "ui/access/accessibility.h"
#include "ui/access/spoken_results.h"

namespace quillane::testing {
namespace {

class CabinetAccessibility : public CabinetFixture {
  protected:
    CabinetWindow& Ready() {
        CabinetWindow& cabinet = Start();
        PassStartup();
        return cabinet;
    }

    // The painted element of the cabinet named `name`.
    QAccessibleInterface* Element(const QString& name) {
        QAccessibleInterface* view =
            QAccessible::queryAccessibleInterface(cabinet().centralWidget());
        for (int i = 0; view && i < view->childCount(); ++i) {
            if (view->child(i)->text(QAccessible::Name) == name)
                return view->child(i);
        }
        ADD_FAILURE() << "no element named " << name.toStdString();
        return nullptr;
    }

    void Press(const QString& name) {
        QAccessibleInterface* element = Element(name);
        ASSERT_NE(element, nullptr);
        element->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        clock.ProcessEvents();
    }
};

TEST_F(CabinetAccessibility, ABetKeyPressedThroughTheTreeIsCheckedAndPlaysFewerLines) {
    Ready();
    EXPECT_TRUE(Element("9 Paylines")->state().checked);
    Press("3 Paylines");
    EXPECT_TRUE(Element("3 Paylines")->state().checked);
    EXPECT_FALSE(Element("9 Paylines")->state().checked);
    EXPECT_NE(Element("Payline 4: not played"), nullptr);
    EXPECT_NE(Element("Coins: 3"), nullptr);
}

TEST_F(CabinetAccessibility, SpinPressedThroughTheTreeSpinsAndTellsTheResult) {
    Ready();
    QAccessibleInterface* credits = Element("Credits: 1,000");
    ASSERT_NE(credits, nullptr);
    EXPECT_EQ(credits->valueInterface()->currentValue().toInt(), 1000);
    Press("Spin");
    Settle();
    const SessionState& game = session.state();
    EXPECT_EQ(credits->valueInterface()->currentValue().toInt(), game.account.credits);
    EXPECT_EQ(game.account.spins, 1);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(cabinet().centralWidget());
    QAccessibleInterface* status = view->child(view->childCount() - 1);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->text(QAccessible::Name), SpinReport(game, session.bonusTriggered()));

    QAccessibleTableInterface* reels = Element("Reels")->tableInterface();
    ASSERT_EQ(reels->rowCount(), kRowCount);
    ASSERT_EQ(reels->columnCount(), kReelCount);
    for (int row = 0; row < kRowCount; ++row) {
        for (int reel = 0; reel < kReelCount; ++reel) {
            const Symbol shown =
                game.spin.window[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)];
            EXPECT_EQ(reels->cellAt(row, reel)->text(QAccessible::Name).toStdString(),
                      SymbolName(shown));
        }
    }
}

TEST_F(CabinetAccessibility, ARefusedSpinIsToldAsTheBoxSaysIt) {
    Ready();
    Arrange([](SessionState& s) { s.account.credits = 0; });
    Press("Spin");
    ASSERT_FALSE(messages.informed.empty());
    EXPECT_EQ(StatusText(cabinet().centralWidget()).toStdString(), messages.informed.back());
    EXPECT_EQ(messages.informed.back(), "No bet was placed!");
}

}  // namespace
}  // namespace quillane::testing
