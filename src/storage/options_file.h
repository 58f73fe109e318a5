#pragma once

#include <filesystem>

#include "core/player_options.h"

namespace quillane {

// The player's options in the "[Options]" section of the game file, apart from the games.
// Reading never fails: a missing, unreadable or odd value keeps its default.
PlayerOptions ReadOptions(const std::filesystem::path& gameFile);

// Replaces the section in one write of the file, every other byte kept. Throws
// profile::WriteError when the store is refused.
void WriteOptions(const std::filesystem::path& gameFile, const PlayerOptions& options);

}  // namespace quillane
