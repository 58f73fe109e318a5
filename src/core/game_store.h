// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "core/account.h"
#include "core/saved_game.h"
#include "core/settled_game.h"
#include "core/spin_record.h"

namespace quillane {

// What a change of the current game did to its history.
struct HistoryChange {
    enum class Kind {
        None,         // the account alone changed
        AddSpin,      // `spin` was played
        AttachBonus,  // the last spin's bonus game paid: `bonus`, the balance `creditsAfter`
        NewGame,      // the history starts again
        FromSlot,     // `slot`'s history becomes the current game's
    };
    Kind kind = Kind::None;
    SpinRecord spin;
    BonusRecord bonus;
    std::int64_t creditsAfter = 0;
    int slot = 0;
};

// Where the games are kept: the current game, committed at every change, and the eight saved
// games. A commit is handed over at once and written later, in order; its ticket says when.
class GameStore {
  public:
    virtual ~GameStore() = default;

    // The current game as last committed; at start-up, as the files hold it.
    virtual SettledGame Current() const = 0;
    // A saved game, slot 0 to 7; a new game's record where none was filed.
    virtual SavedGame Slot(int slot) const = 0;
    // Commits the current game and what happened to its history; returns the commit's ticket.
    virtual std::uint64_t Commit(const SettledGame& game, const HistoryChange& change) = 0;
    // Files `account` and the current game's history in `slot` under `name`; returns a ticket.
    virtual std::uint64_t File(int slot, const std::string& name, const Account& account) = 0;
    // Whether the commit with this ticket has been written, or refused (which is told apart).
    virtual bool Written(std::uint64_t ticket) const = 0;
};

}  // namespace quillane
