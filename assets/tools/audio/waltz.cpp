// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "songs.h"

namespace songs {

// "Waltz for Five Balls": a jazz waltz in B-flat. Jazz guitar sings the tune, the piano takes
// the second time round with the clarinet answering in the middle, and the opening phrase
// comes back to close.
Song JazzWaltz() {
    constexpr int kBeats = 3;
    constexpr long kBar = kBeats * kQuarter;
    auto bar = [](int n) { return n * kBar; };

    Chart chart(kBar, kBeats);
    const std::string a =
        "Bbmaj7 | Gm7 | Cm7 | F7 | Dm7 | G7 | Cm7 | F7 |"
        "Bbmaj7 | Bb7 | Ebmaj7 | Ebm6 | Dm7 | G7 | Cm7 | F7 |";
    const std::string b =
        "Ebmaj7 | Ebmaj7 | Dm7 | Dm7 | Cm7 | F7 | Bbmaj7 | Bbmaj7 |"
        "Em7b5 | A7 | Dm7 | G7 | Cm7 | Cm7 | F7 | F7 |";
    chart.Append("Bbmaj7 | Gm7 | Cm7 | F7 |");  // 0: intro
    chart.Append(a);                            // 4
    chart.Append(b);                            // 20
    chart.Append(a);                            // 36
    chart.Append(b);                            // 52
    chart.Append("Bbmaj7 | Gm7 | Cm7 | F7 |");  // 68: the opening phrase again
    chart.Append("Bb69 | Bb69 |");              // 72
    const int finalBar = 72;
    const long end = bar(finalBar + 2) + kQuarter;

    const std::string opening = "F5 h D5 q | Bb5 h A5 q | G5 h Eb5 q | A5 h. |";
    const std::string themeA = opening +
                               "r q D5 q F5 q | B5 h A5 q | G5 q. F5 e Eb5 q | C5 h. |"
                               "F5 h D5 q | Ab5 h G5 q | G5 q Bb5 q D6 q | C6 h Gb5 q |"
                               "F5 h A5 q | B5 q. A5 e F5 q | Eb5 q. D5 e C5 q | A4 h. |";
    const std::string themeB =
        "G5 q Bb5 q D6 q | D6 h C6 q | C6 h A5 q | F5 h. |"
        "Eb5 q G5 q Bb5 q | A5 h G5 q | F5 q. D5 e F5 q | A5 h. |"
        "G5 h Bb5 q | C#6 h A5 q | F5 q A5 q D6 q | B5 h G5 q |"
        "Bb5 h. | G5 h Eb5 q | C6 q A5 q F5 q | Eb5 h. |";

    // The guitar plays the tune in octaves, the classic jazz-guitar sound.
    Line guitarLead(kBar, 74);
    for (int octave : {0, -12}) {
        guitarLead.Write(bar(4), themeA + themeB, octave);
        guitarLead.Write(bar(68), opening + "[D5 Bb5]h. | _h.", octave);
    }
    Line pianoLead(kBar, 70);
    pianoLead.Write(bar(36), themeA);
    Line clarinet(kBar, 68);
    clarinet.Write(bar(52), themeB, -12);
    std::vector<Note> tune = guitarLead.Notes();
    for (const Line* l : {&pianoLead, &clarinet}) {
        tune.insert(tune.end(), l->Notes().begin(), l->Notes().end());
    }

    const std::vector<std::vector<Hit>> cells = {
        {{1, 0.45, 46}, {2, 0.45, 42}},
        {{1, 0.45, 44}, {2, 0.45, 40}},
        {{1.5, 1.3, 46}},
        {{1, 0.45, 44}, {2, 0.9, 42}},
    };
    std::vector<Note> comp = Comp(chart, bar(0), bar(finalBar), cells, 48, false, tune);
    const std::vector<Note> last =
        Comp(chart, bar(finalBar), bar(finalBar + 1), {{{0, 6, 52}}}, 48, false, tune);
    comp.insert(comp.end(), last.begin(), last.end());

    const std::vector<Note> strings =
        Comp(chart, bar(36), bar(finalBar + 1), {{{0, 2.9, 36}}, {{0, 2.9, 32}}}, 55, false, tune);

    std::vector<Note> bass =
        Figure(chart, bar(0), bar(36), {{0, 0, 1.8, 72}, {2, kFifth, 0.9, 60}}, 33, 50);
    const std::vector<Note> walk = Walk(chart, bar(36), bar(68), 70, tune);
    bass.insert(bass.end(), walk.begin(), walk.end());
    const std::vector<Note> close =
        Figure(chart, bar(68), bar(finalBar), {{0, 0, 1.8, 70}, {2, kFifth, 0.9, 58}}, 33, 50);
    bass.insert(bass.end(), close.begin(), close.end());
    bass.push_back({bar(finalBar), 6 * kQuarter, Pitch("Bb1"), 74});

    using namespace gm;
    std::vector<Note> drums = Drums(
        bar(0), bar(finalBar), kEighth,
        {{kRide, "4.333."}, {kPedalHat, "..3..."}, {kSnare, "....2. ....21"}, {kKick, "2....."}});
    drums.push_back({bar(finalBar), 6 * kQuarter, kRide, 54});

    Song song{"Waltz for Five Balls", {}, end};
    song.tracks.push_back(Conductor(song.title, 138, kBeats, -2, false));
    Ritardando(song.tracks.back(), bar(finalBar - 2), bar(finalBar), 138, 108);
    midi::Track gtr = Instrument("Jazz guitar", 0, kJazzGuitar, {100, 76, 50, 20});
    gtr.Add(guitarLead.Notes());
    midi::Track piano = Instrument("Piano", 1, kPiano, {96, 52, 50, 0});
    piano.Add(comp);
    piano.Add(pianoLead.Notes());
    midi::Track clar = Instrument("Clarinet", 2, kClarinet, {96, 84, 55, 0});
    clar.Add(clarinet.Notes());
    midi::Track str = Instrument("Strings", 3, kSlowStrings, {78, 40, 70, 20});
    str.Add(strings);
    midi::Track bas = Instrument("Bass", 4, kAcousticBass, {88, 64, 25, 0});
    bas.Add(bass);
    midi::Track kit = Instrument("Brushes", midi::kDrumChannel, kBrushKit, {100, 64, 40, 0});
    kit.Add(drums);
    for (midi::Track* t : {&gtr, &piano, &clar, &str, &bas, &kit}) {
        t->SetSwing(0.62);
        t->SetHumanize(6, 5);
        song.tracks.push_back(std::move(*t));
    }
    return song;
}

}  // namespace songs
