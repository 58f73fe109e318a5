// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the game's sound effects and background music.
//
//   quillane-audio SOUNDS_DIR MUSIC_DIR [PREFIX]
//
// Everything is synthesised or composed here, deterministically: running it twice gives
// byte-identical files.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "effects.h"
#include "midi.h"
#include "songs.h"
#include "wav.h"

namespace {

void WriteEffect(const std::filesystem::path& path, const audio::Signal& s) {
    audio::WriteWav(path.string(), audio::ToFloat(s), audio::kSampleRate);
    std::printf("%-14s %6.0f ms  peak %5.1f dBFS\n", path.filename().string().c_str(),
                1000.0 * static_cast<double>(s.size()) / audio::kSampleRate, audio::PeakDb(s));
}

void WriteSong(const std::filesystem::path& path, const songs::Song& song) {
    midi::WriteFile(path.string(), song.tracks, song.end);
    std::printf("%-14s %s, %zu tracks\n", path.filename().string().c_str(), song.title.c_str(),
                song.tracks.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s SOUNDS_DIR MUSIC_DIR [PREFIX]\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path sounds = argv[1];
        const std::filesystem::path music = argv[2];
        const std::string prefix = argc == 4 ? argv[3] : "Bingo";
        std::filesystem::create_directories(sounds);
        std::filesystem::create_directories(music);

        WriteEffect(sounds / (prefix + "0.wav"), audio::ReelStop());
        WriteEffect(sounds / (prefix + "3.wav"), audio::CountTick());
        WriteEffect(sounds / (prefix + "5.wav"), audio::BonusFlourish());
        WriteEffect(sounds / (prefix + "7.wav"), audio::StartChime());
        WriteEffect(sounds / (prefix + "Win.wav"), audio::WinJingle());

        const std::vector<std::function<songs::Song()>> playlist = {
            songs::EasySwing, songs::Bossa, songs::LightFunk, songs::JazzWaltz,
            songs::LoungeChaCha};
        for (std::size_t i = 0; i < playlist.size(); ++i) {
            WriteSong(music / (prefix + std::to_string(i) + ".mid"), playlist[i]());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quillane-audio: %s\n", e.what());
        return 1;
    }
    return 0;
}
