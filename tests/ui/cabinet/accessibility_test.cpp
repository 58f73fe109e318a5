// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <QHelpEvent>
#include <QTextDocumentFragment>
#include <QToolTip>

#include "cabinet_fixture.h"
#include "core/betting.h"
#include "core/symbol_names.h"
#include "ui/access/accessibility.h"
#include "ui/access/spoken_results.h"
#include "ui/cabinet/cabinet_view.h"

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

// The mouse resting on any key shows what it does, under its caption; a screen reader gets the
// same words as the key's description.
TEST_F(CabinetAccessibility, EveryKeySaysWhatItDoesAsItsTooltipAndDescription) {
    namespace layout = cabinet_layout;
    CabinetWindow& cabinet = Ready();
    auto* view = static_cast<CabinetView*>(cabinet.centralWidget());
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(view);
    const CabinetGeometry& g = cabinet.cabinetGeometry();
    QStringList tips;
    for (int stop = 0; stop < layout::kKeyStops; ++stop) {
        const layout::Box face = layout::StopFace(stop);
        const QPoint middle = (view->origin() + QPointF(g.Scale((face.left + face.right) / 2),
                                                        g.Scale((face.top + face.bottom) / 2)))
                                  .toPoint();
        QHelpEvent hover(QEvent::ToolTip, middle, view->mapToGlobal(middle));
        QApplication::sendEvent(view, &hover);
        // The words the tip shows, without the markup that wraps them.
        const QString tip = QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText();
        const QString caption = stop < layout::kBetMaxStop
                                    ? QString::fromUtf8(layout::KeyAt(stop + 1).caption)
                                : stop == layout::kBetMaxStop ? QStringLiteral("Bet Max")
                                : stop == layout::kSpinStop   ? QStringLiteral("Spin")
                                                              : QStringLiteral("Insert Coins");
        EXPECT_TRUE(tip.startsWith(caption + " \u2014 ") && tip.endsWith('.'))
            << stop << ": " << tip.toStdString();
        bool described = false;
        for (int i = 0; i < tree->childCount(); ++i)
            described = described || tree->child(i)->text(QAccessible::Description) == tip;
        EXPECT_TRUE(described) << tip.toStdString();
        tips << tip;
    }
    EXPECT_EQ(tips.removeDuplicates(), 0);
    QHelpEvent off(QEvent::ToolTip, QPoint(1, 1), view->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(view, &off);
    EXPECT_FALSE(off.isAccepted()) << "no tip away from the keys";
}

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
