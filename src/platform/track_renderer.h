// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

namespace quillane {

// Changes whenever a rendering would come out differently, so that older ones are made again.
inline constexpr int kTrackRendererVersion = 1;

// Renders the Standard MIDI File `midi` with FluidSynth into an Ogg Vorbis file at `output`, as
// SDL_mixer's own FluidSynth playback sounds at full music volume, followed by the release of the
// last notes. Runs as fast as the processor allows. Returns false, leaving whatever was written,
// when it fails or when `abandon` turns true.
bool RenderTrack(const std::string& midi, const std::vector<std::filesystem::path>& soundFonts,
                 int sampleRate, const std::filesystem::path& output,
                 const std::atomic<bool>& abandon);

}  // namespace quillane
