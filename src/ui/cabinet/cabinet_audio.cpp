// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_audio.h"

#include <system_error>

namespace quillane {
namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// The playlist's last slot takes no part in the rotation.
constexpr int kRotatingTracks = 9;

}  // namespace

CabinetAudio::CabinetAudio(SoundPort& sound, MusicPort& music, Messages& messages,
                           AssetPath assetPath, std::string prefix)
    : sound_(sound),
      music_(music),
      messages_(messages),
      assetPath_(std::move(assetPath)),
      prefix_(std::move(prefix)) {
    // A track that fails as it loads is told as one that cannot be opened is.
    music_.SetErrorHandler([this](const std::string& error) { messages_.Error(error); });
}

CabinetAudio::~CabinetAudio() {
    music_.SetErrorHandler({});
}

void CabinetAudio::PreloadSounds() {
    // Each is reported on its own, so one missing file leaves the other sound playing.
    for (auto [sound, suffix] :
         {std::pair{Sound::ReelStop, "0.wav"}, std::pair{Sound::Count, "3.wav"}}) {
        try {
            sound_.Preload(sound, assetPath_(prefix_ + suffix));
        } catch (const std::exception& error) {
            messages_.Error(error.what());
        }
    }
}

void CabinetAudio::BuildPlaylist() {
    for (int n = 0; n < static_cast<int>(playlist_.size()); ++n) {
        const std::filesystem::path file = assetPath_(prefix_ + std::to_string(n) + ".mid");
        std::string path = Exists(file.string()) ? file.string() : std::string();
        if (path.size() > 255)
            path.clear();
        playlist_[static_cast<std::size_t>(n)] = path;
    }
}

void CabinetAudio::Play(Sound effect) {
    if (effect == Sound::Win) {
        PlayWin();
        return;
    }
    if (!soundOn_)
        return;
    switch (effect) {
        case Sound::ReelStop:
        case Sound::Count:
            sound_.PlayPreloaded(effect);
            break;
        case Sound::Start:
            sound_.PlayFile(assetPath_(prefix_ + "7.wav"));
            break;
        case Sound::Bonus:
            sound_.PlayFile(assetPath_(prefix_ + "5.wav"));
            break;
        case Sound::Win:
            break;
    }
}

std::chrono::milliseconds CabinetAudio::PlayWin() {
    return sound_.PlayFile(assetPath_(prefix_ + "Win.wav"));
}

void CabinetAudio::SelectNextTrack() {
    int present = 0;
    for (const std::string& path : playlist_)
        present += Exists(path);
    const int last = static_cast<int>(playlist_.size()) - 1;
    if (present == 0) {
        trackIndex_ = last;
        return;
    }
    // With only the last slot present there is nothing to pick.
    bool rotating = false;
    for (int n = 0; n < kRotatingTracks; ++n)
        rotating = rotating || Exists(playlist_[static_cast<std::size_t>(n)]);
    if (!rotating) {
        trackIndex_ = last;
        return;
    }
    int candidate = trackIndex_ + 1;
    if (candidate >= kRotatingTracks)
        candidate = 0;
    while (!Exists(playlist_[static_cast<std::size_t>(candidate)])) {
        ++candidate;
        if (candidate >= kRotatingTracks)
            candidate = 0;
    }
    trackIndex_ = candidate;
}

void CabinetAudio::StartPlaylist() {
    trackIndex_ = kNoTrack;
    QueueNextTrack();
}

void CabinetAudio::QueueNextTrack() {
    SelectNextTrack();
    trackPending_ = true;
}

void CabinetAudio::StartPendingTrack() {
    if (!trackPending_)
        return;
    trackPending_ = false;
    PlayTrack();
}

void CabinetAudio::PlayTrack() {
    if (auto error = music_.Play(playlist_[static_cast<std::size_t>(trackIndex_)]))
        messages_.Error(*error);
}

void CabinetAudio::TrackEnded() {
    QueueNextTrack();
    music_.Close();
}

void CabinetAudio::SetVolumes(int effectsPercent, int musicPercent) {
    sound_.SetVolume(effectsPercent);
    music_.SetVolume(musicPercent);
}

void CabinetAudio::ToggleSound() {
    soundOn_ = !soundOn_;
}

void CabinetAudio::ToggleMusic() {
    musicOn_ = !musicOn_;
    if (!musicOn_) {
        music_.Close();
        return;
    }
    trackPending_ = false;
    // Music switched off before the first track was chosen has none to resume.
    if (trackIndex_ < 0)
        SelectNextTrack();
    PlayTrack();
}

}  // namespace quillane
