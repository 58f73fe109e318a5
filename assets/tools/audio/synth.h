// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

namespace audio {

constexpr int kSampleRate = 44100;
using Signal = std::vector<double>;

Signal Silence(double seconds);
// Adds src into dst starting at `at` seconds; whatever runs past the end of dst is dropped.
void MixAt(Signal& dst, const Signal& src, double at, double gain = 1.0);

// Deterministic white noise, so every build writes byte-identical files.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double Next();

  private:
    std::uint32_t state_;
};

// RBJ biquad; the one filter shape every voice here needs.
class Biquad {
  public:
    static Biquad LowPass(double freq, double q);
    static Biquad HighPass(double freq, double q);
    static Biquad BandPass(double freq, double q);
    double Process(double x);
    void Apply(Signal& s);

  private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One mode of a struck object: a sine at freq*ratio, decaying with time constant `decay` seconds.
struct Partial {
    double ratio;
    double amp;
    double decay;
};

// A struck bar, bell or coin: a sum of exponentially decaying modes behind a short attack ramp.
Signal Struck(double freq, const std::vector<Partial>& partials, double seconds,
              double attack = 0.0015);

// Vibraphone-like mallet tone: warm fundamental, the bar's 4th partial, and a motor tremolo.
Signal Mallet(double freq, double seconds, double decay, double tremoloHz = 5.5,
              double tremoloDepth = 0.25);

// The low body of a mechanical stop: a sine whose pitch falls from f0 towards f1.
Signal Thump(double f0, double f1, double sweep, double decay, double seconds);

// Band-passed noise with an exponential decay: clicks, latches and rattles.
Signal NoiseBurst(Noise& noise, double centre, double q, double decay, double seconds,
                  double attack = 0.0005);

// A bright synthetic brass note: band-limited sawtooth through a low-pass that opens on attack.
Signal Brass(double freq, double seconds, double attack, double release);

// A small, dark room so the jingles sound like they come out of a cabinet, not a headphone.
void Room(Signal& s, double wet, double size);

void FadeIn(Signal& s, double seconds);
void FadeOut(Signal& s, double seconds);
void Normalize(Signal& s, double peakDb);
double PeakDb(const Signal& s);
std::vector<float> ToFloat(const Signal& s);

double MidiToHz(double note);

}  // namespace audio
