#pragma once

#include <optional>
#include <string>

#include "core/account.h"
#include "core/saved_game.h"

namespace quillane {

// Where the games are filed: slots 0 to 7 are the saved games, slot 8 the current game.
class SlotStore {
  public:
    virtual ~SlotStore() = default;
    // Never fails: whatever is missing or unreadable reads as a new game.
    virtual SavedGame Read(int slot) const = 0;
    // Files the whole record (name, today's date, the account); the reason when refused.
    virtual std::optional<std::string> Write(int slot, const std::string& name,
                                             const Account& account) = 0;
};

}  // namespace quillane
