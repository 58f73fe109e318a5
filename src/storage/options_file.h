// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/player_options.h"

namespace quillane {

// The player's options in the "[Options]" section of the game file, apart from the games.
// Reading never fails: a missing, unreadable or odd value keeps its default.
PlayerOptions ReadOptions(const std::filesystem::path& gameFile);
PlayerOptions ParseOptions(std::string_view gameFileText);

// Replaces the section in one write of the file, every other byte kept. Throws
// profile::WriteError when the store is refused.
void WriteOptions(const std::filesystem::path& gameFile, const PlayerOptions& options);
// The text of a game file with the section set.
std::string WithOptions(std::string gameFileText, const PlayerOptions& options);

}  // namespace quillane
