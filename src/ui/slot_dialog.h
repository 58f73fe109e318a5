#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "core/account.h"

namespace quillane {

class CabinetWindow;

// The eight saved-game slots, for saving the game under a name or opening one. The dialog
// reads each slot into the live game in turn, so the live game waits in the current-game
// section meanwhile and comes back from there when the dialog closes.
class SlotDialog : public QDialog {
  public:
    enum Mode { kOpen = 0, kSave = 1 };
    static constexpr int kSlots = 8;
    static constexpr int kHelpTopic = 41008;

    SlotDialog(CabinetWindow& main, Mode mode);

    void ListSlots();
    // A slot button; `tag` is the slot number, 1 to 8.
    void ChooseSlot(int tag);
    void ShowHelp();

    QLineEdit* name(int slot) const { return names_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* date(int slot) const { return dates_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* credits(int slot) const { return credits_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* borrowed(int slot) const { return borrowed_[static_cast<std::size_t>(slot - 1)]; }
    QLabel* game(int slot) const { return games_[static_cast<std::size_t>(slot - 1)]; }
    QPushButton* slotButton(int slot) const { return buttons_[static_cast<std::size_t>(slot - 1)]; }

  protected:
    void done(int result) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildSlot(int slot, int left, int top);
    // The live game back from the current-game section, or from memory when it could not be
    // parked there.
    void RestoreLiveGame();

    CabinetWindow& main_;
    Mode mode_;
    // The live game as the dialog found it, kept in case the file refuses to hold it.
    Account live_;
    bool parked_ = false;
    bool closed_ = false;
    std::array<QLineEdit*, kSlots> names_{};
    std::array<QLabel*, kSlots> games_{};
    std::array<QLabel*, kSlots> dates_{};
    std::array<QLabel*, kSlots> credits_{};
    std::array<QLabel*, kSlots> borrowed_{};
    std::array<QPushButton*, kSlots> buttons_{};
};

}  // namespace quillane
