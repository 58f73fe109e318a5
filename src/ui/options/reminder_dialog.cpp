// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/reminder_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

QRadioButton* AddChoice(QButtonGroup* group, QVBoxLayout* column, const QString& text, int id,
                        bool checked) {
    auto* choice = new QRadioButton(text, column->parentWidget());
    choice->setChecked(checked);
    group->addButton(choice, id);
    column->addWidget(choice);
    return choice;
}

}  // namespace

ReminderDialog::ReminderDialog(int minutes, ReminderStyle style, QWidget* parent)
    : QDialog(parent) {
    //: The title of the window that sets the play reminder
    setWindowTitle(QCoreApplication::translate("ReminderDialog", "Play Reminder"));
    UseDialogFrame(*this);
    auto* layout = new QVBoxLayout(this);

    auto* often = new QGroupBox(
        QCoreApplication::translate("ReminderDialog",
                                    "Remind me of the time played and the credits won or lost:"),
        this);
    auto* oftenColumn = new QVBoxLayout(often);
    intervals_ = new QButtonGroup(this);
    //: The play reminder switched off
    AddChoice(intervals_, oftenColumn, QCoreApplication::translate("ReminderDialog", "&Never"), 0,
              !IsReminderChoice(minutes) || minutes == 0);
    for (int choice : kReminderChoices)
        AddChoice(intervals_, oftenColumn,
                  QCoreApplication::translate("ReminderDialog", "Every %1 minutes").arg(choice),
                  choice, choice == minutes);
    layout->addWidget(often);

    auto* how =
        new QGroupBox(QCoreApplication::translate("ReminderDialog", "Remind me with:"), this);
    auto* howColumn = new QVBoxLayout(how);
    styles_ = new QButtonGroup(this);
    AddChoice(styles_, howColumn,
              QCoreApplication::translate("ReminderDialog", "A &notice over the meters"),
              static_cast<int>(ReminderStyle::Notice), style == ReminderStyle::Notice);
    AddChoice(styles_, howColumn,
              QCoreApplication::translate("ReminderDialog", "A &window that pauses autoplay"),
              static_cast<int>(ReminderStyle::Window), style == ReminderStyle::Window);
    layout->addWidget(how);
    // The style matters only with a reminder to give.
    auto follow = [this, how] { how->setEnabled(intervals_->checkedId() != 0); };
    connect(intervals_, &QButtonGroup::idToggled, this, follow);
    follow();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace quillane
