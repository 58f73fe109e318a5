// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/options_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/game_file.h"
#include "test_files.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;

class OptionsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quillane-options-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / "quillane.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Put(const std::string& text) { test_support::Put(file_, text); }
    std::string Text() const { return test_support::Contents(file_); }

    fs::path dir_;
    fs::path file_;
};

TEST_F(OptionsFile, KeepsEveryOptionBesideTheGamesWithoutTouchingThem) {
    const std::string games =
        "[CurrentGame]\r\nCredits=555\r\nBorrowed=1000\r\n\r\n[Game3]\r\nName=x\r\n";
    Put(games);
    PlayerOptions options;
    options.quickPlay = true;
    options.music = false;
    options.effectsVolume = 35;
    options.autoplay = {50,  false,       2000, std::nullopt, BonusCardChoice::LastCard,
                        300, std::nullopt};
    WriteOptions(file_, options);
    EXPECT_EQ(ReadOptions(file_), options);
    EXPECT_EQ(Text().substr(0, games.size()), games);
    EXPECT_EQ(GameFile(file_).Read(8).account.credits, 555);

    options.autoplay.stopOnWinAtLeast.reset();
    WriteOptions(file_, options);
    EXPECT_EQ(ReadOptions(file_), options) << "a limit switched off stays off";
}

TEST(OptionsText, EveryOptionAwayFromItsDefaultReadsBackAsWritten) {
    const PlayerOptions options{true,
                                false,
                                false,
                                35,
                                0,
                                {25, false, 2000, 0, BonusCardChoice::Random, 150, 400},
                                true,
                                true,
                                true,
                                "pt_BR",
                                4,
                                30,
                                ReminderStyle::Window,
                                true,
                                5,
                                10,
                                true};
    EXPECT_EQ(ParseOptions(WithOptions("", options)), options);
    PlayerOptions lastCard = options;
    lastCard.autoplay.bonusCard = BonusCardChoice::LastCard;
    EXPECT_EQ(ParseOptions(WithOptions("", lastCard)), lastCard);
}

TEST_F(OptionsFile, OddValuesKeepTheirDefaults) {
    EXPECT_EQ(ReadOptions(dir_ / "missing.ini"), PlayerOptions{});
    EXPECT_EQ(ReadOptions(dir_), PlayerOptions{}) << "a directory";
    Put("[Options]\nQuickPlay=yes\nSound=0\nEffectsVolume=101\nMusicVolume=-1\nAutoplaySpins=7\n"
        "AutoplayStopOnWin=12x\nAutoplayStopBelow=99999999999\nLanguage=../de\n"
        "AutoplayBonusCard=any\nAutoplayLastCard=5\nAutoplayStopLoss=0\nAutoplayStopWin=-3\n"
        "ReminderMinutes=20\nReminderStyle=Modal\nRememberBet=on\nBetLines=4\nBetCredits=4\n");
    PlayerOptions expected;
    expected.sound = false;
    EXPECT_EQ(ReadOptions(file_), expected);
}

}  // namespace
}  // namespace quillane
