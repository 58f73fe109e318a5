#include "ui/Stats.h"

#include <QPushButton>
#include <QStyle>

#include "ui/Unit1.h"
#include "ui/number_format.h"
#include "ui/window_style.h"

namespace quillane {
namespace {

constexpr int kValueWidth = 90;

QFont WindowFont(bool bold) {
    return GameFont(13, bold);
}

}  // namespace

std::int64_t Payoffs(const Account& account) {
    return std::int64_t{account.credits} - account.borrowed + account.totalBets;
}

double PayoffPercentage(const Account& account) {
    if (account.totalBets <= 0)
        return 0.0;
    return static_cast<double>(Payoffs(account)) / account.totalBets * 100.0;
}

TStatsForm::TStatsForm(TForm1& main) : QDialog(&main), main_(main) {
    setWindowTitle(QStringLiteral("Your Game Statistics"));
    UseDialogFrame(*this);
    setFixedSize(632, 207);
    setFont(WindowFont(false));

    Caption("Label1", QStringLiteral("Spins:"), 12, 14, false);
    Caption("Label2", QStringLiteral("Credits:"), 12, 70, false);
    Caption("Label3", QStringLiteral("Borrowed:"), 12, 126, false);
    Caption("Label26", QStringLiteral("Total Bets:"), 340, 14, false);
    Caption("Label4", QStringLiteral("Payoffs:"), 340, 46, false);
    Caption("Label21", QStringLiteral("Normal:"), 364, 70, false);
    Caption("Label6", QStringLiteral("Bonus:"), 364, 94, false);
    Caption("Label23", QStringLiteral("Overall Payoff Percentage:"), 340, 126, true);
    Value("Label11", 225, 14, true);
    Value("Label12", 225, 70, true);
    Value("Label13", 225, 126, true);
    Value("Label27", 553, 14, true);
    Value("Label14", 553, 46, true);
    Value("Label22", 537, 70, false);
    Value("Label16", 537, 94, false);
    Value("Label25", 561, 126, true, QStringLiteral("#ff0000"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setGeometry(536, 168, 89, 33);
    ok->setDefault(true);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

QLabel* TStatsForm::Caption(const char* name, const QString& text, int x, int y, bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(WindowFont(bold));
    label->move(x, y);
    label->adjustSize();
    return label;
}

// The value's right edge stands where a box of the value's width from its left would end.
QLabel* TStatsForm::Value(const char* name, int x, int y, bool bold, const QString& colour) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(WindowFont(bold));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(x - kValueWidth + 60, y, kValueWidth, 18);
    if (!colour.isEmpty())
        label->setStyleSheet("color: " + colour + ";");
    return label;
}

void TStatsForm::FormCreate() {
    const Account& account = main_.state().account;
    value("Label11")->setText(GroupedNumber(account.spins));
    value("Label12")->setText(GroupedNumber(account.credits));
    value("Label13")->setText(GroupedNumber(account.borrowed));
    const std::int64_t payoffs = Payoffs(account);
    value("Label14")->setText(GroupedNumber(payoffs));
    value("Label22")->setText(GroupedNumber(payoffs - account.bonusTotal));
    value("Label16")->setText(QString::number(account.bonusTotal));
    value("Label25")->setText(Percentage(PayoffPercentage(account)));
    value("Label27")->setText(GroupedNumber(account.totalBets));
}

QLabel* TStatsForm::value(const char* objectName) const {
    return findChild<QLabel*>(QString::fromLatin1(objectName));
}

}  // namespace quillane
