// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/account/history_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <cmath>

#include "core/paylines.h"
#include "ui/widgets/game_names.h"
#include "ui/widgets/number_format.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kGap = 2;
constexpr int kTextPixels = 13;
constexpr int kHeadlinePixels = 14;
constexpr QSize kFirstSize(640, 600);
constexpr QMargins kRowMargins(6, 4, 6, 4);
constexpr int kSpinTextWidth = 170;  // the spin's own figures, left of its symbols
const QColor kWinFrame(255, 200, 0);

// A spin's window, five reels of three symbols, with its winning cells framed.
class SymbolGrid : public QWidget {
  public:
    SymbolGrid(HistoryWindow& window, const SpinRecord& record, QWidget* parent)
        : QWidget(parent), window_(window), symbols_(record.window) {
        for (const LineWinRecord& win : record.lineWins) {
            const auto& rows = kPaylines[static_cast<std::size_t>(win.line - 1)];
            for (int r = 0; r < win.count && r < kReelCount; ++r)
                lit_[static_cast<std::size_t>(r)][static_cast<std::size_t>(rows[r])] = true;
        }
        if (record.scatterWin > 0) {
            for (int r = 0; r < kReelCount; ++r) {
                for (int row = 0; row < kRowCount; ++row) {
                    if (IsBall(
                            symbols_[static_cast<std::size_t>(r)][static_cast<std::size_t>(row)]))
                        lit_[static_cast<std::size_t>(r)][static_cast<std::size_t>(row)] = true;
                }
            }
        }
        // Read by screen readers, which cannot see the pictures: the rows top to bottom.
        QStringList rows;
        for (int row = 0; row < kRowCount; ++row) {
            QStringList names;
            for (int r = 0; r < kReelCount; ++r)
                names << SymbolText(
                    symbols_[static_cast<std::size_t>(r)][static_cast<std::size_t>(row)]);
            rows << names.join(QStringLiteral(", "));
        }
        //: Read by screen readers: a spin's symbols, row by row.
        setAccessibleName(QCoreApplication::translate("HistoryWindow", "Reels: %1")
                              .arg(rows.join(QStringLiteral("; "))));
        const int side = HistoryWindow::kCellSide;
        setFixedSize(kReelCount * (side + kGap) + kGap, kRowCount * (side + kGap) + kGap);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        const int side = HistoryWindow::kCellSide;
        const int pixels = static_cast<int>(std::lround(side * devicePixelRatioF()));
        for (int r = 0; r < kReelCount; ++r) {
            for (int row = 0; row < kRowCount; ++row) {
                const QRect cell(kGap + r * (side + kGap), kGap + row * (side + kGap), side, side);
                const auto ur = static_cast<std::size_t>(r);
                const auto urow = static_cast<std::size_t>(row);
                painter.drawImage(cell, window_.Cell(symbols_[ur][urow], pixels));
                if (lit_[ur][urow]) {
                    painter.setPen(QPen(kWinFrame, 2));
                    painter.setBrush(Qt::NoBrush);
                    painter.drawRect(cell.adjusted(1, 1, -1, -1));
                }
            }
        }
    }

  private:
    HistoryWindow& window_;
    ReelWindow symbols_;
    std::array<std::array<bool, kRowCount>, kReelCount> lit_{};
};

QLabel* TextLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(GameFont(kTextPixels, false));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

}  // namespace

QString HistorySpinText(const SpinRecord& record) {
    const QDateTime time = QDateTime::fromSecsSinceEpoch(record.time);
    //: A spin's bet: the credits bet, the paylines played and the credits on each line.
    const QString bet = record.lines == 1
                            ? QCoreApplication::translate("HistoryWindow", "Bet %1: 1 line at %2")
                                  .arg(record.bet)
                                  .arg(record.creditsPerLine)
                            : QCoreApplication::translate("HistoryWindow", "Bet %1: %2 lines at %3")
                                  .arg(record.bet)
                                  .arg(record.lines)
                                  .arg(record.creditsPerLine);
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + '\n' + bet + '\n' +
           QCoreApplication::translate("HistoryWindow", "Credits after: %1")
               .arg(WithThousands(record.creditsAfter));
}

QString HistoryWinText(const SpinRecord& record) {
    QStringList lines;
    for (const LineWinRecord& win : record.lineWins) {
        //: A line win: the payline, how many symbols in a row and what they paid.
        lines << (win.count == 1
                      ? QCoreApplication::translate("HistoryWindow", "Line %1: 1 symbol pays %2")
                            .arg(QString::number(win.line), WithThousands(win.pay))
                      : QCoreApplication::translate("HistoryWindow", "Line %1: %2 symbols pay %3")
                            .arg(QString::number(win.line), QString::number(win.count),
                                 WithThousands(win.pay)));
    }
    if (record.scatterWin > 0) {
        //: A scatter win: how many BINGO balls showed and what they paid.
        lines << (record.ballCount == 1
                      ? QCoreApplication::translate("HistoryWindow", "Scatter: 1 ball pay %1")
                            .arg(WithThousands(record.scatterWin))
                      : QCoreApplication::translate("HistoryWindow", "Scatter: %1 balls pay %2")
                            .arg(QString::number(record.ballCount),
                                 WithThousands(record.scatterWin)));
    } else if (record.ballCount > 0) {
        //: BINGO balls that showed, too few to pay.
        lines << QCoreApplication::translate("HistoryWindow", "Balls: %1").arg(record.ballCount);
    }
    if (lines.isEmpty())
        lines << QCoreApplication::translate("HistoryWindow", "No win");
    if (record.bonus) {
        const BonusRecord& bonus = *record.bonus;
        //: %1 is the colour of the card the player chose, %2 how many numbers were called.
        lines << QCoreApplication::translate("HistoryWindow", "Bonus game: %1 card, %2 calls")
                     .arg(CardColourText(bonus.card))
                     .arg(bonus.calls.size());
        QStringList won;
        for (const PatternRecord& p : bonus.patterns) {
            //: A bingo pattern won and the credits it paid, "Four Corners 20".
            won << QCoreApplication::translate("HistoryWindow", "%1 %2")
                       .arg(PatternText(static_cast<Pattern>(p.pattern)), WithThousands(p.share));
        }
        //: The list of patterns won, each with its pay, "Four Corners 20, Big X 20".
        lines << (won.isEmpty() ? QCoreApplication::translate("HistoryWindow", "Patterns won: none")
                                : QCoreApplication::translate("HistoryWindow", "Patterns won: %1")
                                      .arg(won.join(QStringLiteral(", "))));
        lines << QCoreApplication::translate("HistoryWindow", "Bonus paid: %1")
                     .arg(WithThousands(bonus.payout));
    }
    return lines.join('\n');
}

HistoryWindow::HistoryWindow(const std::vector<SpinRecord>& records, const QImage& symbolSheet,
                             int cellSize, const std::optional<std::string>& problem,
                             QWidget* parent)
    : QDialog(parent), sheet_(symbolSheet), sheetCell_(cellSize) {
    setWindowTitle(QCoreApplication::translate("HistoryWindow", "Game History"));
    UseDialogFrame(*this);
    setFont(GameFont(kTextPixels, false));
    setSizeGripEnabled(true);
    resize(kFirstSize);

    auto* layout = new QVBoxLayout(this);
    headline_ = new QLabel(this);
    headline_->setObjectName(QStringLiteral("Headline"));
    headline_->setFont(GameFont(kHeadlinePixels, true));
    headline_->setText(
        records.empty() ? QCoreApplication::translate("HistoryWindow", "No spins yet in this game.")
        : records.size() == 1
            ? QCoreApplication::translate("HistoryWindow",
                                          "The last spin of this game, newest first:")
            : QCoreApplication::translate("HistoryWindow",
                                          "The last %1 spins of this game, newest first:")
                  .arg(records.size()));
    layout->addWidget(headline_);
    if (problem) {
        //: %1 says why, as the game's storage reports it.
        auto* note = TextLabel(QCoreApplication::translate(
                                   "HistoryWindow", "The history is not being kept on disk. %1")
                                   .arg(QString::fromStdString(*problem)),
                               this);
        note->setObjectName(QStringLiteral("Problem"));
        note->setStyleSheet(QStringLiteral("color: #a00000;"));
        layout->addWidget(note);
    }

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Rows"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QWidget(scroll);
    auto* rows = new QVBoxLayout(list);
    rows->setSpacing(0);
    rows->setContentsMargins(0, 0, 0, 0);
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        QWidget* row = NewRow(*it, list);
        row->setObjectName(QStringLiteral("Row%1").arg(rows_.size()));
        rows_.push_back(row);
        rows->addWidget(row);
    }
    rows->addStretch(1);
    scroll->setWidget(list);
    layout->addWidget(scroll, 1);

    auto* close = new QPushButton(QCoreApplication::translate("HistoryWindow", "Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setDefault(true);
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
}

QWidget* HistoryWindow::NewRow(const SpinRecord& record, QWidget* parent) {
    auto* row = new QFrame(parent);
    row->setFrameShape(QFrame::StyledPanel);
    row->setAutoFillBackground(true);
    QPalette palette = row->palette();
    palette.setColor(QPalette::Window, record.bonus ? QColor(255, 244, 204)
                                                    : (rows_.size() % 2 ? QColor(238, 238, 238)
                                                                        : QColor(250, 250, 250)));
    palette.setColor(QPalette::WindowText, Qt::black);
    row->setPalette(palette);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(kRowMargins);
    QLabel* left = TextLabel(HistorySpinText(record), row);
    left->setMinimumWidth(kSpinTextWidth);
    layout->addWidget(left, 0, Qt::AlignTop);
    layout->addWidget(new SymbolGrid(*this, record, row), 0, Qt::AlignTop);
    QLabel* right = TextLabel(HistoryWinText(record), row);
    layout->addWidget(right, 1, Qt::AlignTop);
    texts_.emplace_back(left, right);
    return row;
}

QString HistoryWindow::rowText(int index) const {
    const auto& [left, right] = texts_.at(static_cast<std::size_t>(index));
    return left->text() + '\n' + right->text();
}

const QImage& HistoryWindow::Cell(int n, int pixels) {
    const auto key = std::make_pair(n, pixels);
    auto found = cells_.find(key);
    if (found != cells_.end())
        return found->second;
    const QRect source((n % 4) * sheetCell_, (n / 4) * sheetCell_, sheetCell_, sheetCell_);
    QImage cell = sheet_.copy(source);
    if (cell.isNull()) {
        cell = QImage(pixels, pixels, QImage::Format_RGB32);
        cell.fill(Qt::darkGray);
    } else if (cell.width() != pixels) {
        // Scaled smoothly: picked pixels break up the symbols' lettering.
        cell = cell.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return cells_.emplace(key, std::move(cell)).first->second;
}

}  // namespace quillane
