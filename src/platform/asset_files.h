// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quillane {

// The regular file (or link to one) called `name` in `directory`, its name compared without
// regard to ASCII case. When several match, the exact spelling wins, and failing that the
// bytewise smallest name, so the choice never depends on the order the directory lists them.
// nullopt when none matches (a name with a '/' never does) or the directory cannot be listed.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& directory,
                                                    std::string_view name);

// Where the program's own sounds, music, sheets and manual lie: share/quillane beside the games/
// (or bin/) directory of an installed program, else the program's own directory, as in the
// build tree.
std::filesystem::path ProgramDataDirectory(const std::filesystem::path& programFile);

// The directories a file the player may replace is looked for in, in order: the player's data
// directory (left out when there is no home directory), then the program's data directory.
std::vector<std::filesystem::path> AssetDirectories(const std::filesystem::path& programFile);

// FindFileNoCase in each directory in turn; the first that has the file wins.
std::optional<std::filesystem::path> FindAsset(
    const std::vector<std::filesystem::path>& directories, std::string_view name);

// A picture compiled into the program as a Qt resource, such as ":/pictures/symbols.jpg", as
// QImage::Format_ARGB32. A name ending in ".jpg" or ".jpeg" is decoded by DecodeJpeg, anything
// else by Qt's own readers. A null QImage when the resource is missing or cannot be decoded.
QImage LoadBuiltinPicture(const QString& resourcePath);

// LoadBuiltinPicture's picture, decoded once for the life of the program and shared, from any
// thread: the windows that open again and again show the same pictures.
QImage SharedBuiltinPicture(const QString& resourcePath);
// Decodes every picture in a resource directory, such as ":/bonus", on a thread of Qt's pool, so
// that SharedBuiltinPicture finds them ready and a window that needs them opens without a wait.
void PrepareSharedPictures(const QString& resourceDirectory);

}  // namespace quillane
