// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QString>
#include <cstdint>
#include <vector>

#include "core/account_rules.h"
#include "core/return_figures.h"

namespace quillane {

class CreditsPlot;

// How the current game stands, as a snapshot taken when the window opens: the counters, a plot
// of the credits over the last spins, and what the rules return at the bet beside what the game
// returned.
class StatisticsWindow : public QDialog {
  public:
    // `credits` holds the credits after each of the game's last spins, oldest first; `theory`
    // the figures for the bet the keys show.
    StatisticsWindow(const Statistics& figures, const TheoreticalReturn& theory,
                     std::vector<std::int64_t> credits, QWidget* parent = nullptr);
    // No spins to plot, and the figures for the bet the keys show at start.
    explicit StatisticsWindow(const Statistics& figures, QWidget* parent = nullptr);

    void ShowFigures(const Statistics& figures);
    void ShowTheory(const TheoreticalReturn& theory);
    QLabel* value(const char* objectName) const;
    CreditsPlot* plot() const { return plot_; }

  private:
    // The counters stand this far in from the percentages' right edge.
    static constexpr int kCounterIndent = 8;

    QLabel* Caption(const char* name, const QString& text, bool bold);
    QLabel* Figure(int row, int column, QLabel* caption, const char* valueName, bool bold,
                   int captionIndent = 0, int valueIndent = kCounterIndent);

    QGridLayout* grid_ = nullptr;
    CreditsPlot* plot_ = nullptr;
};

}  // namespace quillane
