// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/sound.h"

namespace quillane {

// SDL's audio for the whole program: the device, the one effects channel and the music player.
// Make it on the UI thread, after the QCoreApplication, and only one at a time: SDL_mixer's state
// is process-wide. When no audio device can be opened it opens SDL's silent "dummy" driver, which
// keeps the same timing; only when even that fails does the constructor throw std::runtime_error.
// Destroying it halts everything and closes the device; no end-of-track call comes after that.
// With a `musicCache` directory, tracks are kept rendered there and played from it after their
// first time.
class SdlAudio final : public AudioSystem {
  public:
    explicit SdlAudio(const std::filesystem::path& musicCache = {});
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    SoundPort& sound() override { return *sound_; }
    MusicPort& music() override { return *music_; }

    // The SDL audio driver in use, such as "pulseaudio", "alsa" or the fall-back "dummy".
    const std::string& driver() const { return driver_; }
    // No device could be opened and the game plays on SDL's silent driver.
    bool silent() const override;

  private:
    class Device;

    std::unique_ptr<Device> device_;  // declared first: closed after the players have stopped
    std::string driver_;
    std::unique_ptr<SoundPort> sound_;
    std::unique_ptr<MusicPort> music_;
};

}  // namespace quillane
