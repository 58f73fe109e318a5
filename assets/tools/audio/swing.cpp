// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "songs.h"

namespace songs {

// "Velvet Reels": an easy medium swing in F, 32-bar AABA with a vibraphone lead, a bridge and
// last eight taken out again by the piano and the vibes, and a short tag.
Song EasySwing() {
    constexpr int kBeats = 4;
    constexpr long kBar = kBeats * kQuarter;
    auto bar = [](int n) { return n * kBar; };

    Chart chart(kBar, kBeats);
    const std::string a1 = "Fmaj7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | F6 D7 | Gm7 C7 |";
    const std::string a2 = "Fmaj7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | F6 | Cm7 F7 |";
    const std::string b = "Bbmaj7 | Bbm7 Eb7 | Am7 | D7 | G7 | G7 | Gm7 | C7 |";
    chart.Append("Fmaj7 D7 | Gm7 C7 | Am7 D7 | Gm7 C7 |");  // 0: intro
    chart.Append(a1);                                       // 4
    chart.Append(a2);                                       // 12
    chart.Append(b);                                        // 20
    chart.Append(a2);                                       // 28
    chart.Append(b);                                        // 36: piano takes the bridge
    chart.Append(a1);                                       // 44
    chart.Append("Am7 D7 | Gm7 C7 | F69 | F69 |");          // 52: tag and final chord
    const int finalBar = 54;
    const long end = bar(finalBar + 1) + 2 * kQuarter;

    const std::string melodyA =
        "r q C5 e D5 e F5 q A5 q | G5 q. F#5 e A5 h | r q Bb4 e C5 e D5 q F5 q |"
        "E5 q. D5 e G5 h | C6 q A5 e G5 e F#5 q A5 q | Bb5 q G5 e F5 e E5 q G5 q |";
    const std::string endA1 = "A5 h r e F#5 e A5 e C6 e | Bb5 e A5 e G5 e F5 e E5 q C5 q |";
    const std::string endA2 = "F5 h. r q | r e C5 e Eb5 e G5 e A5 q Eb5 q |";
    const std::string bridge =
        "D5 q. F5 e A5 q. G5 e | F5 q. Db5 e G5 q. F5 e | E5 h. r e C5 e |"
        "D5 e E5 e F#5 e A5 e C6 q A5 q | B5 q. A5 e G5 q D5 q | F5 h r e D5 e E5 e F5 e |"
        "G5 q. Bb5 e D6 q C6 e Bb5 e | A5 q G5 q E5 q r q |";

    Line vibes(kBar, 76);
    vibes.Write(bar(4), melodyA + endA1 + melodyA + endA2 + bridge + melodyA + endA2);
    vibes.Write(bar(44), melodyA + endA1);
    vibes.Write(bar(52), "C6 q A5 e G5 e F#5 q A5 q | Bb5 q G5 e F5 e E5 q G5 q | [A5 F6]w | _h.");

    Line pianoLead(kBar, 64);
    pianoLead.Write(bar(36), bridge);
    pianoLead.Write(bar(36), bridge, -12);
    std::vector<Note> tune = vibes.Notes();
    tune.insert(tune.end(), pianoLead.Notes().begin(), pianoLead.Notes().end());

    // Comping: Charleston and its cousins, never the same figure twice in a row.
    const std::vector<std::vector<Hit>> cells = {
        {{0, 0.4, 52}, {1.5, 1.2, 56}},
        {{1.5, 0.4, 50}, {3.5, 0.5, 54}},
        {{0, 1.5, 50}, {2.5, 0.4, 52}},
        {{1, 0.4, 48}, {2.5, 1.2, 54}},
    };
    std::vector<Note> comp = Comp(chart, bar(0), bar(36), cells, 50, false, tune);
    const std::vector<Note> outComp = Comp(chart, bar(44), bar(finalBar), cells, 50, false, tune);
    comp.insert(comp.end(), outComp.begin(), outComp.end());
    const std::vector<Note> last =
        Comp(chart, bar(finalBar), bar(finalBar + 1), {{{0, 7, 56}}}, 50, false, tune);
    comp.insert(comp.end(), last.begin(), last.end());
    const std::vector<Note> vibesPad =
        Comp(chart, bar(36), bar(44), {{{0, 1.8, 44}, {2.5, 1.4, 40}}, {{0.5, 3.4, 42}}}, 55, false,
             tune);

    std::vector<Note> bass = Walk(chart, bar(0), bar(finalBar), 74, tune);
    bass.push_back({bar(finalBar), 7 * kQuarter, Pitch("F1"), 78});

    using namespace gm;
    std::vector<Note> drums = Drums(bar(0), bar(finalBar), kEighth,
                                    {{kRide, "5.43 5.43"},
                                     {kPedalHat, "..4. ..4."},
                                     {kSnare, "..2. ..3. ..2. .23."},
                                     {kKick, "2... 2... 2... 2..."}});
    // A small brush fill closes each eight-bar section.
    for (int fill : {11, 19, 27, 35, 43, 51}) {
        const std::vector<Note> f =
            Drums(bar(fill) + 2 * kQuarter, bar(fill + 1), kEighth, {{kSnare, ".345"}});
        drums.insert(drums.end(), f.begin(), f.end());
    }
    drums.push_back({bar(finalBar), 6 * kQuarter, kRide, 60});
    drums.push_back({bar(finalBar), kQuarter, kKick, 50});

    Song song{"Velvet Reels", {}, end};
    song.tracks.push_back(Conductor(song.title, 128, kBeats, -1, false));
    Ritardando(song.tracks.back(), bar(finalBar - 1), bar(finalBar), 128, 104);
    midi::Track lead = Instrument("Vibraphone", 0, kVibraphone, {96, 76, 50, 30});
    lead.Add(vibes.Notes());
    lead.Add(vibesPad);
    midi::Track piano = Instrument("Piano", 1, kPiano, {96, 50, 45, 0});
    piano.Add(comp);
    piano.Add(pianoLead.Notes());
    midi::Track upright = Instrument("Bass", 2, kAcousticBass, {88, 64, 25, 0});
    upright.Add(bass);
    midi::Track kit = Instrument("Brushes", midi::kDrumChannel, kBrushKit, {100, 64, 40, 0});
    kit.Add(drums);
    for (midi::Track* t : {&lead, &piano, &upright, &kit}) {
        t->SetSwing(0.64);
    }
    lead.SetHumanize(6, 5);
    piano.SetHumanize(8, 6);
    upright.SetHumanize(4, 4);
    kit.SetHumanize(6, 6);
    song.tracks.push_back(std::move(lead));
    song.tracks.push_back(std::move(piano));
    song.tracks.push_back(std::move(upright));
    song.tracks.push_back(std::move(kit));
    return song;
}

}  // namespace songs
