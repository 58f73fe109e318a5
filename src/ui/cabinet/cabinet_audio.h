// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/messages.h"
#include "platform/sound.h"

namespace quillane {

// The cabinet's sound effects and its music: a playlist of up to ten tracks, played in turn.
class CabinetAudio {
  public:
    static constexpr int kNoTrack = -1;
    using AssetPath = std::function<std::filesystem::path(const std::string& name)>;

    // `assetPath` finds a file among the player's and the program's; `prefix` starts the sound
    // files' names.
    CabinetAudio(SoundPort& sound, MusicPort& music, Messages& messages, AssetPath assetPath,
                 std::string prefix);
    ~CabinetAudio();
    CabinetAudio(const CabinetAudio&) = delete;
    CabinetAudio& operator=(const CabinetAudio&) = delete;

    // The reel-stop and count sounds, read into memory; each failure reported on its own.
    void PreloadSounds();
    void BuildPlaylist();

    // Every effect but the win sound is silent while sound is off.
    void Play(Sound effect);
    // Returns how long the win sound plays, for the pay-out to wait for its end.
    std::chrono::milliseconds PlayWin();

    // Picks the first track and waits for StartPendingTrack to play it.
    void StartPlaylist();
    // Picks the track after the current one and waits for StartPendingTrack to play it.
    void QueueNextTrack();
    void StartPendingTrack();
    bool trackPending() const { return trackPending_; }
    void TrackEnded();

    bool soundOn() const { return soundOn_; }
    bool musicOn() const { return musicOn_; }
    void ToggleSound();
    void ToggleMusic();
    // Before start-up's second half: the switches as the player left them.
    void SwitchOnOff(bool sound, bool music) {
        soundOn_ = sound;
        musicOn_ = music;
    }
    void SetVolumes(int effectsPercent, int musicPercent);

    const std::array<std::string, 10>& playlist() const { return playlist_; }
    int trackIndex() const { return trackIndex_; }

  private:
    void SelectNextTrack();
    void PlayTrack();

    SoundPort& sound_;
    MusicPort& music_;
    Messages& messages_;
    AssetPath assetPath_;
    std::string prefix_;
    std::array<std::string, 10> playlist_;
    int trackIndex_ = kNoTrack;
    bool trackPending_ = false;
    bool soundOn_ = true;
    bool musicOn_ = true;
};

}  // namespace quillane
