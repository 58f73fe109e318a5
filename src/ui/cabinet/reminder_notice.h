// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QRect>

namespace quillane {

class CabinetView;

// The play reminder as a notice laid over the meter panel: play goes on beneath it, and a click
// on it puts it away. It is a widget of its own over the view, so the meters' drawing beneath
// never wipes it.
class ReminderNotice : public QLabel {
  public:
    explicit ReminderNotice(CabinetView* view);

    // Shows `text` in letters `pixelSize` tall, where Place puts it.
    void Show(const QString& text, int pixelSize);
    // Over `panel`, a box on the view's surface in its pixels; again whenever the cabinet is
    // laid out again.
    void Place(const QRect& panel);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    CabinetView* view_;
};

}  // namespace quillane
