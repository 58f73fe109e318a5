// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

namespace quillane {

// The play reminder as a window: the time played and the session's result, and a way on. While
// autoplay runs it offers to stop it; closing it otherwise lets the run go on.
class ReminderWindow : public QDialog {
  public:
    // The result when the player chose to stop autoplay.
    static constexpr int kStopAutoplay = 2;

    ReminderWindow(const QString& text, bool autoplayRunning, QWidget* parent = nullptr);
};

}  // namespace quillane
