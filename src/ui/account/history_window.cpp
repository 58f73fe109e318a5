// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/account/history_window.h"

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
        setAccessibleName("Reels: " + rows.join(QStringLiteral("; ")));
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
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + '\n' +
           QStringLiteral("Bet %1: %2 %3 at %4")
               .arg(record.bet)
               .arg(record.lines)
               .arg(record.lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"))
               .arg(record.creditsPerLine) +
           '\n' + QStringLiteral("Credits after: ") + WithThousands(record.creditsAfter);
}

QString HistoryWinText(const SpinRecord& record) {
    QStringList lines;
    for (const LineWinRecord& win : record.lineWins) {
        const QString symbols = win.count == 1 ? QStringLiteral("1 symbol pays")
                                               : QStringLiteral("%1 symbols pay").arg(win.count);
        lines
            << QStringLiteral("Line %1: %2 %3").arg(win.line).arg(symbols, WithThousands(win.pay));
    }
    const QString balls = record.ballCount == 1 ? QStringLiteral("1 ball")
                                                : QStringLiteral("%1 balls").arg(record.ballCount);
    if (record.scatterWin > 0) {
        lines << QStringLiteral("Scatter: %1 pay %2").arg(balls, WithThousands(record.scatterWin));
    } else if (record.ballCount > 0) {
        lines << QStringLiteral("Balls: %1").arg(record.ballCount);
    }
    if (lines.isEmpty())
        lines << QStringLiteral("No win");
    if (record.bonus) {
        const BonusRecord& bonus = *record.bonus;
        lines << QStringLiteral("Bonus game: %1 card, %2 calls")
                     .arg(CardColourText(bonus.card))
                     .arg(bonus.calls.size());
        QStringList won;
        for (const PatternRecord& p : bonus.patterns) {
            won << PatternText(static_cast<Pattern>(p.pattern)) + ' ' + WithThousands(p.share);
        }
        lines << (won.isEmpty()
                      ? QStringLiteral("Patterns won: none")
                      : QStringLiteral("Patterns won: ") + won.join(QStringLiteral(", ")));
        lines << QStringLiteral("Bonus paid: ") + WithThousands(bonus.payout);
    }
    return lines.join('\n');
}

HistoryWindow::HistoryWindow(const std::vector<SpinRecord>& records, const QImage& symbolSheet,
                             int cellSize, const std::optional<std::string>& problem,
                             QWidget* parent)
    : QDialog(parent), sheet_(symbolSheet), sheetCell_(cellSize) {
    setWindowTitle(QStringLiteral("Game History"));
    UseDialogFrame(*this);
    setFont(GameFont(kTextPixels, false));
    setSizeGripEnabled(true);
    resize(kFirstSize);

    auto* layout = new QVBoxLayout(this);
    headline_ = new QLabel(this);
    headline_->setObjectName(QStringLiteral("Headline"));
    headline_->setFont(GameFont(kHeadlinePixels, true));
    headline_->setText(records.empty()
                           ? QStringLiteral("No spins yet in this game.")
                           : QStringLiteral("The last %1 of this game, newest first:")
                                 .arg(records.size() == 1
                                          ? QStringLiteral("spin")
                                          : QStringLiteral("%1 spins").arg(records.size())));
    layout->addWidget(headline_);
    if (problem) {
        auto* note = TextLabel(QStringLiteral("The history is not being kept on disk. ") +
                                   QString::fromStdString(*problem),
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

    auto* close = new QPushButton(QStringLiteral("Close"), this);
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
