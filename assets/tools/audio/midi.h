// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace midi {

constexpr int kPpq = 480;
constexpr int kDrumChannel = 9;

struct Note {
    long tick;
    long length;
    int key;
    int velocity;
};

// One track of a format 1 file. Notes are kept apart from the other events so that overlapping
// repeats of a key can be trimmed, and so that swing and humanising apply to them alone.
class Track {
  public:
    Track(std::string name, int channel);

    void Program(long tick, int program);
    void Control(long tick, int controller, int value);
    void Tempo(long tick, double bpm);
    void TimeSignature(long tick, int numerator, int denominator);
    void KeySignature(long tick, int sharps, bool minor);
    void Text(long tick, int type, const std::string& text);
    void Add(const Note& note);
    void Add(const std::vector<Note>& notes);

    // Off-beat eighths are delayed to `ratio` of the beat (0.5 is straight, 2/3 a triplet swing).
    void SetSwing(double ratio) { swing_ = ratio; }
    // Small deterministic push and pull in timing (ticks) and velocity, so parts breathe.
    void SetHumanize(int ticks, int velocity) {
        jitterTicks_ = ticks;
        jitterVelocity_ = velocity;
    }

    int Channel() const { return channel_; }
    // The track chunk's data, ending with end-of-track at `endTick`.
    std::vector<std::uint8_t> Encode(long endTick) const;

  private:
    struct Event {
        long tick;
        int order;  // at one tick: note-offs, then set-up events, then note-ons
        std::vector<std::uint8_t> bytes;
    };

    long Swung(long tick) const;

    std::string name_;
    int channel_;
    std::vector<Event> events_;
    std::vector<Note> notes_;
    double swing_ = 0.5;
    int jitterTicks_ = 0;
    int jitterVelocity_ = 0;
};

void WriteFile(const std::string& path, const std::vector<Track>& tracks, long endTick);

}  // namespace midi
