// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>
#include <QPointer>

#include "cabinet_fixture.h"
#include "ui/account/borrow_window.h"

namespace quillane::testing {
namespace {

namespace layout = cabinet_layout;

class CabinetKeyboard : public CabinetFixture {
  protected:
    void Ready() {
        Start();
        PassStartup();
    }
    // A key as the player types it on the cabinet.
    void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(cabinet().centralWidget(), &press);
        clock.ProcessEvents();
    }
    // What a press of a key can change.
    auto Outcome() const {
        const SessionState& s = session.state();
        return std::tuple(s.account, s.settings, s.reelStops, s.bet);
    }
    // A point on the ring's light band, just left of the middle of `stop`'s face.
    QPoint OnRing(int stop) {
        const layout::Box face = layout::StopFace(stop);
        const CabinetGeometry& g = cabinet().cabinetGeometry();
        return {g.Scale(face.left) - std::max(1, g.Scale(1)) - 1,
                g.Scale((face.top + face.bottom) / 2)};
    }
};

// Tab goes round the keys in reading order with the ring; Enter presses the key the ring is on
// exactly as a click on it does, and the coin slot borrows.
TEST_F(CabinetKeyboard, TabWalksTheKeysAndEnterPressesTheOneFocused) {
    Ready();
    const SessionState start = session.state();
    auto fromTheStart = [&] {
        session.Restore(start);
        session.Seed(seed);
        cabinet().Redraw();
    };
    for (int stop = 0; stop < layout::kKeyStops; ++stop) {
        SCOPED_TRACE("stop " + std::to_string(stop));
        Type(Qt::Key_Escape);
        fromTheStart();
        const QPoint ring = OnRing(stop);
        const QRgb unringed = At(ring.x(), ring.y());
        for (int tab = 0; tab <= stop; ++tab)
            Type(Qt::Key_Tab);
        ASSERT_EQ(cabinet().keyFocus(), stop);
        EXPECT_NE(At(ring.x(), ring.y()), unringed) << "no ring";
        // Back and forth: the ring leaves a key without a trace.
        Type(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(At(ring.x(), ring.y()), unringed);
        Type(Qt::Key_Tab);
        Type(Qt::Key_Return);
        if (stop == layout::kCoinSlotStop) {
            EXPECT_NE(dynamic_cast<BorrowWindow*>(QApplication::activeModalWidget()), nullptr);
            QApplication::activeModalWidget()->close();
            clock.ProcessEvents();
            continue;
        }
        Settle();
        const auto byKeys = Outcome();
        fromTheStart();
        ClickMiddle(layout::StopHitBox(stop));
        Settle();
        EXPECT_EQ(Outcome(), byKeys);
    }
    // Shift+Tab from the first key comes round to the last; Escape takes the ring away and
    // Enter spins again.
    Type(Qt::Key_Escape);
    Type(Qt::Key_Tab);
    Type(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(cabinet().keyFocus(), layout::kCoinSlotStop);
    Type(Qt::Key_Escape);
    EXPECT_EQ(cabinet().keyFocus(), std::nullopt);
    const auto before = Outcome();
    Type(Qt::Key_Return);
    Settle();
    EXPECT_NE(Outcome(), before);
}

}  // namespace
}  // namespace quillane::testing
