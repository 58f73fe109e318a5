// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "songs.h"

namespace songs {

// "Blue Card Bossa": a bossa nova in D minor with a lift to B-flat major in the middle section;
// flute leads, the vibraphone takes the return of the first theme.
Song Bossa() {
    constexpr int kBeats = 4;
    constexpr long kBar = kBeats * kQuarter;
    auto bar = [](int n) { return n * kBar; };

    Chart chart(kBar, kBeats);
    const std::string a =
        "Dm9 | Dm9 | Gm7 | C9 | Fmaj7 | Bbmaj7 | Em7b5 | A7b9 |"
        "Dm9 | Dm9 | Gm7 | C9 | Fmaj7 | Bbmaj7 | Em7b5 A7b9 | Dm9 |";
    const std::string b =
        "Bbmaj7 | Bbmaj7 | Am7 | D7b9 | Gm9 | C13 | Fmaj7 | A7 |"
        "Bbmaj7 | Bbm6 | Am7 | D7b9 | Gm7 | C7 | Em7b5 | A7b9 |";
    chart.Append("Dm9 | Em7b5 A7b9 | Dm9 | Em7b5 A7b9 |");    // 0: intro
    chart.Append(a);                                          // 4
    chart.Append(b);                                          // 20
    chart.Append(a);                                          // 36
    chart.Append("Dm9 | Gm7 C9 | Em7b5 A7b9 | Dm9 | Dm9 |");  // 52: coda and final chord
    const int finalBar = 55;
    const long end = bar(finalBar + 1) + 2 * kQuarter;

    const std::string themeA =
        "A5 q. G5 e _q F5 q | E5 h. r e D5 e | F5 q. D5 e _q Bb4 q | D5 h. r e E5 e |"
        "F5 q. A5 e _q C6 q | A5 h G5 q F5 q | G5 q. Bb5 e _q G5 q | Bb5 q A5 q G5 q E5 q |"
        "A5 q. G5 e _q F5 q | E5 h. r e D5 e | F5 q. D5 e _q Bb4 q | E5 h. r e G5 e |"
        "A5 q. C6 e _q E6 q | D6 h C6 q A5 q | G5 q. F5 e E5 q C#5 q | D5 h. r q |";
    const std::string themeB =
        "r e F5 e A5 e C6 e _h | D6 q. C6 e _q A5 q | G5 q. E5 e _q C5 q | F#5 h Eb5 q D5 q |"
        "Bb5 q. A5 e _q F5 q | E5 h. r e A5 e | G5 q. A5 e _q C6 q | C#6 h. r e A5 e |"
        "D6 q. C6 e _q A5 q | Db6 q. C6 e _q Bb5 q | C6 q. B5 e _q A5 q | F#5 q. A5 e _q C6 q |"
        "Bb5 h A5 q G5 q | E5 h. r q | G5 q. Bb5 e _q D6 q | C#6 h Bb5 q G5 q |";
    const std::string coda = "A5 q. G5 e _q F5 q | E5 h. r q | G5 q. F5 e E5 q C#5 q | D5 w | _h";

    Line flute(kBar, 72);
    flute.Write(bar(4), themeA + themeB);
    flute.Write(bar(52), coda);
    Line vibes(kBar, 74);
    vibes.Write(bar(36), themeA);
    std::vector<Note> tune = flute.Notes();
    tune.insert(tune.end(), vibes.Notes().begin(), vibes.Notes().end());

    // The guitar's syncopated two-bar figure; the bass keeps the downbeats.
    const std::vector<std::vector<Hit>> guitarCells = {
        {{0, 0.45, 50}, {1.5, 0.45, 46}, {3, 0.45, 48}},
        {{1, 0.45, 46}, {2.5, 0.9, 48}},
    };
    std::vector<Note> guitar = Comp(chart, bar(0), bar(finalBar), guitarCells, 53, true, tune);
    const std::vector<Note> lastChord =
        Comp(chart, bar(finalBar), bar(finalBar + 1), {{{0, 6, 52}}}, 53, true, tune);
    guitar.insert(guitar.end(), lastChord.begin(), lastChord.end());

    // Strings only under the middle section, to lift it.
    const std::vector<Note> strings =
        Comp(chart, bar(20), bar(36), {{{0, 3.9, 38}}, {{0, 3.9, 34}}}, 57, false, tune);

    std::vector<Note> bass =
        Figure(chart, bar(0), bar(finalBar),
               {{0, 0, 1.4, 76}, {1.5, kFifth, 0.45, 62}, {2, kFifth, 1.4, 70}, {3.5, 0, 0.45, 60}},
               33, 50, tune);
    bass.push_back({bar(finalBar), 6 * kQuarter, Pitch("D2"), 74});

    using namespace gm;
    std::vector<Note> drums = Drums(bar(0), bar(finalBar), kEighth,
                                    {{kSideStick, "4..4..4. ..4..4.."},
                                     {kKick, "4..3 4..3"},
                                     {kClosedHat, "3232 3232"},
                                     {kCabasa, ".2.2 .2.2"}});
    drums.push_back({bar(finalBar), kQuarter, kKick, 56});
    drums.push_back({bar(finalBar), 4 * kQuarter, kRide, 44});

    Song song{"Blue Card Bossa", {}, end};
    song.tracks.push_back(Conductor(song.title, 138, kBeats, -1, true));
    Ritardando(song.tracks.back(), bar(finalBar - 1), bar(finalBar), 138, 114);
    midi::Track flt = Instrument("Flute", 0, kFlute, {96, 70, 55, 10});
    flt.Add(flute.Notes());
    flt.SetHumanize(5, 4);
    midi::Track vib = Instrument("Vibraphone", 1, kVibraphone, {96, 58, 50, 30});
    vib.Add(vibes.Notes());
    vib.SetHumanize(5, 4);
    midi::Track gtr = Instrument("Nylon guitar", 2, kNylonGuitar, {104, 44, 40, 0});
    gtr.Add(guitar);
    gtr.SetHumanize(6, 5);
    midi::Track str = Instrument("Strings", 3, kSlowStrings, {82, 84, 70, 20});
    str.Add(strings);
    midi::Track bas = Instrument("Bass", 4, kAcousticBass, {88, 64, 25, 0});
    bas.Add(bass);
    bas.SetHumanize(4, 4);
    midi::Track kit = Instrument("Percussion", midi::kDrumChannel, kBrushKit, {90, 64, 35, 0});
    kit.Add(drums);
    kit.SetHumanize(5, 6);
    for (midi::Track* t : {&flt, &vib, &gtr, &str, &bas, &kit}) {
        song.tracks.push_back(std::move(*t));
    }
    return song;
}

}  // namespace songs
