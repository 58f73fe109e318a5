// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/spin_record.h"

namespace quillane {

// The game history: the kept spins of the current game, newest first, each with its time, bet,
// the reels' window drawn small from the cabinet's symbol sheet, its wins and balls and the
// balance after it, and for a spin that opened a bonus game the chosen card, the calls, the
// patterns the card won and the payout. A snapshot taken when the window opens.
class HistoryWindow : public QDialog {
  public:
    // `records` oldest first; `symbolSheet` has cells `cellSize` pixels square, four to a row.
    // `problem`, when set, says why the history is not kept on disk.
    HistoryWindow(const std::vector<SpinRecord>& records, const QImage& symbolSheet, int cellSize,
                  const std::optional<std::string>& problem, QWidget* parent = nullptr);

    // The rows, newest first.
    int rowCount() const { return static_cast<int>(rows_.size()); }
    QWidget* row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
    // What row `index` says in words: its time, bet and balance, then its wins.
    QString rowText(int index) const;
    QLabel* headline() const { return headline_; }

    // Symbol `n` at `pixels` device pixels square, scaled smoothly once.
    const QImage& Cell(int n, int pixels);

    // The side of one cell of a row's window, in logical pixels.
    static constexpr int kCellSide = 26;

  private:
    QWidget* NewRow(const SpinRecord& record, QWidget* parent);

    QImage sheet_;
    int sheetCell_;
    std::map<std::pair<int, int>, QImage> cells_;  // by symbol and size
    std::vector<QWidget*> rows_;
    std::vector<std::pair<QLabel*, QLabel*>> texts_;  // each row's left and right text
    QLabel* headline_ = nullptr;
};

// The words of a history row: time, bet and balance ("left"), then wins and bonus ("right").
QString HistorySpinText(const SpinRecord& record);
QString HistoryWinText(const SpinRecord& record);

}  // namespace quillane
