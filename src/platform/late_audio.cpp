// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/late_audio.h"

#include <exception>
#include <optional>
#include <utility>
#include <vector>

namespace quillane {

namespace fs = std::filesystem;

class LateAudio::Sound final : public SoundPort {
  public:
    SoundPort* real = nullptr;
    std::vector<std::pair<quillane::Sound, fs::path>> preloads;
    std::optional<int> volume;

    void Preload(quillane::Sound sound, const fs::path& file) override {
        if (real != nullptr)
            real->Preload(sound, file);
        else
            preloads.emplace_back(sound, file);
    }
    void PlayPreloaded(quillane::Sound sound) override {
        if (real != nullptr)
            real->PlayPreloaded(sound);
    }
    std::chrono::milliseconds PlayFile(const fs::path& file) override {
        return real != nullptr ? real->PlayFile(file) : std::chrono::milliseconds(0);
    }
    void SetVolume(int percent) override {
        if (real != nullptr)
            real->SetVolume(percent);
        else
            volume = percent;
    }
};

class LateAudio::Music final : public MusicPort {
  public:
    MusicPort* real = nullptr;
    std::function<void()> endHandler;
    std::function<void(const std::string&)> errorHandler;
    std::optional<int> volume;

    void SetEndHandler(std::function<void()> handler) override {
        if (real != nullptr)
            real->SetEndHandler(std::move(handler));
        else
            endHandler = std::move(handler);
    }
    void SetErrorHandler(std::function<void(const std::string&)> handler) override {
        if (real != nullptr)
            real->SetErrorHandler(std::move(handler));
        else
            errorHandler = std::move(handler);
    }
    std::optional<std::string> Play(const fs::path& file) override {
        return real != nullptr ? real->Play(file) : std::nullopt;
    }
    void Close() override {
        if (real != nullptr)
            real->Close();
    }
    void SetVolume(int percent) override {
        if (real != nullptr)
            real->SetVolume(percent);
        else
            volume = percent;
    }
};

LateAudio::LateAudio() : sound_(std::make_unique<Sound>()), music_(std::make_unique<Music>()) {}

LateAudio::~LateAudio() = default;

SoundPort& LateAudio::sound() {
    return *sound_;
}

MusicPort& LateAudio::music() {
    return *music_;
}

void LateAudio::Open(SoundPort& sound, MusicPort& music,
                     const std::function<void(const std::string&)>& report) {
    sound_->real = &sound;
    music_->real = &music;
    for (const auto& [effect, file] : std::exchange(sound_->preloads, {})) {
        try {
            sound.Preload(effect, file);
        } catch (const std::exception& error) {
            report(error.what());
        }
    }
    if (sound_->volume)
        sound.SetVolume(*sound_->volume);
    if (music_->volume)
        music.SetVolume(*music_->volume);
    music.SetEndHandler(std::move(music_->endHandler));
    music.SetErrorHandler(std::move(music_->errorHandler));
}

}  // namespace quillane
