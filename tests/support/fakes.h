// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/messages.h"
#include "platform/screen.h"
#include "platform/sound.h"

namespace quillane::testing {

const char* SoundName(Sound sound);

// Records every sound; a preload of a file that isn't there fails as the mixer's would.
class RecordingSound : public SoundPort {
  public:
    void Preload(Sound sound, const std::filesystem::path& file) override;
    void PlayPreloaded(Sound sound) override;
    std::chrono::milliseconds PlayFile(const std::filesystem::path& file) override;
    void SetVolume(int percent) override { volume = percent; }

    std::vector<std::string> played;  // "ReelStop", "Count", or a file name
    std::vector<std::string> preloaded;
    int volume = 100;
    std::chrono::milliseconds fileLength{0};  // how long every file plays
    // Told of every sound as it plays, for looking at the game at that moment.
    std::function<void(const std::string&)> onPlay;

  private:
    void Played(std::string what);
};

class RecordingMusic : public MusicPort {
  public:
    void SetEndHandler(std::function<void()> handler) override { end_ = std::move(handler); }
    void SetErrorHandler(std::function<void(const std::string&)>) override {}
    std::optional<std::string> Play(const std::filesystem::path& file) override;
    void Close() override { playing.clear(); }
    void SetVolume(int percent) override { volume = percent; }

    // The playing track reaches its end.
    void EndTrack();

    std::vector<std::string> started;  // file names, in order
    std::string playing;
    int failures = 0;
    int volume = 100;

  private:
    std::function<void()> end_;
};

class RecordingMessages : public Messages {
  public:
    void Inform(const std::string& text) override { informed.push_back(text); }
    void Error(const std::string& text) override { errors.push_back(text); }
    // Both answer at once, with the next answer given, or No and Cancel when none is left.
    void Confirm(const std::string& text, std::function<void(bool)> answered) override;
    void AskText(const std::string& caption, const std::string& prompt, const std::string& initial,
                 std::function<void(std::optional<std::string>)> answered) override;

    std::vector<std::string> informed;
    std::vector<std::string> errors;
    std::vector<std::string> asked;  // the input boxes' captions
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> questions;  // what Confirm asked
    std::deque<bool> confirmations;      // its answers; No when none is left
};

// The screen the window tests run on: QUILLANE_TEST_SCREEN's size ("1024x900"), 800 by 700
// when it is not set; tests may set another.
class FixedScreen : public Screen {
  public:
    FixedScreen();
    ScreenInfo Info() const override { return info; }
    ScreenInfo info;
};

class RecordingHelp : public Help {
  public:
    void ShowContents() override { shown.push_back(0); }
    void ShowTopic(int topic) override { shown.push_back(topic); }
    std::vector<int> shown;  // 0 for the contents
    std::filesystem::path manual;
};

}  // namespace quillane::testing
