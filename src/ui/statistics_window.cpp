#include "ui/statistics_window.h"

#include <QPushButton>
#include <QStyle>

#include "ui/number_format.h"
#include "ui/window_style.h"

namespace quillane {
namespace {

constexpr int kValueWidth = 90;

QFont WindowFont(bool bold) {
    return GameFont(13, bold);
}

}  // namespace

StatisticsWindow::StatisticsWindow(const Statistics& figures, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Your Game Statistics"));
    UseDialogFrame(*this);
    setFixedSize(632, 207);
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

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(536, 168, 89, 33);
    ok->setDefault(true);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ShowFigures(figures);
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

QLabel* StatisticsWindow::value(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

}  // namespace quillane
