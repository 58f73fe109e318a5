#include <system_error>

#include "ui/cabinet_window.h"

namespace quillane {
namespace {

bool Exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

void CabinetWindow::PreloadSounds() {
    // Each is reported on its own, so one missing file leaves the other sound playing.
    for (auto [sound, suffix] :
         {std::pair{Sound::ReelStop, "0.wav"}, std::pair{Sound::Count, "3.wav"}}) {
        try {
            env_.sound.Preload(sound, AssetPath(assetPrefix_ + suffix));
        } catch (const std::exception& error) {
            env_.messages.Error(error.what());
        }
    }
}

void CabinetWindow::BuildPlaylist() {
    for (int n = 0; n < 10; ++n) {
        const std::filesystem::path file = AssetPath(assetPrefix_ + std::to_string(n) + ".mid");
        std::string path = Exists(file.string()) ? file.string() : std::string();
        if (path.size() > 255)
            path.clear();
        playlist_[static_cast<std::size_t>(n)] = path;
    }
}

void CabinetWindow::PlayReelStopSound() {
    if (soundOn_)
        env_.sound.PlayPreloaded(Sound::ReelStop);
}

void CabinetWindow::PlayCountSound() {
    if (soundOn_)
        env_.sound.PlayPreloaded(Sound::Count);
}

void CabinetWindow::PlayWinSound(bool wait) {
    env_.sound.PlayFile(AssetPath(assetPrefix_ + "Win.wav"), wait);
}

void CabinetWindow::PlayStartSound() {
    if (soundOn_)
        env_.sound.PlayFile(AssetPath(assetPrefix_ + "7.wav"), false);
}

void CabinetWindow::PlayBonusSound() {
    if (soundOn_)
        env_.sound.PlayFile(AssetPath(assetPrefix_ + "5.wav"), false);
}

void CabinetWindow::PlayEffect(Sound effect) {
    switch (effect) {
        case Sound::ReelStop:
            PlayReelStopSound();
            break;
        case Sound::Count:
            PlayCountSound();
            break;
        case Sound::Win:
            PlayWinSound(false);
            break;
        case Sound::Start:
            PlayStartSound();
            break;
        case Sound::Bonus:
            PlayBonusSound();
            break;
    }
}

void CabinetWindow::SelectNextTrack() {
    int present = 0;
    for (const std::string& path : playlist_)
        present += Exists(path);
    if (present == 0) {
        trackIndex_ = 9;
        return;
    }
    // Slot 9 takes no part in the rotation; with only slot 9 present there is nothing to pick.
    bool rotating = false;
    for (int n = 0; n < 9; ++n)
        rotating = rotating || Exists(playlist_[static_cast<std::size_t>(n)]);
    if (!rotating) {
        trackIndex_ = 9;
        return;
    }
    int candidate = trackIndex_ + 1;
    if (candidate >= 9)
        candidate = 0;
    while (!Exists(playlist_[static_cast<std::size_t>(candidate)])) {
        ++candidate;
        if (candidate >= 9)
            candidate = 0;
    }
    trackIndex_ = candidate;
}

void CabinetWindow::StartPendingTrack() {
    if (trackIndex_ < kPendingTrack)
        return;
    while (trackIndex_ >= kPendingTrack)
        trackIndex_ -= kPendingTrack;
    if (auto error = env_.music.Play(playlist_[static_cast<std::size_t>(trackIndex_)])) {
        env_.messages.Error(*error);
    }
}

void CabinetWindow::TrackEnded() {
    SelectNextTrack();
    trackIndex_ += kPendingTrack;
    env_.music.Close();
}

void CabinetWindow::ToggleSound() {
    soundOn_ = !soundOn_;
    soundAction_->setChecked(soundOn_);
}

void CabinetWindow::ToggleMusic() {
    musicOn_ = !musicOn_;
    musicAction_->setChecked(musicOn_);
    if (!musicOn_) {
        env_.music.Close();
        return;
    }
    while (trackIndex_ >= kPendingTrack)
        trackIndex_ -= kPendingTrack;
    // Music switched off before the first track was chosen has none to resume.
    if (trackIndex_ < 0)
        SelectNextTrack();
    if (auto error = env_.music.Play(playlist_[static_cast<std::size_t>(trackIndex_)])) {
        env_.messages.Error(*error);
    }
}

}  // namespace quillane
