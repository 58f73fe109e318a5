// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/sound.h"

namespace quillane {

// The audio lives in a module of its own, loaded when the game first needs it: SDL, its mixer
// and the synthesizer bring some fifty libraries, which would otherwise load before the window.
// The module's file name, and the function it exports.
inline constexpr const char* kAudioModuleFile = "quillane-audio.so";
inline constexpr const char* kAudioModuleEntry = "quillane_open_audio";
// What the module exports: the opened audio, keeping rendered music in `musicCache` (none when
// empty), or null with the reason in `error`.
using OpenAudioFunction = AudioSystem* (*)(const std::filesystem::path& musicCache,
                                           std::string* error);

// Loads the module from beside the program, or from the game's directory it was installed to,
// and opens the audio. Null, with the reason in `error`, when the module cannot be loaded or no
// device, not even a silent one, can be opened.
std::unique_ptr<AudioSystem> OpenAudioModule(const std::filesystem::path& musicCache,
                                             std::string& error);

}  // namespace quillane
