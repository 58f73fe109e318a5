// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QImage>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/game_session.h"
#include "platform/messages.h"

namespace quillane {

// Borrowing credits, or paying back what was borrowed, in fixed amounts. Every press works on
// the session's credits and borrowed counters at once.
class BorrowWindow : public QDialog {
  public:
    static constexpr std::array<std::int32_t, 4> kAmounts = {1000, 100, 10, 1};
    static constexpr int kWindowTopic = 41003;
    static constexpr int kControlsTopic = 41005;

    // The meters show the credits in `creditsDigits` and the borrowed credits in
    // `borrowedDigits`, the cabinet's meter pictures.
    BorrowWindow(GameSession& session, const QImage& creditsDigits, const QImage& borrowedDigits,
                 Messages& messages, Help* help, QWidget* parent = nullptr);

    // An amount button; `tag` 0 to 3 picks 1000, 100, 10 or 1.
    void PressAmount(int tag);
    void ShowHelpText();
    void Redraw();

    QRadioButton* borrowMode() const { return borrowMode_; }
    QRadioButton* payBackMode() const { return payBackMode_; }
    const QImage& surface() const { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    GameSession& session_;
    QImage creditsDigits_;
    QImage borrowedDigits_;
    Messages& messages_;
    Help* help_;
    QRadioButton* borrowMode_ = nullptr;
    QRadioButton* payBackMode_ = nullptr;
    QImage surface_;
};

}  // namespace quillane
