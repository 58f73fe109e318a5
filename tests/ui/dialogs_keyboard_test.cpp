// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "cabinet_fixture.h"
#include "platform/qt_messages.h"

namespace quillane::testing {
namespace {

// Whether a player works `widget` itself; a scroll bar is worked through its scroll area.
bool Interactive(const QWidget* widget) {
    if (qobject_cast<const QScrollBar*>(widget) != nullptr)
        return false;
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QAbstractScrollArea*>(widget) != nullptr;
}

// Tab reaches a group of radio buttons at its checked one; the arrow keys move within it.
bool TabReaches(const QWidget* widget) {
    const auto* radio = qobject_cast<const QRadioButton*>(widget);
    if (radio != nullptr && radio->group() != nullptr && radio->group()->checkedButton() != nullptr)
        widget = radio->group()->checkedButton();
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

using DialogsWithoutAMouse = CabinetFixture;

// Every window the menus open and every message box: Tab reaches each control, Enter presses
// the focused button or else a default one, and Escape closes the window.
TEST_F(DialogsWithoutAMouse, EveryDialogHasADefaultButtonTabReachesItsControlsAndEscapeCloses) {
    Start();
    PassStartup();
    QtMessages boxes(&cabinet());
    const auto command = [this](const char* name) {
        return [this, name] { cabinet().action(name)->trigger(); };
    };
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"stats", command("stats")},
        {"borrow", command("borrow")},
        {"openGame", command("openGame")},
        {"saveGame", command("saveGame")},
        {"autoplay", command("autoplay")},
        {"volume", command("volume")},
        {"reminder", command("reminder")},
        {"history", command("history")},
        {"payoffs", command("payoffs")},
        {"information box", [&] { boxes.Inform("Told."); }},
        {"question box", [&] { boxes.Confirm("Asked?", [](bool) {}); }},
        {"text box", [&] { boxes.AskText("Name?", "", "Typed", [](auto) {}); }},
    };
    for (const auto& [name, open] : dialogs) {
        SCOPED_TRACE(name);
        open();
        clock.ProcessEvents();
        QPointer<QWidget> dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        const auto buttons = dialog->findChildren<QPushButton*>();
        EXPECT_TRUE(std::ranges::any_of(buttons, [](QPushButton* b) { return b->isDefault(); }))
            << "no default button";
        for (QPushButton* button : buttons) {
            EXPECT_TRUE(button->autoDefault() || button->isDefault())
                << button->objectName().toStdString() << ": Enter on it presses another button";
        }
        for (QWidget* widget : dialog->findChildren<QWidget*>()) {
            if (Interactive(widget) && widget->isVisibleTo(dialog)) {
                EXPECT_TRUE(TabReaches(widget))
                    << widget->metaObject()->className() << " "
                    << widget->objectName().toStdString() << " cannot be tabbed to";
            }
        }
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QWidget* focus = dialog->focusWidget();
        QApplication::sendEvent(focus != nullptr ? focus : dialog.data(), &escape);
        clock.ProcessEvents();
        EXPECT_TRUE(dialog == nullptr || !dialog->isVisible()) << "Escape leaves it open";
        if (dialog != nullptr && dialog->isVisible())
            dialog->close();
        clock.ProcessEvents();
    }
}

}  // namespace
}  // namespace quillane::testing
