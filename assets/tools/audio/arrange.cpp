// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "arrange.h"

namespace songs {

midi::Track Conductor(const std::string& title, double bpm, int beatsPerBar, int sharps,
                      bool minor) {
    midi::Track t(title, 0);
    t.Text(0, 0x02, "Quillane game music");
    t.Tempo(0, bpm);
    t.TimeSignature(0, beatsPerBar, 4);
    t.KeySignature(0, sharps, minor);
    return t;
}

void Ritardando(midi::Track& conductor, long from, long to, double bpm, double endBpm) {
    constexpr int kSteps = 8;
    for (int i = 1; i <= kSteps; ++i) {
        conductor.Tempo(from + (to - from) * (i - 1) / kSteps, bpm + (endBpm - bpm) * i / kSteps);
    }
}

midi::Track Instrument(const std::string& name, int channel, int program, const Mix& mix) {
    midi::Track t(name, channel);
    t.Control(0, 121, 0);  // reset controllers, so a previous track's settings never linger
    t.Program(0, program);
    t.Control(0, 7, mix.volume);
    t.Control(0, 10, mix.pan);
    t.Control(0, 91, mix.reverb);
    t.Control(0, 93, mix.chorus);
    return t;
}

}  // namespace songs
