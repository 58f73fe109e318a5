// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "songs.h"

namespace songs {

// "Lucky Lounge Cha-Cha": a bright cocktail cha-cha in G. Muted trumpet on the first and last
// eights, organ in between, congas and clave underneath, and the customary "cha-cha-cha" to end.
Song LoungeChaCha() {
    constexpr int kBeats = 4;
    constexpr long kBar = kBeats * kQuarter;
    auto bar = [](int n) { return n * kBar; };

    Chart chart(kBar, kBeats);
    const std::string a = "Gmaj7 | Em7 | Am7 | D7 | Gmaj7 | Em7 | Am7 D7 | G6 |";
    chart.Append("Gmaj7 | Em7 | Am7 | D7 |");                        // 0: intro
    chart.Append(a);                                                 // 4
    chart.Append(a);                                                 // 12
    chart.Append("Cmaj7 | Cm6 | Bm7 | E7 | Am7 | D7 | Am7 | D7 |");  // 20
    chart.Append(a);                                                 // 28
    chart.Append("Am7 D7 | Bm7 E7 | Am7 D7 | G6 |");                 // 36: coda
    chart.Append("G69 |");                                           // 40
    const int finalBar = 40;
    const long end = bar(finalBar + 1);

    const std::string themeA =
        "B4 q D5 q F#5 q. E5 e | D5 h r q B4 e' B4 e' | C5 q E5 q G5 q. F#5 e |"
        "E5 h r q C5 e' C5 e' | B4 q D5 q F#5 q A5 q | G5 q. F#5 e E5 q D5 q |"
        "C5 q E5 q F#5 q. A5 e |";
    const std::string toA = "G5 h r q D5 e' D5 e' |";
    const std::string toB = "G5 h r q G5 e' F#5 e' |";
    const std::string themeB =
        "E5 h. G5 e' E5 e | Eb5 h. C5 e A4 e | D5 q F#5 q A5 q. F#5 e |"
        "G#5 h r q E5 e' F#5 e' | G5 q. E5 e _q C5 q | F#5 q. D5 e _q A4 q |"
        "C5 q E5 q G5 q B5 q | A5 h F#5 e' E5 e' D5 e' C5 e' |";
    const std::string coda =
        "C5 q E5 q F#5 q A5 q | D5 q F#5 q G#5 q B5 q | C6 q E5 q F#5 q D5 q |"
        "G5 h. D5 e' D5 e' | ^G5 q' r q r h";

    Line trumpet(kBar, 86);
    trumpet.Write(bar(4), themeA + toA);
    trumpet.Write(bar(28), themeA + toA + coda);
    Line organ(kBar, 70);
    organ.Write(bar(12), themeA + toB + themeB);
    std::vector<Note> tune = trumpet.Notes();
    tune.insert(tune.end(), organ.Notes().begin(), organ.Notes().end());

    const std::vector<std::vector<Hit>> pianoCells = {
        {{0, 0.4, 54}, {1.5, 0.4, 48}, {3, 0.4, 50}, {3.5, 0.4, 48}},
        {{0.5, 0.4, 46}, {1.5, 0.4, 50}, {2.5, 0.4, 46}, {3, 0.9, 50}},
    };
    std::vector<Note> piano = Comp(chart, bar(0), bar(finalBar), pianoCells, 55, false, tune);
    const std::vector<Note> pianoHit =
        Comp(chart, bar(finalBar), bar(finalBar + 1), {{{0, 0.6, 64}}}, 55, false, tune);
    piano.insert(piano.end(), pianoHit.begin(), pianoHit.end());

    const std::vector<Note> strings =
        Comp(chart, bar(4), bar(finalBar), {{{0, 3.9, 34}}, {{0, 3.9, 30}}}, 57, false, tune);

    std::vector<Note> bass = Figure(
        chart, bar(0), bar(finalBar),
        {{0, 0, 0.9, 80}, {2, kFifth, 0.9, 70}, {3, 0, 0.45, 62}, {3.5, kApproach, 0.45, 66}}, 31,
        50, tune);
    bass.push_back({bar(finalBar), kEighth, Pitch("G1"), 86});

    using namespace gm;
    std::vector<Note> drums = Drums(bar(0), bar(finalBar), kEighth,
                                    {{kCowbell, "3.2.3.2."},
                                     {kShortGuiro, "..2...2."},
                                     {kClaves, "..3.3... 3..3..3."},
                                     {kMuteConga, "3...3..."},
                                     {kOpenConga, "......44"},
                                     {kKick, "3...3..."},
                                     {kClosedHat, ".2.2.2.2"}});
    // The band's "cha-cha-cha" into the last chord.
    for (long t :
         {bar(finalBar - 1) + 3 * kQuarter, bar(finalBar - 1) + 7 * kEighth, bar(finalBar)}) {
        drums.push_back({t, kEighth, kOpenConga, 70});
        drums.push_back({t, kEighth, kCowbell, 50});
    }
    drums.push_back({bar(finalBar), kQuarter, kKick, 72});
    drums.push_back({bar(finalBar), 3 * kQuarter, kCrash, 50});

    Song song{"Lucky Lounge Cha-Cha", {}, end};
    song.tracks.push_back(Conductor(song.title, 120, kBeats, 1, false));
    midi::Track tpt = Instrument("Muted trumpet", 0, kMutedTrumpet, {120, 70, 50, 0});
    tpt.Add(trumpet.Notes());
    midi::Track org = Instrument("Organ", 1, kOrgan, {84, 84, 45, 30});
    org.Add(organ.Notes());
    midi::Track pno = Instrument("Piano", 2, kPiano, {92, 46, 40, 0});
    pno.Add(piano);
    midi::Track str = Instrument("Strings", 3, kStrings, {50, 64, 70, 20});
    str.Add(strings);
    midi::Track bas = Instrument("Bass", 4, kFingeredBass, {88, 64, 20, 0});
    bas.Add(bass);
    midi::Track kit = Instrument("Percussion", midi::kDrumChannel, kStandardKit, {88, 64, 35, 0});
    kit.Add(drums);
    for (midi::Track* t : {&tpt, &org, &pno, &str, &bas, &kit}) {
        t->SetHumanize(4, 5);
        song.tracks.push_back(std::move(*t));
    }
    return song;
}

}  // namespace songs
