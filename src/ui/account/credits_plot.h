// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <vector>

namespace quillane {

// A small plot of the credits after each of the game's last spins, oldest first: a line across
// the spins, scaled between the lowest and the highest credits, which are written at the left.
// With no spins it says so, quietly.
class CreditsPlot : public QWidget {
  public:
    static inline const QColor kLineColour{0x1f, 0x5f, 0xbf};
    static inline const QColor kQuietColour{0x80, 0x80, 0x80};
    // What the plot says with no spins, in the player's language.
    static QString NoSpinsText();

    explicit CreditsPlot(std::vector<std::int64_t> credits, QWidget* parent = nullptr);

    const std::vector<std::int64_t>& credits() const { return credits_; }
    // Where the line is drawn, within the widget: right of the figures at the left.
    QRect LineArea() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<std::int64_t> credits_;
};

}  // namespace quillane
