#include "cabinet_fixture.h"

namespace quillane::testing {
namespace {

using Music = CabinetFixture;

TEST_F(Music, PlaysTheTracksPresentInTurn) {
    for (const char* name : {"Bingo0.mid", "Bingo3.mid", "Bingo7.mid"})
        Put(name);
    CabinetWindow& form = Start();
    PassStartup();
    clock.Advance(100);
    for (int i = 0; i < 5; ++i) {
        music.EndTrack();
        clock.Advance(100);
    }
    EXPECT_EQ(music.started, (std::vector<std::string>{"Bingo0.mid", "Bingo3.mid", "Bingo7.mid",
                                                       "Bingo0.mid", "Bingo3.mid", "Bingo7.mid"}));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(form.audio().trackIndex(), 7);
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
    CabinetWindow& form = Start();
    PassStartup();
    clock.Advance(2000);
    EXPECT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(form.audio().trackIndex(), 9);
}

TEST_F(Music, SwitchedOffAndOnTheSameTrackStartsAgain) {
    Put("Bingo1.mid");
    Put("Bingo5.mid");
    CabinetWindow& form = Start();
    PassStartup();
    clock.Advance(100);
    ASSERT_EQ(music.started, std::vector<std::string>{"Bingo1.mid"});
    form.action("music")->trigger();
    EXPECT_FALSE(form.action("music")->isChecked());
    EXPECT_TRUE(music.playing.empty());
    clock.Advance(1000);
    form.action("music")->trigger();
    EXPECT_TRUE(form.action("music")->isChecked());
    EXPECT_EQ(music.started, (std::vector<std::string>{"Bingo1.mid", "Bingo1.mid"}));
}

TEST_F(Music, AnEndedTrackWaitsForTheTimerToStartTheNext) {
    Put("Bingo1.mid");
    Put("Bingo5.mid");
    CabinetWindow& form = Start();
    PassStartup();
    clock.Advance(100);
    music.EndTrack();
    EXPECT_EQ(form.audio().trackIndex(), 5);
    EXPECT_TRUE(form.audio().trackPending()) << "chosen, not yet started";
    EXPECT_TRUE(music.playing.empty());
    form.audio().StartPendingTrack();
    EXPECT_EQ(music.playing, "Bingo5.mid");
}

using Effects = CabinetFixture;

TEST_F(Effects, SoundOffSilencesAllButTheWinSound) {
    CabinetWindow& form = Start();
    PassStartup();
    EXPECT_EQ(sound.played, std::vector<std::string>{"Bingo7.wav"}) << "the start sound";
    sound.played.clear();
    form.action("sound")->trigger();
    EXPECT_FALSE(form.action("sound")->isChecked());
    form.audio().Play(Sound::ReelStop);
    form.audio().Play(Sound::Count);
    form.audio().Play(Sound::Start);
    form.audio().Play(Sound::Bonus);
    form.audio().PlayWin();
    EXPECT_EQ(sound.played, std::vector<std::string>{"BingoWin.wav"});
    form.action("sound")->trigger();
    form.audio().Play(Sound::ReelStop);
    form.audio().Play(Sound::Count);
    form.audio().Play(Sound::Bonus);
    EXPECT_EQ(sound.played,
              (std::vector<std::string>{"BingoWin.wav", "ReelStop", "Count", "Bingo5.wav"}));
}

}  // namespace
}  // namespace quillane::testing
