// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "compose.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace compose {
namespace {

int PitchClass(char letter) {
    switch (letter) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            throw std::invalid_argument(std::string("bad note letter ") + letter);
    }
}

int Mod12(int v) {
    return ((v % 12) + 12) % 12;
}

bool Has(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}

// Reads "Eb4" style names at `i`; advances `i`.
int ReadPitch(const std::string& s, std::size_t& i) {
    int pc = PitchClass(s.at(i++));
    while (i < s.size() && (s[i] == '#' || s[i] == 'b')) {
        pc += s[i++] == '#' ? 1 : -1;
    }
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) {
        throw std::invalid_argument("note without octave in '" + s + "'");
    }
    const int octave = (s[i++] - '0') * (negative ? -1 : 1);
    return 12 * (octave + 1) + pc;
}

// Reads duration letters at `i` ("q", "q.", "he", "t"); returns ticks, 0 if none.
long ReadDuration(const std::string& s, std::size_t& i) {
    long total = 0;
    while (i < s.size()) {
        long unit = 0;
        switch (s[i]) {
            case 'w':
                unit = 4 * kQuarter;
                break;
            case 'h':
                unit = 2 * kQuarter;
                break;
            case 'q':
                unit = kQuarter;
                break;
            case 'e':
                unit = kEighth;
                break;
            case 's':
                unit = kSixteenth;
                break;
            case 't':
                unit = kQuarter / 3;
                break;
            case 'x':
                unit = kQuarter / 6;
                break;
            default:
                return total;
        }
        ++i;
        if (i < s.size() && s[i] == '.') {
            unit += unit / 2;
            ++i;
        }
        total += unit;
    }
    return total;
}

void SkipSpace(const std::string& s, std::size_t& i) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) {
        ++i;
    }
}

}  // namespace

int Pitch(const std::string& name) {
    std::size_t i = 0;
    const int p = ReadPitch(name, i);
    if (i != name.size()) {
        throw std::invalid_argument("bad pitch '" + name + "'");
    }
    return p;
}

int Chord::Third() const {
    for (int i : intervals) {
        if (i == 3 || i == 4) {
            return i;
        }
    }
    return Has(intervals, 5) ? 5 : 4;
}

int Chord::Fifth() const {
    for (int i : intervals) {
        if (i >= 6 && i <= 8) {
            return i;
        }
    }
    return 7;
}

int Chord::Seventh() const {
    for (int i : intervals) {
        if (i == 10 || i == 11) {
            return i;
        }
    }
    return Has(intervals, 9) ? 9 : -1;
}

std::vector<int> Chord::Colour() const {
    std::vector<int> pcs;
    auto add = [&](int interval) {
        const int pc = Mod12(root + interval);
        if (!Has(pcs, pc)) {
            pcs.push_back(pc);
        }
    };
    const int seventh = Seventh();
    if (seventh < 0) {
        add(0);
        add(Third());
        add(Fifth());
        return pcs;
    }
    add(Third());
    add(seventh);
    // Two more colours: the written tensions first, otherwise a ninth where it is safe.
    std::vector<int> extra;
    for (int i : intervals) {
        if (i > 11 || (i == 9 && seventh != 9)) {
            extra.push_back(i);
        }
    }
    const bool alteredNinth = Has(intervals, 13) || Has(intervals, 15);
    const bool diminished = Fifth() == 6;
    if (extra.empty() && !alteredNinth && !diminished && Third() != 5) {
        extra.push_back(14);
    }
    for (int e : extra) {
        if (pcs.size() < 4) {
            add(e);
        }
    }
    if (pcs.size() < 4) {
        add(Fifth());
    }
    return pcs;
}

Chord ParseChord(const std::string& symbol) {
    Chord c;
    c.name = symbol;
    std::size_t i = 0;
    c.root = PitchClass(symbol.at(i++));
    while (i < symbol.size() && (symbol[i] == '#' || symbol[i] == 'b')) {
        c.root += symbol[i++] == '#' ? 1 : -1;
    }
    c.root = Mod12(c.root);
    std::string quality = symbol.substr(i);
    c.bass = c.root;
    if (const auto slash = quality.find('/'); slash != std::string::npos) {
        const std::string bass = quality.substr(slash + 1);
        int pc = PitchClass(bass.at(0));
        for (std::size_t k = 1; k < bass.size(); ++k) {
            pc += bass[k] == '#' ? 1 : -1;
        }
        c.bass = Mod12(pc);
        quality = quality.substr(0, slash);
    }
    static const std::vector<std::pair<std::string, std::vector<int>>> kQualities = {
        {"", {0, 4, 7}},
        {"6", {0, 4, 7, 9}},
        {"69", {0, 4, 7, 9, 14}},
        {"maj7", {0, 4, 7, 11}},
        {"maj9", {0, 4, 7, 11, 14}},
        {"maj7#11", {0, 4, 7, 11, 18}},
        {"m", {0, 3, 7}},
        {"m6", {0, 3, 7, 9}},
        {"m7", {0, 3, 7, 10}},
        {"m9", {0, 3, 7, 10, 14}},
        {"m11", {0, 3, 7, 10, 14, 17}},
        {"mmaj7", {0, 3, 7, 11}},
        {"m7b5", {0, 3, 6, 10}},
        {"dim7", {0, 3, 6, 9}},
        {"7", {0, 4, 7, 10}},
        {"9", {0, 4, 7, 10, 14}},
        {"13", {0, 4, 7, 10, 14, 21}},
        {"7b9", {0, 4, 7, 10, 13}},
        {"7#9", {0, 4, 7, 10, 15}},
        {"7#5", {0, 4, 8, 10}},
        {"7sus", {0, 5, 7, 10, 14}},
        {"aug", {0, 4, 8}},
    };
    for (const auto& [name, intervals] : kQualities) {
        if (name == quality) {
            c.intervals = intervals;
            return c;
        }
    }
    throw std::invalid_argument("unknown chord '" + symbol + "'");
}

void Chart::Append(const std::string& bars) {
    std::stringstream in(bars);
    std::string bar;
    std::vector<std::pair<std::string, double>> previous;
    while (std::getline(in, bar, '|')) {
        std::stringstream words(bar);
        std::string word;
        std::vector<std::pair<std::string, double>> chords;
        while (words >> word) {
            if (word == "%") {
                chords = previous;
                continue;
            }
            const auto colon = word.find(':');
            chords.emplace_back(word.substr(0, colon), colon == std::string::npos
                                                           ? 0.0
                                                           : std::stod(word.substr(colon + 1)));
        }
        if (chords.empty()) {
            continue;
        }
        double given = 0;
        int unsized = 0;
        for (const auto& [name, beats] : chords) {
            given += beats;
            unsized += beats == 0 ? 1 : 0;
        }
        const double each = unsized > 0 ? (beats_ - given) / unsized : 0.0;
        long at = end_;
        for (const auto& [name, beats] : chords) {
            const long length =
                static_cast<long>(std::lround((beats == 0 ? each : beats) * kQuarter));
            spans_.push_back({at, length, ParseChord(name)});
            at += length;
        }
        if (at - end_ != barTicks_) {
            throw std::invalid_argument("chart bar '" + bar + "' does not fill the bar");
        }
        end_ = at;
        previous = chords;
    }
}

const Chord& Chart::At(long tick, long anticipate) const {
    const long t = tick + anticipate;
    for (const ChordSpan& s : spans_) {
        if (t >= s.start && t < s.start + s.length) {
            return s.chord;
        }
    }
    return spans_.back().chord;
}

const ChordSpan* Chart::Next(const ChordSpan& span) const {
    const auto index = static_cast<std::size_t>(&span - spans_.data());
    return index + 1 < spans_.size() ? &spans_[index + 1] : nullptr;
}

long Line::Write(long start, const std::string& text, int transpose) {
    long pos = start;
    std::size_t i = 0;
    std::vector<std::size_t> last;  // the notes of the previous event, for ties
    while (true) {
        SkipSpace(text, i);
        if (i >= text.size()) {
            break;
        }
        if (text[i] == '|') {
            if (pos % barTicks_ != 0) {
                throw std::invalid_argument("bar line off the beat near '" +
                                            text.substr(i > 30 ? i - 30 : 0, 40) + "'");
            }
            ++i;
            continue;
        }
        int accent = 0;
        if (text[i] == '^') {
            accent = 14;
            ++i;
        } else if (text[i] == ',') {
            accent = -16;
            ++i;
        }
        std::vector<int> keys;
        bool tie = false;
        if (text[i] == 'r') {
            ++i;
        } else if (text[i] == '_') {
            tie = true;
            ++i;
        } else if (text[i] == '[') {
            ++i;
            while (true) {
                SkipSpace(text, i);
                if (text.at(i) == ']') {
                    ++i;
                    break;
                }
                keys.push_back(ReadPitch(text, i) + transpose);
            }
        } else {
            keys.push_back(ReadPitch(text, i) + transpose);
        }
        SkipSpace(text, i);
        const long length = ReadDuration(text, i);
        if (length == 0) {
            throw std::invalid_argument("missing duration near '" +
                                        text.substr(i > 30 ? i - 30 : 0, 40) + "'");
        }
        double gate = 0.92;
        if (i < text.size() && text[i] == '\'') {
            gate = 0.5;
            ++i;
        }
        if (tie) {
            for (std::size_t n : last) {
                notes_[n].length += length;
            }
        } else {
            last.clear();
            for (int key : keys) {
                last.push_back(notes_.size());
                notes_.push_back({pos, std::max(1L, static_cast<long>(length * gate)), key,
                                  std::clamp(velocity_ + accent, 1, 127)});
            }
        }
        pos += length;
    }
    return pos;
}

int Nearest(int pc, int near, int low, int high) {
    int best = -1;
    for (int k = low; k <= high; ++k) {
        if (Mod12(k) == pc && (best < 0 || std::abs(k - near) < std::abs(best - near))) {
            best = k;
        }
    }
    if (best < 0) {
        throw std::invalid_argument("empty range for Nearest");
    }
    return best;
}

std::vector<int> Voice(const std::vector<int>& pitchClasses, int low,
                       const std::vector<int>& previous) {
    std::vector<int> pcs = pitchClasses;
    std::sort(pcs.begin(), pcs.end());
    std::vector<int> best;
    double bestCost = 1e9;
    for (std::size_t r = 0; r < pcs.size(); ++r) {
        std::vector<int> v;
        int key = low;
        while (Mod12(key) != pcs[r]) {
            ++key;
        }
        v.push_back(key);
        for (std::size_t k = 1; k < pcs.size(); ++k) {
            int next = v.back() + 1;
            while (Mod12(next) != pcs[(r + k) % pcs.size()]) {
                ++next;
            }
            v.push_back(next);
        }
        double cost = 0;
        if (previous.size() == v.size()) {
            for (std::size_t k = 0; k < v.size(); ++k) {
                cost += std::abs(v[k] - previous[k]);
            }
        } else {
            double mean = 0;
            for (int x : v) {
                mean += x;
            }
            cost = std::abs(mean / static_cast<double>(v.size()) - (low + 9));
        }
        // Tight seconds at the bottom of a voicing sound muddy; nudge away from them.
        if (v.size() > 1 && v[1] - v[0] <= 1) {
            cost += 3;
        }
        if (cost < bestCost) {
            bestCost = cost;
            best = v;
        }
    }
    return best;
}

bool Rubs(int key, long from, long to, const std::vector<Note>& melody) {
    for (const Note& m : melody) {
        if (m.tick < to && m.tick + m.length > from) {
            const int d = Mod12(m.key - key);
            if (d == 1 || d == 11) {
                return true;
            }
        }
    }
    return false;
}

std::vector<Note> Comp(const Chart& chart, long from, long to,
                       const std::vector<std::vector<Hit>>& cells, int low, bool withRoot,
                       const std::vector<Note>& melody) {
    std::vector<Note> out;
    std::vector<int> previous;
    const long bar = chart.BarTicks();
    for (long start = from; start < to; start += bar) {
        const auto& cell = cells[static_cast<std::size_t>((start - from) / bar) % cells.size()];
        for (const Hit& h : cell) {
            const long tick = start + static_cast<long>(std::lround(h.beat * kQuarter));
            if (tick >= to) {
                continue;
            }
            const Chord& chord = chart.At(tick, kEighth / 2);
            std::vector<int> pcs = chord.Colour();
            if (withRoot && !Has(pcs, chord.root)) {
                pcs.insert(pcs.begin(), chord.root);
                if (pcs.size() > 4) {
                    pcs.pop_back();
                }
            }
            const long length = static_cast<long>(std::lround(h.length * kQuarter));
            const long heard = tick + length;
            std::vector<int> kept;
            for (int pc : pcs) {
                if (!Rubs(pc, tick, heard, melody)) {
                    kept.push_back(pc);
                }
            }
            for (int extra : {chord.root, Mod12(chord.root + chord.Fifth())}) {
                if (kept.size() < 3 && !Has(kept, extra) && !Rubs(extra, tick, heard, melody)) {
                    kept.push_back(extra);
                }
            }
            previous = Voice(kept, low, previous);
            for (int key : previous) {
                out.push_back({tick, length, key, h.velocity});
            }
        }
    }
    return out;
}

std::vector<Note> Walk(const Chart& chart, long from, long to, int velocity,
                       const std::vector<Note>& melody) {
    constexpr int kLow = 28;
    constexpr int kHigh = 50;
    std::vector<Note> out;
    int current = 38;
    int turn = 0;
    for (const ChordSpan& span : chart.Spans()) {
        if (span.start < from || span.start >= to) {
            continue;
        }
        const Chord& c = span.chord;
        const int beats = static_cast<int>(span.length / kQuarter);
        const int root = Nearest(c.bass, current, kLow + 2, kHigh - 2);
        const ChordSpan* next = chart.Next(span);
        const int nextPc = next ? next->chord.bass : c.bass;
        const int target = Nearest(nextPc, root + (turn % 2 == 0 ? 3 : -3), kLow, kHigh);
        std::vector<int> line = {root};
        if (beats >= 2) {
            std::vector<int> tones;
            for (int iv : c.intervals) {
                tones.push_back(Mod12(c.root + iv));
            }
            const long lastBeat = span.start + (beats - 1) * kQuarter;
            const int fifthAbove = target + 7 <= kHigh ? target + 7 : target - 5;
            const std::vector<int> approaches = {target - 1, target + 1, fifthAbove};
            // Take the approaches in turn for variety, skipping any that rub the tune; a whole
            // step into the target is the fallback.
            auto choose = [&](int avoid) {
                for (std::size_t k = 0; k < approaches.size() + 2; ++k) {
                    const int a = k < approaches.size()
                                      ? approaches[(static_cast<std::size_t>(turn) + k) % 3]
                                      : target + (k == approaches.size() ? 2 : -2);
                    if (a != avoid && !Rubs(a, lastBeat, lastBeat + kQuarter, melody)) {
                        return a;
                    }
                }
                return approaches[static_cast<std::size_t>(turn % 3)] == avoid
                           ? approaches[static_cast<std::size_t>((turn + 1) % 3)]
                           : approaches[static_cast<std::size_t>(turn % 3)];
            };
            int approach = choose(root);
            int at = root;
            for (int b = 1; b < beats - 1; ++b) {
                // Step toward the approach note along chord tones, 2 to 5 semitones at a time.
                const long beat = span.start + b * kQuarter;
                const int dir = approach >= at ? 1 : -1;
                int pick = -1;
                for (int step = 2; step <= 5 && pick < 0; ++step) {
                    const int k = at + dir * step;
                    if (k >= kLow && k <= kHigh && Has(tones, Mod12(k)) &&
                        !Rubs(k, beat, beat + kQuarter, melody)) {
                        pick = k;
                    }
                }
                if (pick < 0) {
                    pick = Nearest(Mod12(c.root + c.Fifth()), at + dir * 4, kLow, kHigh);
                }
                line.push_back(pick);
                at = pick;
            }
            if (approach == at) {
                approach = choose(at);
            }
            line.push_back(approach);
        }
        for (int b = 0; b < beats; ++b) {
            const long tick = span.start + b * kQuarter;
            if (tick >= to) {
                break;
            }
            out.push_back({tick, kQuarter * 9 / 10, line[static_cast<std::size_t>(b)],
                           velocity + (b == 0 ? 6 : (b % 2 == 0 ? 2 : -2))});
        }
        current = line.back();
        ++turn;
    }
    return out;
}

std::vector<Note> Figure(const Chart& chart, long from, long to, const std::vector<BassStep>& bar,
                         int low, int high, const std::vector<Note>& melody) {
    std::vector<Note> out;
    const long barTicks = chart.BarTicks();
    for (long start = from; start < to; start += barTicks) {
        for (const BassStep& step : bar) {
            const long tick = start + static_cast<long>(std::lround(step.beat * kQuarter));
            if (tick >= to) {
                continue;
            }
            const ChordSpan* span = nullptr;
            for (const ChordSpan& s : chart.Spans()) {
                if (tick >= s.start && tick < s.start + s.length) {
                    span = &s;
                }
            }
            if (span == nullptr) {
                continue;
            }
            const int root = Nearest(span->chord.bass, low + 5, low, low + 11);
            const Chord& c = span->chord;
            int key;
            if (step.interval == kApproach) {
                // From below by preference, from above or the fifth if that would rub the tune.
                const ChordSpan* next = chart.Next(*span);
                const int target =
                    Nearest(next ? next->chord.bass : c.bass, root, low + 1, high - 1);
                const long until = tick + static_cast<long>(std::lround(step.length * kQuarter));
                key = target - 1;
                for (int alternative : {target + 1, target + 7 <= high ? target + 7 : target - 5}) {
                    if (Rubs(key, tick, until, melody)) {
                        key = alternative;
                    }
                }
            } else {
                int interval = step.interval;
                if (interval == kThird) {
                    interval = c.Third();
                } else if (interval == kFifth) {
                    interval = c.Fifth();
                } else if (interval == kSeventh) {
                    interval = c.Seventh() < 0 ? 12 : c.Seventh();
                }
                key = root + interval;
                while (key > high) {
                    key -= 12;
                }
            }
            out.push_back(
                {tick, static_cast<long>(std::lround(step.length * kQuarter)), key, step.velocity});
        }
    }
    return out;
}

std::vector<Note> Drums(long from, long to, long stepTicks, const std::vector<Lane>& lanes) {
    std::vector<Note> out;
    for (const Lane& lane : lanes) {
        // Spaces and bar lines are only there to make the patterns readable.
        std::string steps;
        for (char c : lane.steps) {
            if (c != ' ' && c != '|') {
                steps.push_back(c);
            }
        }
        std::size_t i = 0;
        for (long tick = from; tick < to; tick += stepTicks, ++i) {
            const char c = steps[i % steps.size()];
            if (c >= '1' && c <= '9') {
                out.push_back({tick, stepTicks, lane.key, 12 + 10 * (c - '0')});
            }
        }
    }
    return out;
}

}  // namespace compose
