// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "songs.h"

namespace songs {

// "Jackpot Strut": light, unhurried funk in D Dorian; soprano sax on the tune, electric piano and a
// muted guitar in the pocket, a brass section that only speaks in the middle eight.
Song LightFunk() {
    constexpr int kBeats = 4;
    constexpr long kBar = kBeats * kQuarter;
    auto bar = [](int n) { return n * kBar; };

    Chart chart(kBar, kBeats);
    const std::string vamp = "Dm9 | G13 | Dm9 | G13 |";
    const std::string a = vamp + "Dm9 | G13 | Bbmaj7 | A7#9 |";
    chart.Append(vamp);                                                      // 0: intro
    chart.Append(a);                                                         // 4
    chart.Append(a);                                                         // 12
    chart.Append("Gm9 | C9 | Fmaj9 | Bbmaj7 | Gm9 | C9 | Bbmaj7 | A7#9 |");  // 20
    chart.Append(a);                                                         // 28
    chart.Append(vamp);                                                      // 36: tag
    chart.Append("Dm9 |");                                                   // 40: the last hit
    const int finalBar = 40;
    const long end = bar(finalBar + 1) + kQuarter;

    const std::string riff =
        "r e A4 s C5 s D5 e F5 e' r e F5 s G5 s A5 e C6 e' | B5 q' A5 e G5 e _q r q |"
        "r e A4 s C5 s D5 e F5 e' r e F5 s G5 s A5 e D6 e' | E6 q' D6 e B5 e _q r q |";
    const std::string answer =
        "F5 e. E5 s D5 e C5 e' r e A4 e C5 e D5 e | E5 q. D5 e B4 q r q |"
        "r e D5 s F5 s A5 e C6 e _q r q |";
    const std::string endA1 = "C6 e' C#6 e' E6 q G5 q r q |";
    const std::string endA2 = "E6 e D6 e C#6 e A5 e' r h |";
    const std::string middle =
        "Bb5 h. A5 e' F5 e | G5 h E5 q D5 q | A5 h. G5 e' E5 e | F5 h. r e D5 e |"
        "F5 e G5 e Bb5 e D6 e _q C6 e Bb5 e | Bb5 q. A5 e G5 q E5 q |"
        "F5 e G5 e A5 e C6 e _q D6 q | C#6 q. C6 e A5 q r q |";

    Line sax(kBar, 74);
    sax.Write(bar(4),
              riff + answer + endA1 + riff + answer + endA2 + middle + riff + answer + endA1);
    sax.SetVelocity(64);
    sax.Write(bar(36), riff);
    sax.SetVelocity(80);
    sax.Write(bar(finalBar), "D6 q' r q r h");

    const std::vector<std::vector<Hit>> pianoCells = {
        {{0, 0.4, 56}, {0.75, 0.7, 50}, {2.5, 0.4, 50}, {3.25, 0.7, 48}},
        {{0, 1.5, 54}, {2.75, 1.0, 50}},
    };
    std::vector<Note> piano =
        Comp(chart, bar(0), bar(finalBar), pianoCells, 52, false, sax.Notes());
    const std::vector<Note> pianoHit =
        Comp(chart, bar(finalBar), bar(finalBar + 1), {{{0, 0.6, 66}}}, 52, false, sax.Notes());
    piano.insert(piano.end(), pianoHit.begin(), pianoHit.end());

    const std::vector<Note> guitar = Comp(chart, bar(4), bar(finalBar),
                                          {{{0.5, 0.2, 42},
                                            {1.0, 0.25, 54},
                                            {1.75, 0.2, 40},
                                            {2.5, 0.2, 44},
                                            {3.0, 0.25, 54},
                                            {3.75, 0.2, 40}}},
                                          62, false, sax.Notes());

    std::vector<Note> brass =
        Comp(chart, bar(20), bar(28), {{{0, 0.35, 62}, {1.5, 0.4, 56}}, {{3.5, 0.6, 60}}}, 58,
             false, sax.Notes());
    const std::vector<Note> brassHit =
        Comp(chart, bar(finalBar), bar(finalBar + 1), {{{0, 0.5, 70}}}, 58, false, sax.Notes());
    brass.insert(brass.end(), brassHit.begin(), brassHit.end());

    std::vector<Note> bass = Figure(chart, bar(0), bar(finalBar),
                                    {{0, 0, 0.45, 90},
                                     {0.75, 12, 0.2, 64},
                                     {1.0, 0, 0.2, 58},
                                     {1.5, kSeventh, 0.45, 74},
                                     {2.0, kFifth, 0.45, 78},
                                     {2.75, 0, 0.2, 60},
                                     {3.0, 12, 0.2, 78},
                                     {3.5, kSeventh, 0.2, 68},
                                     {3.75, kApproach, 0.2, 70}},
                                    33, 52, sax.Notes());
    bass.push_back({bar(finalBar), kEighth, Pitch("D2"), 92});

    using namespace gm;
    std::vector<Note> drums = Drums(bar(0), bar(finalBar), kSixteenth,
                                    {{kKick, "5..3..4. ..5..3.."},
                                     {kSnare, "..1.6..1 .1..6..2"},
                                     {kClosedHat, "4242424242424242"},
                                     {kOpenHat, "................ ..............3."}});
    drums.push_back({bar(finalBar), kQuarter, kKick, 80});
    drums.push_back({bar(finalBar), 4 * kQuarter, kCrash, 60});

    Song song{"Jackpot Strut", {}, end};
    song.tracks.push_back(Conductor(song.title, 100, kBeats, -1, true));
    midi::Track lead = Instrument("Soprano sax", 0, kSopranoSax, {92, 70, 45, 0});
    lead.Add(sax.Notes());
    lead.SetHumanize(5, 5);
    midi::Track ep = Instrument("Electric piano", 1, kElectricPiano, {84, 48, 40, 50});
    ep.Add(piano);
    ep.SetHumanize(5, 5);
    midi::Track gtr = Instrument("Muted guitar", 2, kMutedGuitar, {88, 90, 30, 20});
    gtr.Add(guitar);
    gtr.SetHumanize(3, 5);
    midi::Track horns = Instrument("Brass", 3, kBrass, {84, 60, 50, 0});
    horns.Add(brass);
    midi::Track bas = Instrument("Bass", 4, kFingeredBass, {90, 64, 15, 0});
    bas.Add(bass);
    bas.SetHumanize(3, 5);
    midi::Track kit = Instrument("Drums", midi::kDrumChannel, kStandardKit, {90, 64, 30, 0});
    kit.Add(drums);
    kit.SetHumanize(3, 6);
    for (midi::Track* t : {&lead, &ep, &gtr, &horns, &bas, &kit}) {
        song.tracks.push_back(std::move(*t));
    }
    return song;
}

}  // namespace songs
