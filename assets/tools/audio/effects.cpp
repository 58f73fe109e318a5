// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "effects.h"

#include <array>
#include <cmath>

namespace audio {
namespace {

constexpr double kPeakDb = -3.0;

// The cabinet's bell: a small bright bar, slightly inharmonic so it rings rather than beeps.
Signal Bell(double note, double seconds, double decay) {
    return Struck(MidiToHz(note),
                  {{1.0, 1.0, decay},
                   {2.0, 0.18, decay * 0.5},
                   {2.76, 0.30, decay * 0.35},
                   {5.40, 0.10, decay * 0.15}},
                  seconds, 0.001);
}

void Finish(Signal& s, double fadeIn, double fadeOut) {
    FadeIn(s, fadeIn);
    FadeOut(s, fadeOut);
    Normalize(s, kPeakDb);
}

}  // namespace

Signal ReelStop() {
    const double length = 0.12;
    Signal s = Silence(length);
    Noise noise(0x51ee1u);
    // Felt-damped body: a low thud whose pitch drops as the reel's energy goes into the stop.
    MixAt(s, Thump(170, 72, 0.012, 0.030, length), 0.0, 1.0);
    // The detent itself: a dull plastic/metal knock, kept under 3 kHz so it never grates.
    MixAt(s, NoiseBurst(noise, 1600, 1.1, 0.0045, 0.04), 0.0, 0.9);
    MixAt(s, Struck(290, {{1.0, 0.35, 0.022}, {1.83, 0.22, 0.015}, {3.1, 0.10, 0.008}}, length),
          0.0);
    // The small rebound as the reel settles back a pixel or two.
    MixAt(s, NoiseBurst(noise, 1100, 1.4, 0.004, 0.03), 0.021, 0.28);
    MixAt(s, Thump(120, 80, 0.01, 0.018, 0.06), 0.021, 0.25);
    Biquad::LowPass(4200, 0.7).Apply(s);
    Biquad::HighPass(45, 0.7).Apply(s);
    Finish(s, 0.0008, 0.03);
    return s;
}

Signal CountTick() {
    const double length = 0.06;
    Signal s = Silence(length);
    Noise noise(0xc01bu);
    // A coin landing on a coin: a short bright ring (G6) with a tiny metallic click on top.
    MixAt(s,
          Struck(MidiToHz(91),
                 {{1.0, 1.0, 0.013}, {1.51, 0.35, 0.009}, {2.76, 0.25, 0.006}, {4.2, 0.08, 0.004}},
                 length, 0.0006),
          0.0);
    MixAt(s, NoiseBurst(noise, 5200, 1.5, 0.0012, 0.01, 0.0003), 0.0, 0.35);
    Biquad::HighPass(300, 0.7).Apply(s);
    Finish(s, 0.0005, 0.015);
    return s;
}

Signal WinJingle() {
    const double length = 1.2;
    Signal s = Silence(length);
    // A quick climb up the C major chord...
    constexpr std::array<int, 6> kClimb = {72, 76, 79, 84, 88, 91};
    for (std::size_t i = 0; i < kClimb.size(); ++i) {
        MixAt(s, Bell(kClimb[i], 0.5, 0.12), 0.055 * static_cast<double>(i), 0.55);
    }
    // ...landing on a held chord...
    const double land = 0.36;
    for (int note : {72, 76, 79, 84}) {
        MixAt(s, Mallet(MidiToHz(note), length - land, 0.45, 7.0, 0.3), land, 0.32);
    }
    MixAt(s, Thump(130, 65, 0.02, 0.08, 0.3), land, 0.5);
    // ...while the pay-out bell rings above it, fading like a bell struck by a clapper.
    double t = land;
    for (int i = 0; t < length - 0.15; ++i, t += 0.06) {
        const double fade = std::exp(-(t - land) / 0.35);
        MixAt(s, Bell(i % 2 == 0 ? 96 : 91, 0.25, 0.06), t, 0.45 * fade);
    }
    Room(s, 0.35, 0.6);
    Finish(s, 0.001, 0.25);
    return s;
}

Signal StartChime() {
    const double length = 1.5;
    Signal s = Silence(length);
    // A rising greeting, G4 C5 E5 G5, each mallet left ringing into a warm C major chord.
    constexpr std::array<int, 4> kNotes = {67, 72, 76, 79};
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        const double at = 0.16 * static_cast<double>(i);
        MixAt(s, Mallet(MidiToHz(kNotes[i]), length - at, 0.55, 5.0, 0.2), at, 0.4);
        MixAt(s, Bell(kNotes[i] + 12, length - at, 0.18), at, 0.12);
    }
    // A soft low C under the last note, so the greeting ends settled rather than hanging.
    MixAt(s,
          Struck(MidiToHz(48), {{1.0, 1.0, 0.45}, {2.0, 0.3, 0.25}, {3.0, 0.1, 0.12}}, 1.0, 0.01),
          0.48, 0.35);
    Room(s, 0.4, 0.7);
    Finish(s, 0.001, 0.35);
    return s;
}

Signal BonusFlourish() {
    const double length = 1.2;
    Signal s = Silence(length);
    Noise noise(0xb1a60u);
    // The bingo cage: balls clattering against each other, thinning out as the run climbs.
    for (int i = 0; i < 26; ++i) {
        const double at = 0.012 * i + 0.006 * noise.Next();
        const double centre = 2400 + 900 * noise.Next();
        const double gain = 0.22 * (1.0 - i / 30.0) * (0.7 + 0.3 * noise.Next());
        MixAt(s, NoiseBurst(noise, centre, 6.0, 0.003, 0.02), std::max(0.0, at), gain);
    }
    // A fast pentatonic run up two octaves.
    constexpr std::array<int, 11> kRun = {72, 74, 76, 79, 81, 84, 86, 88, 91, 93, 96};
    for (std::size_t i = 0; i < kRun.size(); ++i) {
        MixAt(s, Bell(kRun[i], 0.3, 0.07), 0.03 * static_cast<double>(i), 0.4);
    }
    // "Ta-da": a short dominant pickup, then the tonic, in brass over the bell.
    const double pickup = 0.36;
    for (int note : {67, 71, 74}) {
        MixAt(s, Brass(MidiToHz(note), 0.12, 0.012, 0.04), pickup, 0.22);
    }
    const double land = 0.50;
    for (int note : {72, 76, 79, 84}) {
        MixAt(s, Brass(MidiToHz(note), length - land, 0.015, 0.45), land, 0.22);
    }
    MixAt(s, Thump(140, 65, 0.02, 0.09, 0.3), land, 0.55);
    // A sparkle of trilled bells over the held chord.
    double t = land + 0.02;
    for (int i = 0; t < length - 0.2; ++i, t += 0.045) {
        const double fade = std::exp(-(t - land) / 0.3);
        MixAt(s, Bell(i % 2 == 0 ? 100 : 96, 0.2, 0.05), t, 0.3 * fade);
    }
    Room(s, 0.3, 0.6);
    Finish(s, 0.001, 0.3);
    return s;
}

}  // namespace audio
