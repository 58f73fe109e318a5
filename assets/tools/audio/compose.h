// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "midi.h"

namespace compose {

using midi::kPpq;
using midi::Note;

constexpr long kQuarter = kPpq;
constexpr long kEighth = kPpq / 2;
constexpr long kSixteenth = kPpq / 4;

// "C4" is middle C (60); "Bb3", "F#5".
int Pitch(const std::string& name);

struct Chord {
    std::string name;
    int root = 0;  // pitch class
    int bass = 0;  // pitch class of the bass note (differs from root for slash chords)
    std::vector<int> intervals;  // from the root, including the root itself
    int Third() const;
    int Fifth() const;
    int Seventh() const;  // the 7th, or the 6th of a sixth chord, or -1
    // Pitch classes a comping instrument plays: the colour tones without the root.
    std::vector<int> Colour() const;
};

// "Fmaj7", "Dm7", "G7b9", "Bbm6", "F#m7b5", "C6/9" written "C69", "G7sus", slash bass "C/E".
Chord ParseChord(const std::string& symbol);

struct ChordSpan {
    long start;
    long length;
    Chord chord;
};

// A chart: bars separated by '|', the chords of a bar sharing it equally, or "Dm7:3 G7:1" in beats.
class Chart {
  public:
    Chart(long barTicks, int beatsPerBar) : barTicks_(barTicks), beats_(beatsPerBar) {}
    void Append(const std::string& bars);
    const std::vector<ChordSpan>& Spans() const { return spans_; }
    long BarTicks() const { return barTicks_; }
    // The chord sounding at `tick`, or the next one when `tick` falls in the last `anticipate`
    // ticks before a change (comping players push the next chord early).
    const Chord& At(long tick, long anticipate = 0) const;
    const ChordSpan* Next(const ChordSpan& span) const;

  private:
    long barTicks_;
    int beats_;
    long end_ = 0;
    std::vector<ChordSpan> spans_;
};

// A written line: "r q A4 e C5 e E5 q. D5 e | ..." with durations w h q e s t (eighth triplet)
// x (sixteenth triplet), '.' for dotted, several letters adding up, '_q' to hold the previous
// note on, '[C5 E5]q' for a chord, '^' before a note to accent it and ',' to play it softly,
// "'" after it for staccato. Bar lines are checked, so a miscounted bar is an error.
class Line {
  public:
    Line(long barTicks, int velocity) : barTicks_(barTicks), velocity_(velocity) {}
    // Appends the text starting at `start`; returns the end tick.
    long Write(long start, const std::string& text, int transpose = 0);
    const std::vector<Note>& Notes() const { return notes_; }
    void SetVelocity(int v) { velocity_ = v; }

  private:
    long barTicks_;
    int velocity_;
    std::vector<Note> notes_;
};

// Close-position voicing of `pitchClasses` with its lowest note in [low, low + 12), picked among
// the inversions to move least from `previous` (smooth voice leading).
std::vector<int> Voice(const std::vector<int>& pitchClasses, int low,
                       const std::vector<int>& previous);

// The note of pitch class `pc` nearest to `near`, kept inside [low, high].
int Nearest(int pc, int near, int low, int high);

// A hit pattern for one bar: beat offsets and lengths in beats.
struct Hit {
    double beat;
    double length;
    int velocity;
};

// Plays the chart's chords on the given rhythm cells (cycled bar by bar), voiced smoothly.
// Voicing tones a semitone away from the tune sounding at the hit are left out, as a pianist
// would, so the accompaniment never rubs against the melody.
std::vector<Note> Comp(const Chart& chart, long from, long to,
                       const std::vector<std::vector<Hit>>& cells, int low, bool withRoot = false,
                       const std::vector<Note>& melody = {});

// Walking bass in quarter notes: chord root on the change, chord tones in between, and a
// chromatic or scale approach into the next root, choosing notes that do not rub the melody.
std::vector<Note> Walk(const Chart& chart, long from, long to, int velocity,
                       const std::vector<Note>& melody = {});

// Whether `key` lies a semitone (in any octave) from a melody note sounding in [from, to).
bool Rubs(int key, long from, long to, const std::vector<Note>& melody);

// Special intervals of a bass figure, resolved against the chord being played.
constexpr int kApproach = 100;  // a step into the next chord's bass note
constexpr int kThird = 101;
constexpr int kFifth = 102;
constexpr int kSeventh = 103;  // or the sixth of a sixth chord, or the octave of a triad

// A bass figure played over every bar; each step takes the chord sounding at its beat.
struct BassStep {
    double beat;
    int interval;  // semitones above the chord's bass note, or one of the special values
    double length;
    int velocity;
};
std::vector<Note> Figure(const Chart& chart, long from, long to, const std::vector<BassStep>& bar,
                         int low, int high, const std::vector<Note>& melody = {});

// Drum lanes: one string per instrument, one character per step, '.' silent and '1'-'9' velocity.
struct Lane {
    int key;
    std::string steps;
};
std::vector<Note> Drums(long from, long to, long stepTicks, const std::vector<Lane>& lanes);

}  // namespace compose
