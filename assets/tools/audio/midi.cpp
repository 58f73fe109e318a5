// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "midi.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace midi {
namespace {

void PutVarLen(std::vector<std::uint8_t>& out, unsigned long value) {
    std::uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (n > 0) {
        --n;
        out.push_back(static_cast<std::uint8_t>(bytes[n] | (n > 0 ? 0x80 : 0)));
    }
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
}

std::uint8_t Clamp7(int v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}

// A small hash-driven generator so humanising is repeatable from build to build.
class Jitter {
  public:
    explicit Jitter(const std::string& seed) {
        for (char c : seed) {
            state_ = (state_ ^ static_cast<std::uint8_t>(c)) * 16777619u;
        }
    }
    int Next(int range) {
        if (range <= 0) {
            return 0;
        }
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(2 * range + 1)) - range;
    }

  private:
    std::uint32_t state_ = 2166136261u;
};

}  // namespace

Track::Track(std::string name, int channel) : name_(std::move(name)), channel_(channel) {
    Text(0, 0x03, name_);
}

void Track::Program(long tick, int program) {
    events_.push_back({tick, 1, {static_cast<std::uint8_t>(0xC0 | channel_), Clamp7(program)}});
}

void Track::Control(long tick, int controller, int value) {
    events_.push_back(
        {tick, 1, {static_cast<std::uint8_t>(0xB0 | channel_), Clamp7(controller), Clamp7(value)}});
}

void Track::Tempo(long tick, double bpm) {
    const auto usPerBeat = static_cast<std::uint32_t>(60000000.0 / bpm + 0.5);
    events_.push_back({tick,
                       1,
                       {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(usPerBeat >> 16),
                        static_cast<std::uint8_t>((usPerBeat >> 8) & 0xFF),
                        static_cast<std::uint8_t>(usPerBeat & 0xFF)}});
}

void Track::TimeSignature(long tick, int numerator, int denominator) {
    std::uint8_t power = 0;
    while ((1 << power) < denominator) {
        ++power;
    }
    events_.push_back({tick, 1, {0xFF, 0x58, 0x04, Clamp7(numerator), power, 24, 8}});
}

void Track::KeySignature(long tick, int sharps, bool minor) {
    events_.push_back(
        {tick,
         1,
         {0xFF, 0x59, 0x02, static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
          static_cast<std::uint8_t>(minor ? 1 : 0)}});
}

void Track::Text(long tick, int type, const std::string& text) {
    Event e{tick, 0, {0xFF, static_cast<std::uint8_t>(type)}};
    PutVarLen(e.bytes, text.size());
    e.bytes.insert(e.bytes.end(), text.begin(), text.end());
    events_.push_back(std::move(e));
}

void Track::Add(const Note& note) {
    if (note.length > 0 && note.key >= 0 && note.key <= 127) {
        notes_.push_back(note);
    }
}

void Track::Add(const std::vector<Note>& notes) {
    for (const Note& n : notes) {
        Add(n);
    }
}

long Track::Swung(long tick) const {
    if (swing_ == 0.5) {
        return tick;
    }
    const long beat = tick / kPpq;
    const double frac = static_cast<double>(tick % kPpq) / kPpq;
    const double mapped =
        frac < 0.5 ? frac * swing_ / 0.5 : swing_ + (frac - 0.5) * (1.0 - swing_) / 0.5;
    return beat * kPpq + static_cast<long>(mapped * kPpq + 0.5);
}

std::vector<std::uint8_t> Track::Encode(long endTick) const {
    std::vector<Event> events = events_;

    // Place every note first (swing, then the human push and pull), then make sure a repeated
    // key is not cut off by the previous note's release by trimming the earlier note.
    struct Placed {
        long on;
        long off;
        int key;
        int velocity;
    };
    std::vector<Placed> placed;
    Jitter jitter(name_);
    for (const Note& n : notes_) {
        const int shift = jitter.Next(jitterTicks_);
        const long on = std::max(0L, Swung(n.tick) + shift);
        const long off = std::max(on + 1, Swung(n.tick + n.length) + shift);
        const int velocity = std::clamp(n.velocity + jitter.Next(jitterVelocity_), 1, 127);
        placed.push_back({on, std::min(off, endTick), n.key, velocity});
    }
    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.key != b.key ? a.key < b.key : a.on < b.on;
    });
    for (std::size_t i = 0; i < placed.size(); ++i) {
        Placed p = placed[i];
        if (i + 1 < placed.size() && placed[i + 1].key == p.key) {
            if (placed[i + 1].on <= p.on) {
                continue;
            }
            p.off = std::min(p.off, placed[i + 1].on - 1);
        }
        if (p.on >= endTick || p.off <= p.on) {
            continue;
        }
        events.push_back({p.on,
                          2,
                          {static_cast<std::uint8_t>(0x90 | channel_), Clamp7(p.key),
                           static_cast<std::uint8_t>(p.velocity)}});
        events.push_back(
            {p.off, 0, {static_cast<std::uint8_t>(0x80 | channel_), Clamp7(p.key), 0x40}});
    }

    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    std::vector<std::uint8_t> data;
    long now = 0;
    for (const Event& e : events) {
        PutVarLen(data, static_cast<unsigned long>(e.tick - now));
        now = e.tick;
        data.insert(data.end(), e.bytes.begin(), e.bytes.end());
    }
    PutVarLen(data, static_cast<unsigned long>(std::max(0L, endTick - now)));
    data.insert(data.end(), {0xFF, 0x2F, 0x00});
    return data;
}

void WriteFile(const std::string& path, const std::vector<Track>& tracks, long endTick) {
    std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd'};
    Put32(file, 6);
    file.insert(file.end(), {0x00, 0x01});
    file.push_back(static_cast<std::uint8_t>(tracks.size() >> 8));
    file.push_back(static_cast<std::uint8_t>(tracks.size() & 0xFF));
    file.push_back(static_cast<std::uint8_t>(kPpq >> 8));
    file.push_back(static_cast<std::uint8_t>(kPpq & 0xFF));
    for (const Track& t : tracks) {
        const std::vector<std::uint8_t> data = t.Encode(endTick);
        file.insert(file.end(), {'M', 'T', 'r', 'k'});
        Put32(file, static_cast<std::uint32_t>(data.size()));
        file.insert(file.end(), data.begin(), data.end());
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace midi
