// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace quillane::testing {

FixedScreen::FixedScreen() {
    const char* size = std::getenv("QUILLANE_TEST_SCREEN");
    int width = 800, height = 700;
    if (size != nullptr)
        std::sscanf(size, "%dx%d", &width, &height);
    info.geometry = info.available = QRect(0, 0, width, height);
}

const char* SoundName(Sound sound) {
    switch (sound) {
        case Sound::ReelStop:
            return "ReelStop";
        case Sound::Count:
            return "Count";
        case Sound::Win:
            return "Win";
        case Sound::Start:
            return "Start";
        case Sound::Bonus:
            return "Bonus";
    }
    return "?";
}

void RecordingSound::Preload(Sound sound, const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw std::runtime_error("Cannot open file \"" + file.string() + "\".");
    }
    preloaded.push_back(std::string(SoundName(sound)) + " " + file.filename().string());
}

void RecordingSound::Played(std::string what) {
    played.push_back(what);
    if (onPlay)
        onPlay(what);
}

void RecordingSound::PlayPreloaded(Sound sound) {
    Played(SoundName(sound));
}

std::chrono::milliseconds RecordingSound::PlayFile(const std::filesystem::path& file) {
    Played(file.filename().string());
    return fileLength;
}

std::optional<std::string> RecordingMusic::Play(const std::filesystem::path& file) {
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error)) {
        ++failures;
        return "The specified file could not be opened: \"" + file.string() + "\"";
    }
    playing = file.filename().string();
    started.push_back(playing);
    return std::nullopt;
}

void RecordingMusic::EndTrack() {
    if (!playing.empty() && end_)
        end_();
}

void RecordingMessages::Confirm(const std::string& text, std::function<void(bool)> answered) {
    questions.push_back(text);
    bool answer = false;
    if (!confirmations.empty()) {
        answer = confirmations.front();
        confirmations.pop_front();
    }
    answered(answer);
}

void RecordingMessages::AskText(const std::string& caption, const std::string&, const std::string&,
                                std::function<void(std::optional<std::string>)> answered) {
    asked.push_back(caption);
    std::optional<std::string> answer;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    answered(answer);
}

}  // namespace quillane::testing
