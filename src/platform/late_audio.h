// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/sound.h"

namespace quillane {

// Ports that the game holds from the start and that pass everything on to the audio once it
// is open, so that the device and its libraries are opened after the cabinet is first painted.
// Until then effects and music are silently dropped, while the sounds to preload, the volumes and
// the music's handlers are kept and handed on.
class LateAudio {
  public:
    LateAudio();
    ~LateAudio();
    LateAudio(const LateAudio&) = delete;
    LateAudio& operator=(const LateAudio&) = delete;

    SoundPort& sound();
    MusicPort& music();
    // From now on the ports play through these; both must outlive this object's use. A sound
    // that cannot be preloaded is told to `report`.
    void Open(SoundPort& sound, MusicPort& music,
              const std::function<void(const std::string& error)>& report);

  private:
    class Sound;
    class Music;
    std::unique_ptr<Sound> sound_;
    std::unique_ptr<Music> music_;
};

}  // namespace quillane
