// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/game_ledger.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/profile.h"
#include "test_files.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;
using test_support::Contents;
using test_support::Put;

SpinRecord Spin(std::int64_t credits, int balls = 1) {
    SpinRecord record;
    record.bet = 9;
    record.lines = 9;
    record.creditsPerLine = 1;
    record.ballCount = balls;
    record.creditsAfter = credits;
    return record;
}

HistoryChange Added(std::int64_t credits, int balls = 1) {
    HistoryChange change;
    change.kind = HistoryChange::Kind::AddSpin;
    change.spin = Spin(credits, balls);
    return change;
}

class GameLedgerTest : public testing::Test {
  protected:
    GameLedgerTest() {
        root_ = fs::temp_directory_path() /
                ("quillane-ledger-" + std::to_string(::getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~GameLedgerTest() override { fs::remove_all(root_); }

    fs::path GameFile() const { return root_ / "config" / "quillane" / "quillane.ini"; }
    fs::path DataDir() const { return root_ / "data" / "quillane"; }

    // The game as a new run of the program finds it.
    std::unique_ptr<GameLedger> Restart() {
        auto ledger = std::make_unique<GameLedger>(
            GameLedger::Files{GameFile(), DataDir(), "quillane", {}}, StorageWriter::Mode::Inline,
            [] { return std::string("12/07/26"); });
        problems.clear();
        for (const Notice& problem : ledger->Load())
            problems.push_back(problem.English());
        return ledger;
    }

    Account StoredAccount() const {
        return quillane::GameFile(GameFile()).Read(kCurrentGameSlot).account;
    }
    std::optional<HistoryHeader> StoredHeader(const GameLedger& ledger) const {
        std::optional<Notice> problem;
        return ReadHistoryFile(ledger.HistoryFile(kCurrentGameSlot), problem).header;
    }

    fs::path root_;
    std::vector<std::string> problems;
};

TEST_F(GameLedgerTest, KeepsTheGamesAndTheirHistoriesAcrossARestart) {
    {
        auto ledger = Restart();
        EXPECT_TRUE(problems.empty());
        EXPECT_FALSE(fs::exists(GameFile())) << "nothing is written before the game changes";
        ledger->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
        ledger->Commit({{1100, 1000, 2, 18, 0}, PendingBonus{9, 1, 77, 2}}, Added(1100, 3));
        ledger->File(2, "Friday", {1100, 1000, 2, 18, 0});
        HistoryChange newGame;
        newGame.kind = HistoryChange::Kind::NewGame;
        ledger->Commit({}, newGame);
        ledger->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
        EXPECT_EQ(ledger->writer().Flush(), std::nullopt);
    }
    auto ledger = Restart();
    EXPECT_EQ(ledger->Current(), (SettledGame{{991, 1000, 1, 9, 0}, std::nullopt}));
    EXPECT_EQ(ledger->history().records().size(), 1u);
    EXPECT_EQ(ledger->Slot(2).name, "Friday");
    EXPECT_EQ(ledger->Slot(2).account, (Account{1100, 1000, 2, 18, 0}));
    EXPECT_EQ(StoredAccount(), ledger->Current().account);
    EXPECT_EQ(StoredHeader(*ledger)->game.account, ledger->Current().account);

    HistoryChange open;
    open.kind = HistoryChange::Kind::FromSlot;
    open.slot = 2;
    ledger->Commit({ledger->Slot(2).account, std::nullopt}, open);
    EXPECT_EQ(ledger->history().Balances(), (std::vector<std::int64_t>{991, 1100}));
    ledger.reset();
    EXPECT_EQ(Restart()->history().Balances(), (std::vector<std::int64_t>{991, 1100}));
}

// A kill between the two writes of a commit leaves the history ahead of the game file: here the
// game file is read-only for one commit. The next start completes it from the history.
TEST_F(GameLedgerTest, AGameFileLeftBehindItsHistoryIsCompletedAtTheNextStart) {
    Restart()->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
    fs::permissions(GameFile(), fs::perms::owner_read);
    {
        auto ledger = Restart();
        ledger->Commit({{1045, 1000, 2, 18, 0}, PendingBonus{9, 1, 5, std::nullopt}},
                       Added(1045, 3));
        EXPECT_TRUE(ledger->writer().Flush().has_value()) << "the game file refused it";
    }
    EXPECT_EQ(StoredAccount().spins, 1) << "as a kill would have left it";
    fs::permissions(GameFile(), fs::perms::owner_read | fs::perms::owner_write);
    auto ledger = Restart();
    EXPECT_EQ(ledger->Current(),
              (SettledGame{{1045, 1000, 2, 18, 0}, PendingBonus{9, 1, 5, std::nullopt}}));
    EXPECT_EQ(ledger->history().records().size(), 2u);
    EXPECT_EQ(StoredAccount(), ledger->Current().account) << "written at once";
    EXPECT_NE(Contents(GameFile()).find("[BonusGame]\nLines=9\nCreditsPerLine=1\nSeed=5\n"),
              std::string::npos)
        << Contents(GameFile());

    // A game file edited by hand, without its serial, stands: the history is the older one.
    Put(GameFile(), "[CurrentGame]\nCredits=5\n");
    EXPECT_EQ(Restart()->Current().account.credits, 5);
}

TEST_F(GameLedgerTest, WithoutItsGameFileAGameStartsAnewAndItsHistoriesStayBehind) {
    {
        auto ledger = Restart();
        ledger->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
        ledger->File(4, "Old", {991, 1000, 1, 9, 0});
    }
    fs::remove(GameFile());
    for (int start = 0; start < 2; ++start) {
        auto ledger = Restart();
        EXPECT_EQ(ledger->Current(), SettledGame{});
        EXPECT_TRUE(ledger->history().records().empty());
        EXPECT_EQ(ledger->Slot(4).account, Account{}) << "start " << start;
        EXPECT_EQ(ledger->Slot(4).name, "GameNo5");
    }
}

TEST_F(GameLedgerTest, ValuesThatCannotBeReadAreKeptAsideOnceBeforeTheFileIsWritten) {
    fs::create_directories(GameFile().parent_path());
    const std::string unreadable =
        "[CurrentGame]\nCredits=99999999999999999999\nSpins=abc\nBonus=\n[GameNo2]\nBorrowed=x\n";
    Put(GameFile(), unreadable);
    fs::path aside = GameFile();
    aside += ".unreadable";
    {
        auto ledger = Restart();
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_NE(problems[0].find("(Borrowed=x in [GameNo2], Credits=99999999999999999999 in "
                                   "[CurrentGame], Spins=abc in [CurrentGame])"),
                  std::string::npos)
            << problems[0];
        EXPECT_NE(problems[0].find(aside.string()), std::string::npos);
        EXPECT_EQ(ledger->Current().account, Account{}) << "played as a new game's";
        ledger->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
    }
    EXPECT_EQ(Contents(aside), unreadable);
    EXPECT_EQ(StoredAccount().spins, 1);

    Put(GameFile(), "[CurrentGame]\nCredits=zz\n");
    Restart();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("at an earlier start"), std::string::npos) << problems[0];
    EXPECT_EQ(Contents(aside), unreadable) << "never overwritten by a later one";
}

TEST_F(GameLedgerTest, AFolderThatCannotBeWrittenIsNamedAtStartUp) {
    fs::create_directories(root_ / "config");
    Put(root_ / "config" / "quillane", "a file where the folder should be");
    auto ledger = Restart();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "The folder " + GameFile().parent_path().string() +
                               " cannot be written: Not a directory. The game goes on, but it "
                               "cannot be kept.");
    ledger->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
    EXPECT_EQ(ledger->Current().account.spins, 1) << "played on in memory";
    EXPECT_TRUE(ledger->Written(1)) << "refused, and so done with";
}

TEST_F(GameLedgerTest, OptionsAndGamesShareTheFileWithoutTouchingEachOther) {
    PlayerOptions options;
    options.quickPlay = true;
    options.musicVolume = 30;
    {
        auto ledger = Restart();
        ledger->Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
        ledger->StoreOptions(options);
        ledger->File(0, "Zero", {1, 2, 3, 4, 5});
    }
    auto ledger = Restart();
    EXPECT_EQ(ledger->options(), options);
    EXPECT_EQ(ledger->Current().account.spins, 1);
    EXPECT_EQ(ledger->Slot(0).account, (Account{1, 2, 3, 4, 5}));
}

TEST(GameLedgerInMemory, WithoutFilesTheGameIsKeptInMemoryAlone) {
    GameLedger ledger(GameLedger::Files{{}, {}, "quillane", "There is no home directory."},
                      StorageWriter::Mode::Thread);
    EXPECT_EQ(ledger.Load(), std::vector<Notice>{"There is no home directory."});
    EXPECT_FALSE(ledger.keeps());
    const std::uint64_t ticket = ledger.Commit({{991, 1000, 1, 9, 0}, std::nullopt}, Added(991));
    EXPECT_TRUE(ledger.Written(ticket));
    EXPECT_EQ(ledger.history().records().size(), 1u);
    EXPECT_TRUE(ledger.historyProblem().has_value());
}

}  // namespace
}  // namespace quillane
