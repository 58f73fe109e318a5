// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/reminder_window.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kTextWidth = 300;  // room for each sentence on a line of its own

}  // namespace

ReminderWindow::ReminderWindow(const QString& text, bool autoplayRunning, QWidget* parent)
    : QDialog(parent) {
    //: The title of the window that reminds the player of the time and credits played
    setWindowTitle(QCoreApplication::translate("ReminderWindow", "Play Reminder"));
    UseDialogFrame(*this);
    auto* layout = new QVBoxLayout(this);
    auto* words = new QLabel(text, this);
    words->setObjectName(QStringLiteral("reminderText"));
    words->setWordWrap(true);
    words->setMinimumWidth(kTextWidth);
    layout->addWidget(words);

    auto* buttons = new QDialogButtonBox(this);
    //: Closes the play reminder; autoplay, if it runs, goes on
    QPushButton* playOn = buttons->addButton(
        QCoreApplication::translate("ReminderWindow", "&Play On"), QDialogButtonBox::AcceptRole);
    playOn->setDefault(true);
    if (autoplayRunning) {
        QPushButton* stop =
            buttons->addButton(QCoreApplication::translate("ReminderWindow", "&Stop Autoplay"),
                               QDialogButtonBox::DestructiveRole);
        stop->setObjectName(QStringLiteral("stopAutoplay"));
        connect(stop, &QPushButton::clicked, this, [this] { done(kStopAutoplay); });
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace quillane
