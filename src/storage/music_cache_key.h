// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillane {

// What a rendering of a track depends on besides the track's own bytes.
struct RenderingInputs {
    std::vector<std::filesystem::path> soundFonts;
    int sampleRate = 0;
    int rendererVersion = 0;
};

// The start of the names of every rendering of the track at `track`: a new rendering replaces
// the files that share it.
std::string RenderingPrefix(const std::filesystem::path& track);

// The name of the rendering of `midi`, the bytes of the track at `track`: it changes with the
// bytes, with the sound fonts' paths, sizes and modification times, and with the other inputs.
std::string RenderingName(const std::filesystem::path& track, std::string_view midi,
                          const RenderingInputs& inputs);

}  // namespace quillane
