// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialog>
#include <string>

namespace quillane {

// The interface language: the desktop's, or one the player names. Each language is offered in
// its own words, so that a player lost in a foreign interface still finds theirs.
class LanguageDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(LanguageDialog)

  public:
    // `choice` is the code kept in the options ("" follows the desktop); `desktop` names the
    // language the desktop asks for.
    LanguageDialog(const std::string& choice, const std::string& desktop,
                   QWidget* parent = nullptr);

    // The code chosen, "" for the desktop's.
    std::string choice() const;

  private:
    QButtonGroup* group_ = nullptr;
};

}  // namespace quillane
