// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>

namespace quillane {

// The running program's file, from /proc/self/exe. Throws std::filesystem::filesystem_error.
std::filesystem::path ExecutablePath();

// The directory the program's own files (pictures, sounds, settings, help) are looked for in.
std::filesystem::path ProgramDirectory();

// The program's file name less its extension: "quillane" and "quillane.exe" both give
// "quillane", while a name that starts with its only dot, such as ".quillane", is kept whole.
std::string ExecutableStem(const std::filesystem::path& program);

// $XDG_CONFIG_HOME/quillane/<stem>.ini; an unset, empty or relative XDG_CONFIG_HOME means
// ~/.config, with the home directory from HOME or else the user's password entry. Throws
// std::runtime_error when there is no home directory either.
std::filesystem::path GameFilePath(const std::string& stem);

// $XDG_DATA_HOME/quillane: the game history, and the pictures, sounds and music a player puts
// there of their own, since an installed program's directory is not theirs to write. An unset,
// empty or relative XDG_DATA_HOME means ~/.local/share. Throws std::runtime_error when there is
// no home directory.
std::filesystem::path DataDirectory();

// $XDG_CACHE_HOME/quillane/music, where tracks are kept rendered, or ~/.cache/quillane/music;
// empty when there is no home directory either.
std::filesystem::path MusicCacheDirectory();

}  // namespace quillane
