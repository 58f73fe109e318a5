// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/late_audio.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillane {
namespace {

using Calls = std::vector<std::string>;

// Notes what reaches it; `Bingo0.wav` cannot be preloaded.
struct SoundRecorder final : SoundPort {
    Calls& calls;
    explicit SoundRecorder(Calls& c) : calls(c) {}

    void Preload(Sound, const std::filesystem::path& file) override {
        if (file == "Bingo0.wav")
            throw std::runtime_error("Cannot open file \"Bingo0.wav\".");
        calls.push_back("preload " + file.string());
    }
    void PlayPreloaded(Sound) override { calls.push_back("play preloaded"); }
    std::chrono::milliseconds PlayFile(const std::filesystem::path& file) override {
        calls.push_back("play " + file.string());
        return std::chrono::milliseconds(500);
    }
    void SetVolume(int percent) override { calls.push_back("effects " + std::to_string(percent)); }
};

struct MusicRecorder final : MusicPort {
    Calls& calls;
    std::function<void()> end;
    explicit MusicRecorder(Calls& c) : calls(c) {}

    void SetEndHandler(std::function<void()> handler) override { end = std::move(handler); }
    void SetErrorHandler(std::function<void(const std::string&)>) override {}
    std::optional<std::string> Play(const std::filesystem::path& file) override {
        calls.push_back("music " + file.string());
        return std::nullopt;
    }
    void Close() override { calls.push_back("close"); }
    void SetVolume(int percent) override {
        calls.push_back("music volume " + std::to_string(percent));
    }
};

TEST(LateAudio, KeepsWhatTheGameSetsUpUntilTheAudioOpensAndThenPassesEverythingOn) {
    LateAudio late;
    late.sound().Preload(Sound::ReelStop, "Bingo0.wav");
    late.sound().Preload(Sound::Count, "Bingo3.wav");
    late.sound().SetVolume(40);
    late.music().SetVolume(70);
    bool ended = false;
    late.music().SetEndHandler([&ended] { ended = true; });
    // Before the audio opens nothing plays, and nothing fails.
    late.sound().PlayPreloaded(Sound::Count);
    EXPECT_EQ(late.sound().PlayFile("BingoWin.wav"), std::chrono::milliseconds(0));
    EXPECT_EQ(late.music().Play("Bingo0.mid"), std::nullopt);

    Calls calls;
    SoundRecorder sound(calls);
    MusicRecorder music(calls);
    Calls reported;
    late.Open(sound, music, [&reported](const std::string& e) { reported.push_back(e); });
    EXPECT_EQ(calls, (Calls{"preload Bingo3.wav", "effects 40", "music volume 70"}));
    EXPECT_EQ(reported, Calls{"Cannot open file \"Bingo0.wav\"."});
    ASSERT_TRUE(music.end);
    music.end();
    EXPECT_TRUE(ended);

    calls.clear();
    late.sound().PlayPreloaded(Sound::Count);
    EXPECT_EQ(late.sound().PlayFile("BingoWin.wav"), std::chrono::milliseconds(500));
    late.music().Play("Bingo1.mid");
    late.music().Close();
    EXPECT_EQ(calls, (Calls{"play preloaded", "play BingoWin.wav", "music Bingo1.mid", "close"}));
}

}  // namespace
}  // namespace quillane
