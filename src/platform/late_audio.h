// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "platform/sound.h"

namespace quillane {

// Ports that the game holds from the start and that pass everything on to the audio once it
// is open, so that the device and its libraries are opened after the window shows. Until then
// effects and music are silently dropped; the music's handlers are kept and handed on.
class LateAudio {
  public:
    LateAudio();
    ~LateAudio();
    LateAudio(const LateAudio&) = delete;
    LateAudio& operator=(const LateAudio&) = delete;

    SoundPort& sound();
    MusicPort& music();
    // From now on the ports play through these; both must outlive this object's use.
    void Open(SoundPort& sound, MusicPort& music);

  private:
    class Sound;
    class Music;
    std::unique_ptr<Sound> sound_;
    std::unique_ptr<Music> music_;
};

}  // namespace quillane
