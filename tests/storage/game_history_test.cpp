// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/game_history.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "storage/history_json.h"
#include "test_files.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;
using test_support::Contents;
using test_support::Put;

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

TEST(HistoryJson, TheHeaderReadsBackAndAnOddOneIsNoHeader) {
    HistoryHeader header{7,
                         {"A \"quoted\"\tname, \u00e9t\u00e9 \u263a", "12/07/26", {-5, 0, 1, 2, 3}},
                         PendingBonus{5, 10, 4294967295u, 4}};
    header.game.name = "A \"quoted\"\tname \\ \xc3\xa9t\xc3\xa9";
    const std::string line = EncodeHistoryHeader(header);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(DecodeHistoryHeader(line), header) << line;
    header.bonus = PendingBonus{9, 1, std::nullopt, std::nullopt};
    EXPECT_EQ(DecodeHistoryHeader(EncodeHistoryHeader(header)), header);
    header.bonus.reset();
    EXPECT_EQ(DecodeHistoryHeader(EncodeHistoryHeader(header)), header);

    const std::string good = EncodeHistoryHeader(header);
    auto with = [&](std::string_view from, std::string_view to) {
        std::string odd = good;
        return odd.replace(odd.find(from), from.size(), to);
    };
    for (const std::string& odd :
         {with("\"serial\":7", "\"serial\":0"), with("\"credits\":-5", "\"credits\":\"-5\""),
          with("\"spins\":1", "\"spins\":2147483648"),
          with("}", ",\"pending\":{\"lines\":4,\"perLine\":1}}"),
          with("\"name\":\"", "\"name\":\"\\x"), with("\"name\":\"", "\"name\":\"\\ud800"),
          with("\"date\"", "\"colour\""), EncodeSpinRecord(Spin(1))})
        EXPECT_FALSE(DecodeHistoryHeader(odd)) << odd;
    EXPECT_FALSE(DecodeSpinRecord(good)) << "a header is no spin";
}

TEST(HistoryFile, SkipsWhatDoesNotReadAndKeepsTheRest) {
    const std::string a = EncodeSpinRecord(Spin(1));
    const std::string b = EncodeSpinRecord(Spin(2));
    const std::string c = EncodeSpinRecord(Spin(3));
    const HistoryHeader header{3, {"CurrentGame", "12/07/26", {}}, std::nullopt};
    const HistoryFile file =
        ParseHistory(EncodeHistoryHeader(header) + "\n" + a + "\n" + "garbage\n" +
                     std::string("\0\xff\n", 3) + b.substr(0, 40) + "\n" + b + "\r\n\n" +
                     EncodeHistoryHeader(header) + "\n" + c.substr(0, c.size() - 3));
    EXPECT_EQ(file.header, header);
    EXPECT_EQ(file.records, (std::vector<SpinRecord>{Spin(1), Spin(2)}));
    EXPECT_EQ(file.skipped, 5u) << "a header anywhere but first is no record either";
    EXPECT_EQ(ParseHistory(FormatHistory(header, file.records)).records, file.records);
    EXPECT_FALSE(ParseHistory(a + "\n").header) << "a file of an older game has none";
}

TEST(GameHistoryRecords, HoldsAHundredAtMostWhetherAddedOrRead) {
    const struct {
        int spins;
        std::size_t kept;
        std::int64_t first;
    } cases[] = {{99, 99, 1}, {100, 100, 1}, {101, 100, 2}};
    for (const auto& c : cases) {
        GameHistory added;
        std::vector<SpinRecord> spins;
        for (int n = 1; n <= c.spins; ++n) {
            added.Add(Spin(n));
            spins.push_back(Spin(n));
        }
        const GameHistory read(spins);
        for (const GameHistory* history : {&std::as_const(added), &read}) {
            ASSERT_EQ(history->records().size(), c.kept) << c.spins;
            EXPECT_EQ(history->records().front(), Spin(c.first)) << c.spins;
            EXPECT_EQ(history->records().back(), Spin(c.spins)) << c.spins;
        }
    }
}

TEST(GameHistoryRecords, KeepsTheLastHundredAndAttachesABonusOnlyToTheSpinThatOpenedIt) {
    GameHistory history;
    for (int n = 1; n <= 130; ++n)
        history.Add(Spin(n));
    ASSERT_EQ(history.records().size(), GameHistory::kMaxRecords);
    EXPECT_EQ(history.records().front(), Spin(31));
    EXPECT_EQ(history.records().back(), Spin(130));
    EXPECT_EQ(history.Balances().back(), Spin(130).creditsAfter);

    history.Add(Spin(131));  // one ball: it opened no bonus game
    history.AttachBonus(Bonus(), 9999);
    EXPECT_FALSE(history.records().back().bonus);
    history.Add(Spin(132));
    history.AttachBonus(Bonus(), 9999);
    history.AttachBonus(Bonus(), 1);
    ASSERT_TRUE(history.records().back().bonus);
    EXPECT_EQ(history.records().back().creditsAfter, 9999) << "attached once";
}

}  // namespace
}  // namespace quillane
