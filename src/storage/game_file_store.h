#pragma once

#include <filesystem>

#include "core/slot_store.h"
#include "storage/game_file.h"

namespace quillane {

// The game session's slots, filed in the game file.
class GameFileStore : public SlotStore {
  public:
    explicit GameFileStore(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& path() const { return file_.path(); }

    SavedGame Read(int slot) const override { return file_.Read(slot); }
    // Refused stores give profile::WriteError::what(): the file, then the reason below it.
    std::optional<std::string> Write(int slot, const std::string& name,
                                     const Account& account) override;

    // What to tell the player at start-up about a game file that cannot be used; see GameFile.
    std::optional<std::string> Problem() const { return file_.Problem(); }
    // To be called at start-up, before the first save.
    std::size_t SweepStaleTemporaries() const { return file_.SweepStaleTemporaries(); }

  private:
    GameFile file_;
};

}  // namespace quillane
