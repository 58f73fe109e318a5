// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/late_audio.h"

namespace quillane {

namespace fs = std::filesystem;

class LateAudio::Sound final : public SoundPort {
  public:
    SoundPort* real = nullptr;

    void Preload(quillane::Sound sound, const fs::path& file) override {
        if (real != nullptr)
            real->Preload(sound, file);
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
    }
};

class LateAudio::Music final : public MusicPort {
  public:
    MusicPort* real = nullptr;
    std::function<void()> endHandler;
    std::function<void(const std::string&)> errorHandler;

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

void LateAudio::Open(SoundPort& sound, MusicPort& music) {
    sound_->real = &sound;
    music_->real = &music;
    music.SetEndHandler(std::move(music_->endHandler));
    music.SetErrorHandler(std::move(music_->errorHandler));
}

}  // namespace quillane
