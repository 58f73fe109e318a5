// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QSpinBox>

#include "core/autoplay.h"

namespace quillane {

// Asks how many spins autoplay plays at the current bet, how it plays a bonus game and when it
// stops early.
class AutoplayDialog : public QDialog {
  public:
    // Offers `last`, the plan the player chose before.
    explicit AutoplayDialog(const AutoplayPlan& last, QWidget* parent = nullptr);

    AutoplayPlan plan() const;

    // For tests.
    QButtonGroup* spinChoices() const { return spins_; }
    QCheckBox* stopOnBonus() const { return stopOnBonus_; }
    QCheckBox* stopOnWin() const { return stopOnWin_; }
    QSpinBox* winLimit() const { return winLimit_; }
    QCheckBox* stopBelow() const { return stopBelow_; }
    QSpinBox* creditsLimit() const { return creditsLimit_; }
    QComboBox* bonusCard() const { return bonusCard_; }
    QCheckBox* stopOnLoss() const { return stopOnLoss_; }
    QSpinBox* lossLimit() const { return lossLimit_; }
    QCheckBox* stopOnNetWin() const { return stopOnNetWin_; }
    QSpinBox* netWinLimit() const { return netWinLimit_; }

  private:
    QButtonGroup* spins_ = nullptr;
    QCheckBox* stopOnBonus_ = nullptr;
    QCheckBox* stopOnWin_ = nullptr;
    QSpinBox* winLimit_ = nullptr;
    QCheckBox* stopBelow_ = nullptr;
    QSpinBox* creditsLimit_ = nullptr;
    QComboBox* bonusCard_ = nullptr;
    QCheckBox* stopOnLoss_ = nullptr;
    QSpinBox* lossLimit_ = nullptr;
    QCheckBox* stopOnNetWin_ = nullptr;
    QSpinBox* netWinLimit_ = nullptr;
};

}  // namespace quillane
