// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/options/autoplay_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "ui/widgets/window_style.h"

namespace quillane {
namespace {

constexpr std::int32_t kDefaultWinLimit = 500;
constexpr std::int32_t kDefaultCreditsLimit = 100;

QSpinBox* LimitBox(const std::optional<std::int32_t>& limit, std::int32_t fallback,
                   QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, std::numeric_limits<std::int32_t>::max());
    box->setGroupSeparatorShown(true);
    box->setValue(limit.value_or(fallback));
    box->setEnabled(limit.has_value());
    return box;
}

}  // namespace

AutoplayDialog::AutoplayDialog(const AutoplayPlan& last, QWidget* parent) : QDialog(parent) {
    //: The autoplay window's title.
    setWindowTitle(QCoreApplication::translate("AutoplayDialog", "Autoplay"));
    UseDialogFrame(*this);
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(new QLabel(
        QCoreApplication::translate("AutoplayDialog", "Spins to play at the current bet:"), this));
    auto* choices = new QHBoxLayout;
    spins_ = new QButtonGroup(this);
    for (int spins : kAutoplayChoices) {
        auto* choice = new QRadioButton(QString::number(spins), this);
        choice->setChecked(spins == last.spins);
        spins_->addButton(choice, spins);
        choices->addWidget(choice);
    }
    if (spins_->checkedButton() == nullptr)
        spins_->button(kAutoplayChoices[0])->setChecked(true);
    layout->addLayout(choices);

    layout->addWidget(new QLabel(QCoreApplication::translate("AutoplayDialog", "Stop:"), this));
    auto* stops = new QGridLayout;
    stopOnBonus_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When a &bonus game starts"), this);
    stopOnBonus_->setChecked(last.stopOnBonus);
    stops->addWidget(stopOnBonus_, 0, 0, 1, 2);
    stopOnWin_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When a single &win is at least"), this);
    stopOnWin_->setChecked(last.stopOnWinAtLeast.has_value());
    winLimit_ = LimitBox(last.stopOnWinAtLeast, kDefaultWinLimit, this);
    stops->addWidget(stopOnWin_, 1, 0);
    stops->addWidget(winLimit_, 1, 1);
    stopBelow_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When the &credits fall below"), this);
    stopBelow_->setChecked(last.stopBelowCredits.has_value());
    creditsLimit_ = LimitBox(last.stopBelowCredits, kDefaultCreditsLimit, this);
    stops->addWidget(stopBelow_, 2, 0);
    stops->addWidget(creditsLimit_, 2, 1);
    layout->addLayout(stops);
    connect(stopOnWin_, &QCheckBox::toggled, winLimit_, &QWidget::setEnabled);
    connect(stopBelow_, &QCheckBox::toggled, creditsLimit_, &QWidget::setEnabled);

    auto* note = new QLabel(
        QCoreApplication::translate("AutoplayDialog",
                                    "Autoplay also stops when the bet can no longer be placed; it "
                                    "never borrows. Any key or click stops it."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    //: The button that starts autoplay.
    buttons
        ->addButton(QCoreApplication::translate("AutoplayDialog", "&Start"),
                    QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

AutoplayPlan AutoplayDialog::plan() const {
    AutoplayPlan plan;
    plan.spins = spins_->checkedId();
    plan.stopOnBonus = stopOnBonus_->isChecked();
    if (stopOnWin_->isChecked())
        plan.stopOnWinAtLeast = winLimit_->value();
    if (stopBelow_->isChecked())
        plan.stopBelowCredits = creditsLimit_->value();
    return plan;
}

}  // namespace quillane
