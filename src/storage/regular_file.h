// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/notice.h"

namespace quillane {

// The first `maxBytes` of a regular file or, with `wholeOrNothing`, the whole file when it is no
// larger. Opened without blocking, so a FIFO or device in the file's place is refused rather
// than waited on. nullopt with the reason ("It is a directory", "It is not a regular file",
// "It is larger than 32 MiB", or the system's) when it cannot be read.
std::optional<std::vector<unsigned char>> ReadRegularFile(const std::filesystem::path& file,
                                                          std::size_t maxBytes, bool wholeOrNothing,
                                                          Notice& reason);

}  // namespace quillane
