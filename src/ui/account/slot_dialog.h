// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>
#include <string>

#include "core/saved_game.h"
#include "platform/messages.h"

namespace quillane {

// The eight saved-game games, for saving the game under a name or opening one. The dialog only
// shows the games and hands back the player's choice; the caller files or opens the game.
class SlotDialog : public QDialog {
  public:
    enum Mode { kOpen = 0, kSave = 1 };
    static constexpr int kSlots = 8;
    static constexpr int kHelpTopic = 41008;

    struct Choice {
        int slot = 0;      // 0 to 7
        std::string name;  // the name to save under; empty when opening
    };

    SlotDialog(Mode mode, const std::array<SavedGame, kSavedSlotCount>& games,
               const QString& productName, Messages& messages, Help* help,
               QWidget* parent = nullptr);

    const std::optional<Choice>& choice() const { return choice_; }
    // A slot button; `tag` is the slot number, 1 to 8.
    void ChooseSlot(int tag);
    void ShowHelp();

    QLineEdit* name(int slot) const { return names_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* date(int slot) const { return dates_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* credits(int slot) const { return credits_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* borrowed(int slot) const { return borrowed_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* game(int slot) const { return games_[static_cast<std::size_t>(slot - 1)]; }
    QPushButton* slotButton(int slot) const { return buttons_[static_cast<std::size_t>(slot - 1)]; }

    // A slot's date as shown: as stored, "12/31/25" with the system's date separator, unless the
    // player's language writes dates otherwise.
    static QString ShownDate(const QString& stored);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QFrame* BuildSlot(int slot, QWidget* parent);
    void ListSlots(const std::array<SavedGame, kSavedSlotCount>& games, const QString& product);

    Mode mode_;
    Messages& messages_;
    Help* help_;
    std::optional<Choice> choice_;
    std::array<QLineEdit*, kSlots> names_{};
    std::array<QLabel*, kSlots> games_{};
    std::array<QLabel*, kSlots> dates_{};
    std::array<QLabel*, kSlots> credits_{};
    std::array<QLabel*, kSlots> borrowed_{};
    std::array<QPushButton*, kSlots> buttons_{};
};

}  // namespace quillane
