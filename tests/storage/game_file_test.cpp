// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/game_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>

#include "storage/profile.h"
#include "test_files.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;
using test_support::Contents;
using test_support::Put;
using test_support::ScopedEnv;

std::size_t Count(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class GameFileTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillane-game-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        path_ = dir_ / "quillane" / "quillane.ini";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    GameFile File() const {
        return GameFile(path_, [this] { return today_; });
    }

    fs::path dir_;
    fs::path path_;
    std::string today_ = "12/06/26";
};

const SavedGame kNewGameInSlot3{"GameNo4", "12/06/26", {1000, 1000, 0, 0, 0}};

TEST_F(GameFileTest, AMissingOrEmptyFileReadsAsANewGame) {
    EXPECT_EQ(File().Read(3), kNewGameInSlot3);
    EXPECT_FALSE(fs::exists(path_));
    fs::create_directories(path_.parent_path());
    Put(path_, "");
    EXPECT_EQ(File().Read(3), kNewGameInSlot3);
    EXPECT_EQ(File().Read(8).name, "CurrentGame");
}

TEST_F(GameFileTest, GarbageReadsAsANewGame) {
    fs::create_directories(path_.parent_path());
    Put(path_, std::string("\0\xFF[GameNo4\x01\n=\r\r\n[GameNo4]\nCredits\n[", 36));
    EXPECT_EQ(File().Read(3), kNewGameInSlot3);
    fs::remove(path_);
    fs::create_directory(path_);
    EXPECT_EQ(File().Read(3), kNewGameInSlot3);
}

TEST_F(GameFileTest, WriteStoresTheSectionKeysInOrder) {
    File().Write(8, "CurrentGame", {1000, 1000, 0, 0, 0});
    EXPECT_EQ(Contents(path_),
              "[CurrentGame]\nGameName=CurrentGame\nGameDate=12/06/26\nCredits=1000\n"
              "Borrowed=1000\nSpins=0\nTotalBets=0\nBonus=0\n");
}

TEST_F(GameFileTest, ReadsBackWhatWasWritten) {
    const Account account{-40, 3000, 1234, 98765, 2147483647};
    File().Write(2, "Friday night", account);
    EXPECT_EQ(File().Read(2), (SavedGame{"Friday night", "12/06/26", account}));
    EXPECT_EQ(File().Read(3), kNewGameInSlot3);
}

TEST_F(GameFileTest, SectionsFollowInTheOrderFirstWritten) {
    File().Write(8, "CurrentGame", {});
    File().Write(0, "First", {});
    File().Write(8, "CurrentGame", {5, 5, 5, 5, 5});
    const std::string text = Contents(path_);
    EXPECT_LT(text.find("[CurrentGame]"), text.find("[GameNo1]"));
    EXPECT_EQ(File().Read(0).name, "First");
}

TEST_F(GameFileTest, WritingTheCurrentGameTwiceLeavesOneSectionWithTheSecondValues) {
    File().Write(8, "CurrentGame", {1, 2, 3, 4, 5});
    today_ = "12/07/26";
    File().Write(8, "CurrentGame", {10, 20, 30, 40, 50});
    EXPECT_EQ(Count(Contents(path_), "[CurrentGame]"), 1u);
    EXPECT_EQ(Count(Contents(path_), "Credits="), 1u);
    EXPECT_EQ(File().Read(8), (SavedGame{"CurrentGame", "12/07/26", {10, 20, 30, 40, 50}}));
}

TEST_F(GameFileTest, TheDateIsTheDayOfTheWrite) {
    File().Write(5, "Old", {});
    today_ = "01/15/27";
    EXPECT_EQ(File().Read(5).date, "12/06/26");
    EXPECT_EQ(File().Read(4).date, "01/15/27");
}

TEST_F(GameFileTest, ALongNameIsStoredWholeAndReadBackAs30Characters) {
    const std::string name = "A name that is forty characters long....";
    ASSERT_EQ(name.size(), 40u);
    File().Write(0, name, {});
    EXPECT_NE(Contents(path_).find("GameName=" + name + "\n"), std::string::npos);
    EXPECT_EQ(File().Read(0).name, name.substr(0, 30));
}

TEST_F(GameFileTest, AnEmptyNameReadsBackEmpty) {
    File().Write(1, "", {});
    EXPECT_NE(Contents(path_).find("\nGameName=\n"), std::string::npos);
    EXPECT_EQ(File().Read(1).name, "");
}

TEST_F(GameFileTest, HandEditedNumbersReadAsTheyCanOrAsDefaults) {
    fs::create_directories(path_.parent_path());
    Put(path_,
        "[GameNo1]\r\nCredits=abc\r\nBorrowed=0x10\r\nSpins=\r\nTotalBets=-25\r\n"
        "Bonus=$1F\r\n");
    EXPECT_EQ(File().Read(0).account, (Account{1000, 16, 0, -25, 31}));
}

TEST_F(GameFileTest, ARefusedStoreLeavesTheWholeOldRecord) {
    File().Write(8, "CurrentGame", {1, 2, 3, 4, 5});
    const std::string before = Contents(path_);
    today_ = "a date\nthat breaks the line";
    EXPECT_THROW(File().Write(8, "Renamed", {10, 20, 30, 40, 50}), profile::WriteError);
    EXPECT_EQ(Contents(path_), before);
}

// A whole-record write gives the bytes the seven single-key stores gave, whatever the file's
// spelling, comments or line breaks.
TEST_F(GameFileTest, WriteGivesTheBytesOfKeyByKeyStores) {
    std::string reference =
        "\xEF\xBB\xBF; my games\r\n[currentgame]\r\n  credits = 5\r\n; note\r\nSPINS=\"7\"\r\n"
        "\r\n[GAMENO3]\r\ngamename=old\r\n[Other]\r\nx=1";
    fs::create_directories(path_.parent_path());
    Put(path_, reference);
    const std::pair<int, SavedGame> saves[] = {
        {8, {"CurrentGame", "12/06/26", {70, 1000, 8, 99, 0}}},
        {2, {" padded name ", "12/07/26", {-5, 3000, 1, 2, 3}}},
        {0, {"First", "01/01/27", {}}},
        {8, {"CurrentGame", "01/02/27", {1, 2, 3, 4, 5}}},
    };
    for (const auto& [slot, game] : saves) {
        today_ = game.date;
        File().Write(slot, game.name, game.account);
        for (const GameEntry& entry : GameEntries(game.name, game.date, game.account)) {
            reference = profile::SetValue(reference, SlotSection(slot), entry.key, entry.value);
        }
        ASSERT_EQ(Contents(path_), reference) << "slot " << slot;
        EXPECT_EQ(File().Read(slot), game);
    }
}

TEST_F(GameFileTest, ARefusedFirstStoreWritesNothing) {
    fs::create_directories(dir_);
    Put(dir_ / "quillane", "not a directory");
    EXPECT_THROW(File().Write(8, "CurrentGame", {}), profile::WriteError);
    EXPECT_EQ(Contents(dir_ / "quillane"), "not a directory");
}

TEST_F(GameFileTest, ProblemTellsWhyTheFileIsNotReadAndItIsNeverOverwritten) {
    EXPECT_EQ(File().Problem(), std::nullopt);
    File().Write(8, "CurrentGame", {});
    EXPECT_EQ(File().Problem(), std::nullopt);

    fs::resize_file(path_, profile::kMaxFileSize + 1);
    EXPECT_EQ(File().Problem(),
              "The game file " + path_.string() + " is larger than 16 MiB and was not read.");
    EXPECT_EQ(File().Read(8).account, Account{});
    try {
        File().Write(8, "CurrentGame", {5, 5, 5, 5, 5});
        ADD_FAILURE() << "a file too large to read was overwritten";
    } catch (const profile::WriteError& error) {
        EXPECT_EQ(error.code(), std::errc::file_too_large);
    }
    EXPECT_EQ(fs::file_size(path_), profile::kMaxFileSize + 1);

    fs::remove(path_);
    fs::create_directory(path_);
    EXPECT_EQ(File().Problem(),
              "The game file " + path_.string() + " is not a regular file and was not read.");
    fs::remove(path_);
    fs::create_symlink(path_.filename(), path_);
    EXPECT_EQ(File().Problem(), "The game file " + path_.string() +
                                    " cannot be read: Too many levels of symbolic links.");
}

TEST_F(GameFileTest, SlotsOutsideTheNineAreRejected) {
    EXPECT_THROW(File().Read(9), std::out_of_range);
    EXPECT_THROW(File().Write(-1, "x", {}), std::out_of_range);
    EXPECT_FALSE(fs::exists(path_));
}

TEST(DateSeparatorFromFormat, TakesTheFirstSeparatorOutsideConversions) {
    EXPECT_EQ(DateSeparatorFromFormat("%m/%d/%y"), '/');
    EXPECT_EQ(DateSeparatorFromFormat("%d.%m.%Y"), '.');
    EXPECT_EQ(DateSeparatorFromFormat("%Y-%m-%d"), '-');
    EXPECT_EQ(DateSeparatorFromFormat("%e/%m/%Y"), '/');
    EXPECT_EQ(DateSeparatorFromFormat("%-d.%-m.%Y"), '.');
    EXPECT_EQ(DateSeparatorFromFormat("%Od/%Om/%Ey"), '/');
    EXPECT_EQ(DateSeparatorFromFormat("%F"), '-');
    EXPECT_EQ(DateSeparatorFromFormat("%D"), '/');
}

TEST(DateSeparatorFromFormat, FallsBackToASlash) {
    EXPECT_EQ(DateSeparatorFromFormat(""), '/');
    EXPECT_EQ(DateSeparatorFromFormat("%d %B %Y"), '/');
    EXPECT_EQ(DateSeparatorFromFormat("%Y\xE5\xB9\xB4%m\xE6\x9C\x88%d\xE6\x97\xA5"), '/');
    EXPECT_EQ(DateSeparatorFromFormat("%"), '/');
}

// Sets an environment variable for one test and puts the old value back.
std::string StrftimeToday() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%m/%d/%y", std::localtime(&now));
    return text;
}

TEST(LocalDateText, IsTodayInTheLocaleFormat) {
    const ScopedEnv locale("LC_ALL", "C");
    EXPECT_EQ(LocaleDateSeparator(), '/');
    const std::string before = StrftimeToday();
    const std::string date = LocalDateText();
    const std::string after = StrftimeToday();
    EXPECT_TRUE(date == before || date == after) << date;
}

TEST(LocalDateText, UnknownLocalesFallBackToASlash) {
    const ScopedEnv locale("LC_ALL", "xx_NOWHERE.UTF-8");
    EXPECT_EQ(LocaleDateSeparator(), '/');
}

TEST_F(GameFileTest, TheDefaultDateSourceIsToday) {
    const ScopedEnv locale("LC_ALL", "C");
    const std::string before = StrftimeToday();
    const std::string date = GameFile(path_).Read(0).date;
    const std::string after = StrftimeToday();
    EXPECT_TRUE(date == before || date == after) << date;
}

}  // namespace
}  // namespace quillane
