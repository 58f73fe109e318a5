#include "storage/game_history.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "storage/history_json.h"
#include "test_files.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;
using test_support::Contents;
using test_support::Put;

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// A spin told apart from the others by its time and balance.
SpinRecord Spin(std::int64_t n) {
    SpinRecord record;
    record.time = 1700000000 + n;
    record.bet = 9;
    record.lines = 9;
    record.creditsPerLine = 1;
    for (std::size_t r = 0; r < record.window.size(); ++r) {
        for (std::size_t row = 0; row < record.window[r].size(); ++row)
            record.window[r][row] =
                static_cast<Symbol>((r * 3 + row + static_cast<std::size_t>(n)) % kSymbolCount);
    }
    if (n % 3 == 0)
        record.lineWins = {{2, 3, 10}, {7, 5, 250}};
    record.scatterWin = n % 2 == 0 ? 5 : 0;
    record.ballCount = n % 2 == 0 ? 3 : 1;
    record.creditsAfter = 1000 + n;
    return record;
}

BonusRecord Bonus() {
    BonusRecord bonus;
    bonus.card = 2;
    for (int n = 75; n > 30; --n)
        bonus.calls.push_back(n);
    bonus.patterns = {{1, 20, 36}, {4, 20, 36}, {12, 45, 1200}};
    bonus.payout = 1272;
    return bonus;
}

class GameHistoryTest : public testing::Test {
  protected:
    GameHistoryTest() {
        root_ = fs::temp_directory_path() /
                ("quillane-history-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        dir_ = root_ / "data" / "quillane";
    }
    ~GameHistoryTest() override { fs::remove_all(root_); }

    fs::path root_;
    fs::path dir_;
};

TEST(HistoryJson, ReadsBackWhatItWrites) {
    for (std::int64_t n = 0; n < 6; ++n) {
        SpinRecord record = Spin(n);
        if (n == 4)
            record.bonus = Bonus();
        if (n == 5) {
            record.bonus = Bonus();
            record.bonus->card = -1;
            record.bonus->patterns.clear();
        }
        const std::string line = EncodeSpinRecord(record);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(DecodeSpinRecord(line), record) << line;
    }
}

TEST(HistoryJson, RefusesAnythingOdd) {
    const std::string good = EncodeSpinRecord(Spin(0));
    auto with = [&](std::string_view from, std::string_view to) {
        std::string line = good;
        return line.replace(line.find(from), from.size(), to);
    };
    const std::string bonus = "\"credits\":1000,\"bonus\":";
    const std::string odd[] = {
        "",
        "{}",
        good.substr(0, good.size() - 1),
        good + "}",
        with("\"v\":1", "\"v\":2"),
        with("\"bet\":9", "\"bet\":9,\"bet\":9"),
        with("\"bet\":9", "\"bet\":9,\"colour\":1"),
        with("\"bet\":9", "\"bet\":9.0"),
        with("\"bet\":9", "\"bet\":\"9\""),
        with("\"lines\":9", "\"lines\":4"),
        with("[[0,1,2],", "[[0,1,22],"),
        with("[[0,1,2],", "[[0,1],"),
        with("[[2,3,10],[7,5,250]]", "[[7,5,250],[2,3,10]]"),
        with("\"credits\":1000", "\"credits\":99999999999"),
        with("\"credits\":1000", bonus + "{\"calls\":[1,1],\"patterns\":[],\"payout\":0}"),
        with("\"credits\":1000", bonus + "{\"calls\":[1],\"patterns\":[[0,2,4]],\"payout\":0}"),
        std::string(100000, '['),
    };
    for (const std::string& line : odd)
        EXPECT_FALSE(DecodeSpinRecord(line)) << line.substr(0, 200);
    EXPECT_TRUE(DecodeSpinRecord(with("\"bet\":9", " \"bet\" : 9 "))) << "blanks are allowed";
}

TEST_F(GameHistoryTest, SurvivesARestart) {
    {
        GameHistory history(dir_, "quillane");
        EXPECT_TRUE(history.records().empty());
        for (int n = 1; n <= 3; ++n)
            history.Add(Spin(n));
        history.AttachBonus(Bonus(), 2272);
        EXPECT_FALSE(history.problem()) << *history.problem();
    }
    EXPECT_TRUE(fs::is_regular_file(dir_ / "quillane-history.jsonl"));
    GameHistory again(dir_, "quillane");
    SpinRecord withBonus = Spin(3);
    withBonus.bonus = Bonus();
    withBonus.creditsAfter = 2272;
    EXPECT_EQ(again.records(), (std::vector<SpinRecord>{Spin(1), Spin(2), withBonus}));
    EXPECT_EQ(again.Balances(), (std::vector<std::int64_t>{1001, 1002, 2272}));
    EXPECT_FALSE(again.problem());
}

TEST_F(GameHistoryTest, SkipsACorruptLineAndKeepsTheRest) {
    fs::create_directories(dir_);
    const std::string a = EncodeSpinRecord(Spin(1));
    const std::string b = EncodeSpinRecord(Spin(2));
    const std::string c = EncodeSpinRecord(Spin(3));
    Put(dir_ / "quillane-history.jsonl", a + "\n" + "garbage\n" + std::string("\0\xff\n", 3) +
                                             b.substr(0, 40) + "\n" + b + "\r\n\n" +
                                             c.substr(0, c.size() - 3));
    GameHistory history(dir_, "quillane");
    EXPECT_EQ(history.records(), (std::vector<SpinRecord>{Spin(1), Spin(2)}));
    EXPECT_EQ(history.skippedLines(), 4u);
    EXPECT_FALSE(history.problem());
    history.Add(Spin(4));
    EXPECT_EQ(Contents(dir_ / "quillane-history.jsonl"),
              a + "\n" + b + "\n" + EncodeSpinRecord(Spin(4)) + "\n");
}

TEST_F(GameHistoryTest, KeepsTheLastHundredSpins) {
    GameHistory history(dir_, "quillane");
    for (int n = 1; n <= 130; ++n)
        history.Add(Spin(n));
    ASSERT_EQ(history.records().size(), GameHistory::kMaxRecords);
    EXPECT_EQ(history.records().front(), Spin(31));
    EXPECT_EQ(history.records().back(), Spin(130));
    EXPECT_EQ(LineCount(Contents(history.LiveFile())), 100u);
    EXPECT_EQ(GameHistory(dir_, "quillane").records(), history.records());

    // A huge file is read only so far, and what was cut off is skipped.
    std::string text;
    for (int n = 1; n <= 3; ++n)
        text += EncodeSpinRecord(Spin(n)) + "\n";
    Put(history.LiveFile(), std::string(2 * GameHistory::kMaxFileBytes, '\n') + text);
    EXPECT_TRUE(GameHistory(dir_, "quillane").records().empty());
}

TEST_F(GameHistoryTest, EachSlotKeepsItsOwnHistory) {
    GameHistory history(dir_, "quillane");
    history.Add(Spin(1));
    history.Add(Spin(2));
    history.SaveTo(2);  // slot 3
    history.NewGame();
    EXPECT_TRUE(GameHistory(dir_, "quillane").records().empty());
    history.Add(Spin(3));
    history.SaveTo(5);
    history.Add(Spin(4));  // after the save: not in slot 6

    history.OpenFrom(2);
    EXPECT_EQ(history.records(), (std::vector<SpinRecord>{Spin(1), Spin(2)}));
    EXPECT_EQ(GameHistory(dir_, "quillane").records(), history.records()) << "the live file too";
    history.AttachBonus(Bonus(), 9999);
    EXPECT_FALSE(history.records().back().bonus) << "a bonus belongs to the spin just played";
    history.Add(Spin(5));
    history.OpenFrom(5);
    EXPECT_EQ(history.records(), std::vector<SpinRecord>{Spin(3)});
    history.OpenFrom(2);
    EXPECT_EQ(history.records(), (std::vector<SpinRecord>{Spin(1), Spin(2)}))
        << "play after an open is not saved in the slot";
    history.OpenFrom(7);
    EXPECT_TRUE(history.records().empty()) << "a slot never saved to has no history";
    EXPECT_FALSE(history.problem());
}

TEST_F(GameHistoryTest, WithoutAPlaceToKeepItTheGameGoesOn) {
    GameHistory nowhere({}, "quillane");
    nowhere.Add(Spin(1));
    nowhere.SaveTo(0);
    EXPECT_EQ(nowhere.records(), std::vector<SpinRecord>{Spin(1)});
    ASSERT_TRUE(nowhere.problem());

    // A file where the directory should be.
    fs::create_directories(root_);
    Put(root_ / "data", "not a directory");
    GameHistory blocked(dir_, "quillane");
    EXPECT_FALSE(blocked.problem());
    blocked.Add(Spin(1));
    blocked.Add(Spin(2));
    EXPECT_EQ(blocked.records().size(), 2u);
    EXPECT_TRUE(blocked.problem());
    EXPECT_EQ(Contents(root_ / "data"), "not a directory");

    // A directory where the file should be.
    fs::remove(root_ / "data");
    fs::create_directories(dir_ / "quillane-history.jsonl");
    GameHistory unreadable(dir_, "quillane");
    EXPECT_TRUE(unreadable.problem());
    unreadable.Add(Spin(1));
    EXPECT_TRUE(fs::is_directory(dir_ / "quillane-history.jsonl"));
}

}  // namespace
}  // namespace quillane
