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
constexpr std::int32_t kDefaultLossLimit = 500;
constexpr std::int32_t kDefaultNetWinLimit = 1000;

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
    // Autoplay plays a bonus game itself only when it does not stop for it.
    auto* cardLabel =
        new QLabel(QCoreApplication::translate("AutoplayDialog", "In bonus &games:"), this);
    bonusCard_ = new QComboBox(this);
    //: In the autoplay window: autoplay waits for the player to choose the bonus game's card
    bonusCard_->addItem(QCoreApplication::translate("AutoplayDialog", "let me choose"),
                        static_cast<int>(BonusCardChoice::Ask));
    //: In the autoplay window: autoplay plays the card the player chose by hand the last time
    bonusCard_->addItem(QCoreApplication::translate("AutoplayDialog", "my last card"),
                        static_cast<int>(BonusCardChoice::LastCard));
    //: In the autoplay window: autoplay plays one of the five cards, drawn at random
    bonusCard_->addItem(QCoreApplication::translate("AutoplayDialog", "a random card"),
                        static_cast<int>(BonusCardChoice::Random));
    bonusCard_->setCurrentIndex(bonusCard_->findData(static_cast<int>(last.bonusCard)));
    bonusCard_->setEnabled(!last.stopOnBonus);
    cardLabel->setBuddy(bonusCard_);
    cardLabel->setEnabled(!last.stopOnBonus);
    stops->addWidget(cardLabel, 1, 0);
    stops->addWidget(bonusCard_, 1, 1);
    connect(stopOnBonus_, &QCheckBox::toggled, bonusCard_, &QWidget::setDisabled);
    connect(stopOnBonus_, &QCheckBox::toggled, cardLabel, &QWidget::setDisabled);
    stopOnWin_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When a single &win is at least"), this);
    stopOnWin_->setChecked(last.stopOnWinAtLeast.has_value());
    winLimit_ = LimitBox(last.stopOnWinAtLeast, kDefaultWinLimit, this);
    stops->addWidget(stopOnWin_, 2, 0);
    stops->addWidget(winLimit_, 2, 1);
    stopBelow_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When the &credits fall below"), this);
    stopBelow_->setChecked(last.stopBelowCredits.has_value());
    creditsLimit_ = LimitBox(last.stopBelowCredits, kDefaultCreditsLimit, this);
    stops->addWidget(stopBelow_, 3, 0);
    stops->addWidget(creditsLimit_, 3, 1);
    stopOnLoss_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When the run has &lost at least"), this);
    stopOnLoss_->setChecked(last.stopOnNetLoss.has_value());
    lossLimit_ = LimitBox(last.stopOnNetLoss, kDefaultLossLimit, this);
    stops->addWidget(stopOnLoss_, 4, 0);
    stops->addWidget(lossLimit_, 4, 1);
    stopOnNetWin_ = new QCheckBox(
        QCoreApplication::translate("AutoplayDialog", "When the run has w&on at least"), this);
    stopOnNetWin_->setChecked(last.stopOnNetWin.has_value());
    netWinLimit_ = LimitBox(last.stopOnNetWin, kDefaultNetWinLimit, this);
    stops->addWidget(stopOnNetWin_, 5, 0);
    stops->addWidget(netWinLimit_, 5, 1);
    layout->addLayout(stops);
    connect(stopOnWin_, &QCheckBox::toggled, winLimit_, &QWidget::setEnabled);
    connect(stopBelow_, &QCheckBox::toggled, creditsLimit_, &QWidget::setEnabled);
    connect(stopOnLoss_, &QCheckBox::toggled, lossLimit_, &QWidget::setEnabled);
    connect(stopOnNetWin_, &QCheckBox::toggled, netWinLimit_, &QWidget::setEnabled);

    auto* runNote = new QLabel(
        QCoreApplication::translate("AutoplayDialog",
                                    "The choice for bonus games applies when autoplay does not "
                                    "stop for them. What the run has won or lost counts from its "
                                    "start, bonus wins included and borrowing left aside."),
        this);
    runNote->setWordWrap(true);
    layout->addWidget(runNote);
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
    plan.bonusCard = static_cast<BonusCardChoice>(bonusCard_->currentData().toInt());
    if (stopOnLoss_->isChecked())
        plan.stopOnNetLoss = lossLimit_->value();
    if (stopOnNetWin_->isChecked())
        plan.stopOnNetWin = netWinLimit_->value();
    return plan;
}

}  // namespace quillane
