// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cabinet_fixture.h"

namespace quillane::testing {
namespace {

using Music = CabinetFixture;

TEST_F(Music, PlaysTheTracksPresentInTurn) {
    for (const char* name : {"Bingo0.mid", "Bingo3.mid", "Bingo7.mid"})
        Put(name);
    CabinetWindow& cabinet = Start();
    PassStartup();
    clock.Advance(100);
    for (int i = 0; i < 5; ++i) {
        music.EndTrack();
        clock.Advance(100);
    }
    EXPECT_EQ(music.started, (std::vector<std::string>{"Bingo0.mid", "Bingo3.mid", "Bingo7.mid",
                                                       "Bingo0.mid", "Bingo3.mid", "Bingo7.mid"}));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(cabinet.audio().trackIndex(), 7);
}

TEST_F(Music, SlotNineTakesNoPartInTheRotation) {
    Put("Bingo2.mid");
    Put("Bingo9.mid");
    Start();
    PassStartup();
    clock.Advance(100);
    for (int i = 0; i < 3; ++i) {
        music.EndTrack();
        clock.Advance(100);
    }
    EXPECT_EQ(music.started, (std::vector<std::string>(4, "Bingo2.mid")));
}

TEST_F(Music, OnlySlotNinePicksNothingAndSaysSoOnce) {
    Put("Bingo9.mid");
    Start();
    PassStartup();
    clock.Advance(1000);
    EXPECT_TRUE(music.started.empty() || music.started == std::vector<std::string>{"Bingo9.mid"});
    EXPECT_LE(messages.errors.size(), 1u);
}

TEST_F(Music, WithoutAnyTrackTheOpenErrorShowsOnce) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    clock.Advance(2000);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(cabinet.audio().trackIndex(), 9);
}

TEST_F(Music, SwitchedOffAndOnTheSameTrackStartsAgain) {
    Put("Bingo1.mid");
    Put("Bingo5.mid");
    CabinetWindow& cabinet = Start();
    PassStartup();
    clock.Advance(100);
    ASSERT_EQ(music.started, std::vector<std::string>{"Bingo1.mid"});
    cabinet.action("music")->trigger();
    EXPECT_FALSE(cabinet.action("music")->isChecked());
    EXPECT_TRUE(music.playing.empty());
    clock.Advance(1000);
    cabinet.action("music")->trigger();
    EXPECT_TRUE(cabinet.action("music")->isChecked());
    EXPECT_EQ(music.started, (std::vector<std::string>{"Bingo1.mid", "Bingo1.mid"}));
}

TEST_F(Music, AnEndedTrackWaitsForTheTimerToStartTheNext) {
    Put("Bingo1.mid");
    Put("Bingo5.mid");
    CabinetWindow& cabinet = Start();
    PassStartup();
    clock.Advance(100);
    music.EndTrack();
    EXPECT_EQ(cabinet.audio().trackIndex(), 5);
    EXPECT_TRUE(cabinet.audio().trackPending()) << "chosen, not yet started";
    EXPECT_TRUE(music.playing.empty());
    cabinet.audio().StartPendingTrack();
    EXPECT_EQ(music.playing, "Bingo5.mid");
}

using Effects = CabinetFixture;

TEST_F(Effects, SoundOffSilencesAllButTheWinSound) {
    CabinetWindow& cabinet = Start();
    PassStartup();
    EXPECT_EQ(sound.played, std::vector<std::string>{"Bingo7.wav"}) << "the start sound";
    sound.played.clear();
    cabinet.action("sound")->trigger();
    EXPECT_FALSE(cabinet.action("sound")->isChecked());
    cabinet.audio().Play(Sound::ReelStop);
    cabinet.audio().Play(Sound::Count);
    cabinet.audio().Play(Sound::Start);
    cabinet.audio().Play(Sound::Bonus);
    cabinet.audio().PlayWin();
    EXPECT_EQ(sound.played, std::vector<std::string>{"BingoWin.wav"});
    cabinet.action("sound")->trigger();
    cabinet.audio().Play(Sound::ReelStop);
    cabinet.audio().Play(Sound::Count);
    cabinet.audio().Play(Sound::Bonus);
    EXPECT_EQ(sound.played,
              (std::vector<std::string>{"BingoWin.wav", "ReelStop", "Count", "Bingo5.wav"}));
}

}  // namespace
}  // namespace quillane::testing
