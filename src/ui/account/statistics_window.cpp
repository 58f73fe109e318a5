#include "ui/account/statistics_window.h"

#include <QFrame>
#include <QPushButton>
#include <QStyle>

#include "core/game_session.h"
#include "ui/account/credits_plot.h"
#include "ui/widgets/number_format.h"
#include "ui/widgets/return_text.h"
#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr int kValueWidth = 90;
constexpr int kWidth = 632;
constexpr int kRightEdge = 620;  // of the values in the right-hand column
// Below the counters: the plot at the left, the theoretical figures at the right.
constexpr int kFiguresTop = 168;
constexpr QRect kPlotBox(12, kFiguresTop + 24, 308, 136);
constexpr int kNotePixels = 11;

QFont WindowFont(bool bold) {
    return GameFont(13, bold);
}

}  // namespace

StatisticsWindow::StatisticsWindow(const Statistics& figures, QWidget* parent)
    : StatisticsWindow(
          figures, ComputeTheoreticalReturn(BetSettings{}.linesBet, BetSettings{}.creditsPerLine),
          {}, parent) {}

StatisticsWindow::StatisticsWindow(const Statistics& figures, const TheoreticalReturn& theory,
                                   std::vector<std::int64_t> credits, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Your Game Statistics"));
    UseDialogFrame(*this);
    setFont(WindowFont(false));

    Caption("SpinsCaption", QStringLiteral("Spins:"), 12, 14, false);
    Caption("CreditsCaption", QStringLiteral("Credits:"), 12, 70, false);
    Caption("BorrowedCaption", QStringLiteral("Borrowed:"), 12, 126, false);
    Caption("TotalBetsCaption", QStringLiteral("Total Bets:"), 340, 14, false);
    Caption("PayoffsCaption", QStringLiteral("Payoffs:"), 340, 46, false);
    Caption("NormalCaption", QStringLiteral("Normal:"), 364, 70, false);
    Caption("BonusCaption", QStringLiteral("Bonus:"), 364, 94, false);
    Caption("PercentageCaption", QStringLiteral("Overall Payoff Percentage:"), 340, 126, true);
    Value("SpinsValue", 225, 14, true);
    Value("CreditsValue", 225, 70, true);
    Value("BorrowedValue", 225, 126, true);
    Value("TotalBetsValue", 553, 14, true);
    Value("PayoffsValue", 553, 46, true);
    Value("NormalPayoffsValue", 537, 70, false);
    Value("BonusPayoffsValue", 537, 94, false);
    Value("PayoffPercentageValue", 561, 126, true, QStringLiteral("#ff0000"));

    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("FiguresRule"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(12, kFiguresTop - 14, kRightEdge - 12 + 1, 4);

    const auto spins = static_cast<qsizetype>(credits.size());
    Caption("CreditsPlotCaption",
            spins == 0   ? QStringLiteral("Credits over the Last Spins:")
            : spins == 1 ? QStringLiteral("Credits after the Last Spin:")
                         : QStringLiteral("Credits over the Last %1 Spins:").arg(spins),
            12, kFiguresTop, false);
    plot_ = new CreditsPlot(std::move(credits), this);
    plot_->setGeometry(kPlotBox);

    // The theory beside the player's own percentage above it.
    Caption("TheoreticalCaption", QStringLiteral("Theoretical Payoff Percentage:"), 340,
            kFiguresTop, true);
    Caption("BaseGameCaption", QStringLiteral("Base Game (exact):"), 364, kFiguresTop + 24, false);
    Caption("BonusGameCaption", QStringLiteral("Bonus (estimated):"), 364, kFiguresTop + 48, false);
    Value("TheoreticalValue", 561, kFiguresTop, true);
    Value("BaseGameValue", 561, kFiguresTop + 24, false);
    Value("BonusGameValue", 561, kFiguresTop + 48, false);
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("TheoreticalNote"));
    note->setFont(GameFont(kNotePixels, false));
    note->setStyleSheet(QStringLiteral("color: #606060;"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(340, kFiguresTop + 76, kRightEdge - 340 + 1,
                      kPlotBox.bottom() + 1 - (kFiguresTop + 76));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(536, kPlotBox.bottom() + 6, 89, 33);
    ok->setDefault(true);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kWidth, ok->geometry().bottom() + 7);
    ShowFigures(figures);
    ShowTheory(theory);
}

QLabel* StatisticsWindow::Caption(const char* name, const QString& text, int x, int y, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(WindowFont(bold));
    label->move(x, y);
    label->adjustSize();
    return label;
}

// The value's right edge stands where a box of the value's width from its left would end.
QLabel* StatisticsWindow::Value(const char* name, int x, int y, bool bold, const QString& colour) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(WindowFont(bold));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(x - kValueWidth + 60, y, kValueWidth, 18);
    if (!colour.isEmpty())
        label->setStyleSheet("color: " + colour + ";");
    return label;
}

void StatisticsWindow::ShowFigures(const Statistics& figures) {
    // A value wider than its box grows to the left, where its caption leaves room, rather than
    // losing its first digits or its sign.
    auto show = [this](const char* name, const QString& text) {
        QLabel* label = value(name);
        label->setText(text);
        const int needed = label->fontMetrics().horizontalAdvance(text) + 2;
        if (needed > label->width()) {
            const QRect box = label->geometry();
            label->setGeometry(box.right() + 1 - needed, box.top(), needed, box.height());
        }
    };
    show("SpinsValue", GroupedNumber(figures.spins));
    show("CreditsValue", GroupedNumber(figures.credits));
    show("BorrowedValue", GroupedNumber(figures.borrowed));
    show("PayoffsValue", GroupedNumber(figures.payoffs));
    show("NormalPayoffsValue", GroupedNumber(figures.normalPayoffs));
    show("BonusPayoffsValue", QString::number(figures.bonus));
    show("PayoffPercentageValue", Percentage(figures.payoffPercentage));
    show("TotalBetsValue", GroupedNumber(figures.totalBets));
}

void StatisticsWindow::ShowTheory(const TheoreticalReturn& theory) {
    // These values keep to their text's own width, clear of their longer captions.
    auto show = [this](const char* name, const QString& text) {
        QLabel* label = value(name);
        label->setText(text);
        const int needed = label->fontMetrics().horizontalAdvance(text) + 2;
        const QRect box = label->geometry();
        label->setGeometry(box.right() + 1 - needed, box.top(), needed, box.height());
    };
    show("TheoreticalValue", TheoreticalTotal(theory));
    show("BaseGameValue", ReturnPercentage(theory.base));
    show("BonusGameValue", EstimatedBonus(theory));
    QString note = QStringLiteral("At ") + BetText(theory.lines, theory.credits) +
                   QStringLiteral(
                       ", over many spins. The base game's share follows exactly from "
                       "the rules; ");
    note += theory.bonus ? QStringLiteral("the bonus game's is estimated from ") +
                               SimulatedGames(theory) + QStringLiteral(", ± one standard error.")
                         : QStringLiteral("the bonus game's is not estimated for this bet.");
    findChild<QLabel*>(QStringLiteral("TheoreticalNote"))->setText(note);
}

QLabel* StatisticsWindow::value(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

}  // namespace quillane
