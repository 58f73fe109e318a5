// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>
#include <QDialog>

#include "core/play_reminder.h"

namespace quillane {

// Asks how often the game reminds the player of the time played and the credits won or lost,
// and how: a notice over the meters or a window that pauses autoplay.
class ReminderDialog : public QDialog {
  public:
    ReminderDialog(int minutes, ReminderStyle style, QWidget* parent = nullptr);

    int minutes() const { return intervals_->checkedId(); }
    ReminderStyle style() const { return static_cast<ReminderStyle>(styles_->checkedId()); }

    // For tests.
    QButtonGroup* intervals() const { return intervals_; }
    QButtonGroup* styles() const { return styles_; }

  private:
    QButtonGroup* intervals_ = nullptr;
    QButtonGroup* styles_ = nullptr;
};

}  // namespace quillane
