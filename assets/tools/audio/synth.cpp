// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace audio {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::size_t Samples(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate + 0.5);
}

// Raised-cosine ramp from 0 to 1; gentler on the ear than a linear one.
double Ramp(double t, double length) {
    if (length <= 0 || t >= length) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// A voice cut off while still sounding would click where it stops.
void EndSoftly(Signal& s) {
    const std::size_t n = std::min(s.size() / 4, static_cast<std::size_t>(0.004 * kSampleRate));
    for (std::size_t i = 0; i < n; ++i) {
        s[s.size() - 1 - i] *= Ramp(static_cast<double>(i), static_cast<double>(n));
    }
}

class Comb {
  public:
    Comb(std::size_t length, double feedback, double damp)
        : buf_(length, 0.0), feedback_(feedback), damp_(damp) {}
    double Process(double x) {
        const double y = buf_[pos_];
        store_ = y * (1.0 - damp_) + store_ * damp_;
        buf_[pos_] = x + store_ * feedback_;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

  private:
    std::vector<double> buf_;
    double feedback_;
    double damp_;
    double store_ = 0;
    std::size_t pos_ = 0;
};

class AllPass {
  public:
    explicit AllPass(std::size_t length) : buf_(length, 0.0) {}
    double Process(double x) {
        const double b = buf_[pos_];
        const double y = b - x;
        buf_[pos_] = x + b * 0.5;
        pos_ = (pos_ + 1) % buf_.size();
        return y;
    }

  private:
    std::vector<double> buf_;
    std::size_t pos_ = 0;
};

}  // namespace

Signal Silence(double seconds) {
    return Signal(Samples(seconds), 0.0);
}

void MixAt(Signal& dst, const Signal& src, double at, double gain) {
    const std::size_t start = Samples(at);
    for (std::size_t i = 0; i < src.size() && start + i < dst.size(); ++i) {
        dst[start + i] += src[i] * gain;
    }
}

double Noise::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

Biquad Biquad::LowPass(double freq, double q) {
    const double w = kTwoPi * freq / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 - std::cos(w)) / 2 / a0;
    f.b1_ = (1 - std::cos(w)) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * std::cos(w) / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::HighPass(double freq, double q) {
    const double w = kTwoPi * freq / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = (1 + std::cos(w)) / 2 / a0;
    f.b1_ = -(1 + std::cos(w)) / a0;
    f.b2_ = f.b0_;
    f.a1_ = -2 * std::cos(w) / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

Biquad Biquad::BandPass(double freq, double q) {
    const double w = kTwoPi * freq / kSampleRate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    Biquad f;
    f.b0_ = alpha / a0;
    f.b1_ = 0;
    f.b2_ = -alpha / a0;
    f.a1_ = -2 * std::cos(w) / a0;
    f.a2_ = (1 - alpha) / a0;
    return f;
}

double Biquad::Process(double x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
}

void Biquad::Apply(Signal& s) {
    for (double& v : s) {
        v = Process(v);
    }
}

Signal Struck(double freq, const std::vector<Partial>& partials, double seconds, double attack) {
    Signal out = Silence(seconds);
    for (const Partial& p : partials) {
        const double f = freq * p.ratio;
        if (f >= kSampleRate * 0.45) {
            continue;
        }
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            out[i] += p.amp * std::exp(-t / p.decay) * std::sin(kTwoPi * f * t);
        }
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] *= Ramp(static_cast<double>(i) / kSampleRate, attack);
    }
    EndSoftly(out);
    return out;
}

Signal Mallet(double freq, double seconds, double decay, double tremoloHz, double tremoloDepth) {
    Signal out = Struck(freq,
                        {{1.0, 1.0, decay},
                         {4.0, 0.22, decay * 0.18},
                         {10.0, 0.05, decay * 0.05},
                         {2.0, 0.04, decay * 0.4}},
                        seconds, 0.002);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] *= 1.0 - tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * tremoloHz * t));
    }
    return out;
}

Signal Thump(double f0, double f1, double sweep, double decay, double seconds) {
    Signal out = Silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = f1 + (f0 - f1) * std::exp(-t / sweep);
        phase += kTwoPi * f / kSampleRate;
        out[i] = std::sin(phase) * std::exp(-t / decay) * Ramp(t, 0.0015);
    }
    EndSoftly(out);
    return out;
}

Signal NoiseBurst(Noise& noise, double centre, double q, double decay, double seconds,
                  double attack) {
    Signal out = Silence(seconds);
    Biquad bp = Biquad::BandPass(centre, q);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = bp.Process(noise.Next()) * std::exp(-t / decay) * Ramp(t, attack);
    }
    EndSoftly(out);
    return out;
}

Signal Brass(double freq, double seconds, double attack, double release) {
    Signal out = Silence(seconds);
    const int harmonics = static_cast<int>(9000.0 / freq);
    std::vector<double> phase(static_cast<std::size_t>(harmonics) + 1, 0.0);
    double lp = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double v = 0;
        for (int h = 1; h <= harmonics; ++h) {
            v += std::sin(kTwoPi * freq * h * t) / h;
        }
        // The filter opens quickly then settles, which is what makes a brass attack "speak".
        const double open = 1.0 - std::exp(-t / (attack * 0.6));
        const double cutoff = 700.0 + 4200.0 * open * std::exp(-t / 0.35);
        const double k = 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
        lp += k * (v - lp);
        const double env = Ramp(t, attack) * std::min(1.0, std::max(0.0, (seconds - t) / release));
        out[i] = lp * env;
    }
    return out;
}

void Room(Signal& s, double wet, double size) {
    // Freeverb's tunings, shortened for a small space.
    constexpr std::array<std::size_t, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1491};
    constexpr std::array<std::size_t, 3> kAllPasses = {556, 441, 341};
    std::vector<Comb> combs;
    for (std::size_t len : kCombs) {
        combs.emplace_back(static_cast<std::size_t>(static_cast<double>(len) * size), 0.72, 0.35);
    }
    std::vector<AllPass> allPasses;
    for (std::size_t len : kAllPasses) {
        allPasses.emplace_back(len);
    }
    Biquad tone = Biquad::LowPass(5000, 0.7);
    for (double& v : s) {
        const double in = v * 0.15;
        double r = 0;
        for (Comb& c : combs) {
            r += c.Process(in);
        }
        for (AllPass& a : allPasses) {
            r = a.Process(r);
        }
        v = v + wet * tone.Process(r);
    }
}

void FadeIn(Signal& s, double seconds) {
    const std::size_t n = std::min(Samples(seconds), s.size());
    for (std::size_t i = 0; i < n; ++i) {
        s[i] *= Ramp(static_cast<double>(i) / kSampleRate, seconds);
    }
}

void FadeOut(Signal& s, double seconds) {
    const std::size_t n = std::min(Samples(seconds), s.size());
    for (std::size_t i = 0; i < n; ++i) {
        s[s.size() - 1 - i] *= Ramp(static_cast<double>(i) / kSampleRate, seconds);
    }
}

double PeakDb(const Signal& s) {
    double peak = 0;
    for (double v : s) {
        peak = std::max(peak, std::abs(v));
    }
    return peak > 0 ? 20.0 * std::log10(peak) : -200.0;
}

void Normalize(Signal& s, double peakDb) {
    const double current = PeakDb(s);
    if (current < -150) {
        return;
    }
    const double gain = std::pow(10.0, (peakDb - current) / 20.0);
    for (double& v : s) {
        v *= gain;
    }
}

std::vector<float> ToFloat(const Signal& s) {
    std::vector<float> out(s.size());
    std::transform(s.begin(), s.end(), out.begin(), [](double v) { return static_cast<float>(v); });
    return out;
}

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

}  // namespace audio
