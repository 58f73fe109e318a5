// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "compose.h"
#include "midi.h"

namespace songs {

using namespace compose;

struct Song {
    std::string title;
    std::vector<midi::Track> tracks;
    long end;
};

// Channel set-up sent at the start of a track: volume, pan (64 centre), reverb and chorus sends.
struct Mix {
    int volume;
    int pan;
    int reverb;
    int chorus;
};

// Track 0: title, tempo, metre and key.
midi::Track Conductor(const std::string& title, double bpm, int beatsPerBar, int sharps,
                      bool minor);
// Slows the tempo smoothly from `bpm` at `from` to `endBpm` at `to`, for a closing cadence.
void Ritardando(midi::Track& conductor, long from, long to, double bpm, double endBpm);
midi::Track Instrument(const std::string& name, int channel, int program, const Mix& mix);

// General MIDI programs and drum keys used by the songs.
namespace gm {
constexpr int kPiano = 0;
constexpr int kElectricPiano = 4;
constexpr int kVibraphone = 11;
constexpr int kOrgan = 17;
constexpr int kNylonGuitar = 24;
constexpr int kJazzGuitar = 26;
constexpr int kMutedGuitar = 28;
constexpr int kAcousticBass = 32;
constexpr int kFingeredBass = 33;
constexpr int kStrings = 48;
constexpr int kSlowStrings = 49;
constexpr int kMutedTrumpet = 59;
constexpr int kBrass = 61;
constexpr int kSopranoSax = 64;
constexpr int kClarinet = 71;
constexpr int kFlute = 73;

constexpr int kStandardKit = 0;
constexpr int kBrushKit = 40;

constexpr int kKick = 36;
constexpr int kSideStick = 37;
constexpr int kSnare = 38;
constexpr int kClosedHat = 42;
constexpr int kPedalHat = 44;
constexpr int kOpenHat = 46;
constexpr int kCrash = 49;
constexpr int kRide = 51;
constexpr int kCowbell = 56;
constexpr int kMuteConga = 62;
constexpr int kOpenConga = 63;
constexpr int kCabasa = 69;
constexpr int kShortGuiro = 73;
constexpr int kClaves = 75;
}  // namespace gm

}  // namespace songs
