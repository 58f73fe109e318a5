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
    std::optional<std::string> Write(int slot, const std::string& name,
                                     const Account& account) override;

  private:
    GameFile file_;
};

}  // namespace quillane
