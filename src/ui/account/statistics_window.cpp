// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/account/statistics_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/counters.h"
#include "core/game_session.h"
#include "ui/account/credits_plot.h"
#include "ui/widgets/number_format.h"
#include "ui/widgets/return_text.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kFontPixels = 13;
constexpr int kNotePixels = 11;
constexpr QMargins kFiguresMargins(12, 14, 11, 0);
constexpr QMargins kButtonMargins(0, 5, 7, 6);
// The two columns of figures and the gap between them; longer texts widen them.
constexpr int kColumnWidth = 281;
constexpr int kColumnGap = 47;
constexpr int kCaptionGap = 4;  // the least room between a caption and its value
constexpr int kValueHeight = 18;
// "Normal:" and "Bonus:", the parts of "Payoffs:", stand in from it, captions and figures alike.
constexpr int kPartIndent = 24;
constexpr QSize kPlotSize(308, 136);
constexpr QSize kOkSize(89, 33);
constexpr int kRuleHeight = 4;

// Each row's height, top to bottom: the counters, the rule, then the theory beside the plot.
enum Row { kSpins, kPayoffs, kNormal, kBonus, kBorrowed, kRule, kTheory, kBase, kEstimate, kNote };
constexpr int kRowHeights[] = {32, 24, 24, 32, 28, 14, 24, 24, 28, 84};

QFont WindowFont(bool bold) {
    return GameFont(kFontPixels, bold);
}

}  // namespace

StatisticsWindow::StatisticsWindow(const Statistics& figures, QWidget* parent)
    : StatisticsWindow(
          figures, ComputeTheoreticalReturn(BetSettings{}.linesBet, BetSettings{}.creditsPerLine),
          {}, parent) {}

StatisticsWindow::StatisticsWindow(const Statistics& figures, const TheoreticalReturn& theory,
                                   std::vector<std::int64_t> credits, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("StatisticsWindow", "Your Game Statistics"));
    UseDialogFrame(*this);
    setFont(WindowFont(false));

    auto* grid = new QGridLayout;
    grid->setContentsMargins(kFiguresMargins);
    grid->setSpacing(0);
    grid->setColumnMinimumWidth(0, kColumnWidth);
    grid->setColumnMinimumWidth(1, kColumnGap);
    grid->setColumnMinimumWidth(2, kColumnWidth);
    for (int row = 0; row < static_cast<int>(std::size(kRowHeights)); ++row)
        grid->setRowMinimumHeight(row, kRowHeights[row]);
    grid_ = grid;

    Figure(
        kSpins, 0,
        Caption("SpinsCaption", QCoreApplication::translate("StatisticsWindow", "Spins:"), false),
        "SpinsValue", true);
    Figure(kNormal, 0,
           Caption("CreditsCaption", QCoreApplication::translate("StatisticsWindow", "Credits:"),
                   false),
           "CreditsValue", true);
    Figure(kBorrowed, 0,
           Caption("BorrowedCaption", QCoreApplication::translate("StatisticsWindow", "Borrowed:"),
                   false),
           "BorrowedValue", true);
    Figure(kSpins, 2,
           Caption("TotalBetsCaption",
                   QCoreApplication::translate("StatisticsWindow", "Total Bets:"), false),
           "TotalBetsValue", true);
    Figure(kPayoffs, 2,
           Caption("PayoffsCaption", QCoreApplication::translate("StatisticsWindow", "Payoffs:"),
                   false),
           "PayoffsValue", true);
    Figure(
        kNormal, 2,
        Caption("NormalCaption", QCoreApplication::translate("StatisticsWindow", "Normal:"), false),
        "NormalPayoffsValue", false, kPartIndent, kPartIndent);
    Figure(
        kBonus, 2,
        Caption("BonusCaption", QCoreApplication::translate("StatisticsWindow", "Bonus:"), false),
        "BonusPayoffsValue", false, kPartIndent, kPartIndent);
    Figure(kBorrowed, 2,
           Caption("PercentageCaption",
                   QCoreApplication::translate("StatisticsWindow", "Overall Payoff Percentage:"),
                   true),
           "PayoffPercentageValue", true, 0, 0)
        ->setStyleSheet(QStringLiteral("color: #ff0000;"));

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("FiguresRule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setFixedHeight(kRuleHeight);
    grid->addWidget(rule, kRule, 0, 1, 3, Qt::AlignTop);

    const auto spins = static_cast<qsizetype>(credits.size());
    grid->addWidget(
        Caption(
            "CreditsPlotCaption",
            spins == 0
                ? QCoreApplication::translate("StatisticsWindow", "Credits over the Last Spins:")
            : spins == 1
                ? QCoreApplication::translate("StatisticsWindow", "Credits after the Last Spin:")
                : QCoreApplication::translate("StatisticsWindow", "Credits over the Last %1 Spins:")
                      .arg(spins),
            false),
        kTheory, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    plot_ = new CreditsPlot(std::move(credits), this);
    plot_->setFixedSize(kPlotSize);
    grid->addWidget(plot_, kBase, 0, 3, 2, Qt::AlignLeft | Qt::AlignTop);

    // The theory beside the player's own percentage above it.
    Figure(
        kTheory, 2,
        Caption("TheoreticalCaption",
                QCoreApplication::translate("StatisticsWindow", "Theoretical Payoff Percentage:"),
                true),
        "TheoreticalValue", true, 0, 0);
    Figure(kBase, 2,
           Caption("BaseGameCaption",
                   QCoreApplication::translate("StatisticsWindow", "Base Game (exact):"), false),
           "BaseGameValue", false, kPartIndent, 0);
    Figure(kEstimate, 2,
           Caption("BonusGameCaption",
                   QCoreApplication::translate("StatisticsWindow", "Bonus (estimated):"), false),
           "BonusGameValue", false, kPartIndent, 0);
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("TheoreticalNote"));
    note->setFont(GameFont(kNotePixels, false));
    note->setStyleSheet(QStringLiteral("color: #606060;"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(note, kNote, 2);

    auto* ok = new QPushButton(QCoreApplication::translate("StatisticsWindow", "OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setMinimumSize(kOkSize);
    ok->setDefault(true);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(kButtonMargins);
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    ShowFigures(figures);
    ShowTheory(theory);
    // Laid out now, so the window has its size and places before it is first shown.
    layout->activate();
}

QLabel* StatisticsWindow::Caption(const char* name, const QString& text, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(WindowFont(bold));
    return label;
}

// A caption at the left of its column and its value at the right, each staying so as either
// grows; the indents move them in from the column's edges.
QLabel* StatisticsWindow::Figure(int row, int column, QLabel* caption, const char* valueName,
                                 bool bold, int captionIndent, int valueIndent) {
    auto* value = new QLabel(this);
    value->setObjectName(QString::fromLatin1(valueName));
    value->setFont(WindowFont(bold));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumHeight(kValueHeight);
    auto* line = new QHBoxLayout;
    line->setSpacing(0);
    line->addSpacing(captionIndent);
    line->addWidget(caption, 0, Qt::AlignTop);
    line->addSpacing(kCaptionGap);
    line->addStretch();
    line->addWidget(value, 0, Qt::AlignTop);
    line->addSpacing(valueIndent);
    grid_->addLayout(line, row, column);
    return value;
}

void StatisticsWindow::ShowFigures(const Statistics& figures) {
    // A counter stopped at its limit says so: from there on the figures no longer follow play.
    auto counter = [](std::int32_t value, const QString& shown) {
        //: A statistics counter that has stopped at its largest value; %1 is the value
        return AtLimit(value)
                   ? QCoreApplication::translate("StatisticsWindow", "%1 (limit)").arg(shown)
                   : shown;
    };
    value("SpinsValue")->setText(counter(figures.spins, GroupedNumber(figures.spins)));
    value("CreditsValue")->setText(counter(figures.credits, GroupedNumber(figures.credits)));
    value("BorrowedValue")->setText(counter(figures.borrowed, GroupedNumber(figures.borrowed)));
    value("PayoffsValue")->setText(GroupedNumber(figures.payoffs));
    value("NormalPayoffsValue")->setText(GroupedNumber(figures.normalPayoffs));
    value("BonusPayoffsValue")->setText(counter(figures.bonus, QString::number(figures.bonus)));
    value("PayoffPercentageValue")->setText(Percentage(figures.payoffPercentage));
    value("TotalBetsValue")->setText(counter(figures.totalBets, GroupedNumber(figures.totalBets)));
}

void StatisticsWindow::ShowTheory(const TheoreticalReturn& theory) {
    value("TheoreticalValue")->setText(TheoreticalTotal(theory));
    value("BaseGameValue")->setText(ReturnPercentage(theory.base));
    value("BonusGameValue")->setText(EstimatedBonus(theory));
    const QString bet = BetText(theory.lines, theory.credits);
    //: %1 is a bet, "9 lines × 1 credit"; %2 a count, "1,000,000 simulated games".
    const QString note =
        theory.bonus
            ? QCoreApplication::translate(
                  "StatisticsWindow",
                  "At %1, over many spins. The base game's share follows exactly from the rules; "
                  "the bonus game's is estimated from %2, ± one standard error.")
                  .arg(bet, SimulatedGames(theory))
            //: %1 is a bet, "9 lines × 1 credit".
            : QCoreApplication::translate(
                  "StatisticsWindow",
                  "At %1, over many spins. The base game's share follows exactly from the rules; "
                  "the bonus game's is not estimated for this bet.")
                  .arg(bet);
    findChild<QLabel*>(QStringLiteral("TheoreticalNote"))->setText(note);
}

QLabel* StatisticsWindow::value(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

}  // namespace quillane
