// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/saved_game.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace quillane {
namespace {

TEST(SlotSection, NamesTheEightSavedGamesAndTheCurrentGame) {
    EXPECT_EQ(SlotSection(0), "GameNo1");
    EXPECT_EQ(SlotSection(3), "GameNo4");
    EXPECT_EQ(SlotSection(7), "GameNo8");
    EXPECT_EQ(SlotSection(8), "CurrentGame");
}

TEST(SlotSection, RejectsSlotsOutsideTheNine) {
    EXPECT_THROW(SlotSection(-1), std::out_of_range);
    EXPECT_THROW(SlotSection(9), std::out_of_range);
}

struct IntCase {
    const char* text;
    std::optional<std::int32_t> expected;
};

TEST(ParseProfileInt, ReadsDecimalAndHexadecimalAndRejectsEverythingElse) {
    const IntCase cases[] = {
        {"0", 0},
        {"1000", 1000},
        {"-25", -25},
        {"+12", 12},
        {"  7", 7},
        {"\t7", 7},
        {"007", 7},
        {"0x10", 16},
        {"0X1f", 31},
        {"$1F", 31},
        {"-$10", -16},
        {"-0x10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", 2147483647},
        {"00000000000000000000042", 42},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"7 ", std::nullopt},
        {"1.5", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"0xG", std::nullopt},
        {"$-1", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const IntCase& c : cases) {
        EXPECT_EQ(ParseProfileInt(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseProfileInt, RejectsAnEmbeddedNul) {
    EXPECT_EQ(ParseProfileInt(std::string_view("12\0"
                                               "3",
                                               4)),
              std::nullopt);
}

TEST(FormatGameDate, WritesMonthDayAndTwoDigitYearWithTheSeparator) {
    EXPECT_EQ(FormatGameDate({2026, 12, 6}, '/'), "12/06/26");
    EXPECT_EQ(FormatGameDate({2026, 12, 6}, '.'), "12.06.26");
    EXPECT_EQ(FormatGameDate({2009, 1, 5}, '-'), "01-05-09");
    EXPECT_EQ(FormatGameDate({2000, 10, 31}, '/'), "10/31/00");
    EXPECT_EQ(FormatGameDate({1999, 7, 14}, '/'), "07/14/99");
}

TEST(FirstCharacters, CutsAsciiTextToTheCount) {
    EXPECT_EQ(FirstCharacters("abcdef", 3), "abc");
    EXPECT_EQ(FirstCharacters("abc", 3), "abc");
    EXPECT_EQ(FirstCharacters("ab", 30), "ab");
    EXPECT_EQ(FirstCharacters("abc", 0), "");
}

TEST(FirstCharacters, NeverSplitsAUtf8Character) {
    EXPECT_EQ(FirstCharacters("a\xC3\xA9z", 2), "a\xC3\xA9");
    EXPECT_EQ(FirstCharacters("\xE2\x82\xAC\xE2\x82\xAC", 1), "\xE2\x82\xAC");
    EXPECT_EQ(FirstCharacters("\xF0\x9F\x8E\xB0!", 1), "\xF0\x9F\x8E\xB0");
}

TEST(FirstCharacters, CountsStrayBytesOneEach) {
    // Continuation bytes without a lead byte cannot make the result grow without bound.
    EXPECT_EQ(FirstCharacters("\x80\x80\x80\x80", 2), "\x80\x80");
    EXPECT_EQ(FirstCharacters("\xC3"
                              "ab",
                              2),
              "\xC3"
              "a");
    EXPECT_EQ(FirstCharacters("\xFF\xFE\xFD", 2), "\xFF\xFE");
}

TEST(GameEntries, ListsTheKeysInStoreOrderWithDecimalValues) {
    const Account account{-5, 2000, 17, 1234567, 2147483647};
    const auto entries = GameEntries("My game", "12/06/26", account);
    const std::pair<std::string_view, std::string> expected[] = {
        {"GameName", "My game"}, {"GameDate", "12/06/26"}, {"Credits", "-5"},
        {"Borrowed", "2000"},    {"Spins", "17"},          {"TotalBets", "1234567"},
        {"Bonus", "2147483647"},
    };
    ASSERT_EQ(entries.size(), std::size(expected));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].key, expected[i].first);
        EXPECT_EQ(entries[i].value, expected[i].second);
    }
}

GameLookup LookupIn(const std::map<std::string, std::string, std::less<>>& values) {
    return [&values](std::string_view key) -> std::optional<std::string> {
        const auto found = values.find(key);
        if (found == values.end()) {
            return std::nullopt;
        }
        return found->second;
    };
}

TEST(ReadSavedGame, TakesANewGameWhenNothingIsStored) {
    const std::map<std::string, std::string, std::less<>> none;
    const SavedGame game = ReadSavedGame(3, LookupIn(none), "12/06/26");
    EXPECT_EQ(game.name, "GameNo4");
    EXPECT_EQ(game.date, "12/06/26");
    EXPECT_EQ(game.account, (Account{1000, 1000, 0, 0, 0}));
    EXPECT_EQ(ReadSavedGame(8, LookupIn(none), "x").name, "CurrentGame");
}

TEST(ReadSavedGame, ReadsEveryStoredField) {
    const std::map<std::string, std::string, std::less<>> values = {
        {"GameName", "Lucky"}, {"GameDate", "01/02/25"}, {"Credits", "250"}, {"Borrowed", "3000"},
        {"Spins", "42"},       {"TotalBets", "0x100"},   {"Bonus", "-7"},
    };
    const SavedGame game = ReadSavedGame(0, LookupIn(values), "12/06/26");
    EXPECT_EQ(game.name, "Lucky");
    EXPECT_EQ(game.date, "01/02/25");
    EXPECT_EQ(game.account, (Account{250, 3000, 42, 256, -7}));
}

TEST(ReadSavedGame, UnreadableNumbersTakeTheirDefaults) {
    const std::map<std::string, std::string, std::less<>> values = {
        {"Credits", "abc"},   {"Borrowed", ""},        {"Spins", ""},
        {"TotalBets", "1e3"}, {"Bonus", "2147483648"},
    };
    const SavedGame game = ReadSavedGame(8, LookupIn(values), "12/06/26");
    EXPECT_EQ(game.account, (Account{1000, 1000, 0, 0, 0}));
}

TEST(ReadSavedGame, AnEmptyNameStaysEmpty) {
    const std::map<std::string, std::string, std::less<>> values = {{"GameName", ""},
                                                                    {"GameDate", ""}};
    const SavedGame game = ReadSavedGame(2, LookupIn(values), "12/06/26");
    EXPECT_EQ(game.name, "");
    EXPECT_EQ(game.date, "");
}

TEST(ReadSavedGame, CutsTheNameTo30AndTheDateTo10Characters) {
    const std::string name40 = "0123456789abcdefghijABCDEFGHIJklmnopqrst";
    const std::map<std::string, std::string, std::less<>> values = {
        {"GameName", name40}, {"GameDate", "2026-12-06 12:00"}};
    const SavedGame game = ReadSavedGame(1, LookupIn(values), "12/06/26");
    EXPECT_EQ(game.name, name40.substr(0, 30));
    EXPECT_EQ(game.date, "2026-12-06");
}

}  // namespace
}  // namespace quillane
