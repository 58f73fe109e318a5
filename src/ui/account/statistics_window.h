#pragma once

#include <QDialog>
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
    QLabel* Caption(const char* name, const QString& text, int x, int y, bool bold);
    QLabel* Value(const char* name, int x, int y, bool bold, const QString& colour = {});

    CreditsPlot* plot_ = nullptr;
};

}  // namespace quillane
