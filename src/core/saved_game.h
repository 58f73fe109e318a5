// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/account.h"

namespace quillane {

// A game as it is filed in one section of the game file.
struct SavedGame {
    std::string name;
    std::string date;
    Account account;

    bool operator==(const SavedGame&) const = default;
};

inline constexpr int kSavedSlotCount = 8;
inline constexpr int kCurrentGameSlot = 8;

inline constexpr std::size_t kGameNameLength = 30;
inline constexpr std::size_t kGameDateLength = 10;
inline constexpr std::size_t kProfileTextLength = 2047;

inline constexpr std::string_view kGameNameKey = "GameName";
inline constexpr std::string_view kGameDateKey = "GameDate";
inline constexpr std::string_view kCreditsKey = "Credits";
inline constexpr std::string_view kBorrowedKey = "Borrowed";
inline constexpr std::string_view kSpinsKey = "Spins";
inline constexpr std::string_view kTotalBetsKey = "TotalBets";
inline constexpr std::string_view kBonusKey = "Bonus";

// Slots 0..7 are the saved games "GameNo1".."GameNo8", slot 8 is "CurrentGame".
std::string SlotSection(int slot);

// Decimal with optional sign after leading blanks; "0x", "0X" or "$" marks hexadecimal.
// Anything that is not a whole signed 32-bit number gives nullopt, so the caller's default applies.
std::optional<std::int32_t> ParseProfileInt(std::string_view text);

struct CalendarDate {
    int year;
    int month;
    int day;
};

// "mm/dd/yy", with the system's date separator in place of '/'.
std::string FormatGameDate(CalendarDate date, char separator);

// The first `count` characters of UTF-8 text; a byte that is not valid UTF-8 counts as one
// character, so the result is never longer than 4 * count bytes.
std::string FirstCharacters(std::string_view text, std::size_t count);

struct GameEntry {
    std::string_view key;
    std::string value;
};

// What a write stores, in the order it is stored; `date` is the day of the write.
std::array<GameEntry, 7> GameEntries(const std::string& name, const std::string& date,
                                     const Account& account);

// Looks up a key of one section: nullopt when it is missing, else its text (possibly empty).
using GameLookup = std::function<std::optional<std::string>(std::string_view key)>;

// Reads a game from `slot`'s section with the defaults of a game never filed there.
SavedGame ReadSavedGame(int slot, const GameLookup& lookup, const std::string& today);

}  // namespace quillane
