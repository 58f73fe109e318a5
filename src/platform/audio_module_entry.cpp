// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <exception>
#include <string>

#include "platform/audio_module.h"
#include "platform/sdl_audio.h"

// The one function the audio module shows the program.
extern "C" __attribute__((visibility("default"))) quillane::AudioSystem* quillane_open_audio(
    const std::filesystem::path& musicCache, std::string* error) {
    static_assert(std::is_same_v<decltype(&quillane_open_audio), quillane::OpenAudioFunction>);
    try {
        return new quillane::SdlAudio(musicCache);
    } catch (const std::exception& failure) {
        *error = failure.what();
        return nullptr;
    }
}
