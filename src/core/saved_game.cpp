// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/saved_game.h"

#include <stdexcept>

namespace quillane {

namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

void AppendTwoDigits(std::string& out, int value) {
    value %= 100;
    if (value < 0) {
        value += 100;
    }
    out += static_cast<char>('0' + value / 10);
    out += static_cast<char>('0' + value % 10);
}

// Bytes a character takes when its first byte is `lead`; 1 for ASCII and for stray bytes.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 1;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

}  // namespace

std::string SlotSection(int slot) {
    if (slot >= 0 && slot < kSavedSlotCount) {
        return "GameNo" + std::to_string(slot + 1);
    }
    if (slot == kCurrentGameSlot) {
        return "CurrentGame";
    }
    throw std::out_of_range("No game slot " + std::to_string(slot));
}

std::optional<std::int32_t> ParseProfileInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string FormatGameDate(CalendarDate date, char separator) {
    std::string text;
    AppendTwoDigits(text, date.month);
    text += separator;
    AppendTwoDigits(text, date.day);
    text += separator;
    AppendTwoDigits(text, date.year);
    return text;
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t n = 0; n < count && end < text.size(); ++n) {
        const std::size_t length = SequenceLength(static_cast<unsigned char>(text[end]));
        std::size_t next = end + 1;
        while (next < end + length && next < text.size() &&
               IsContinuation(static_cast<unsigned char>(text[next]))) {
            ++next;
        }
        end = next;
    }
    return std::string(text.substr(0, end));
}

std::array<GameEntry, 7> GameEntries(const std::string& name, const std::string& date,
                                     const Account& account) {
    return {{
        {kGameNameKey, name},
        {kGameDateKey, date},
        {kCreditsKey, std::to_string(account.credits)},
        {kBorrowedKey, std::to_string(account.borrowed)},
        {kSpinsKey, std::to_string(account.spins)},
        {kTotalBetsKey, std::to_string(account.totalBets)},
        {kBonusKey, std::to_string(account.bonusTotal)},
    }};
}

SavedGame ReadSavedGame(int slot, const GameLookup& lookup, const std::string& today) {
    const std::string section = SlotSection(slot);
    const auto number = [&lookup](std::string_view key, std::int32_t fallback) {
        const std::optional<std::string> text = lookup(key);
        return text ? ParseProfileInt(*text).value_or(fallback) : fallback;
    };

    SavedGame game;
    game.name = FirstCharacters(lookup(kGameNameKey).value_or(section), kGameNameLength);
    game.date = FirstCharacters(lookup(kGameDateKey).value_or(today), kGameDateLength);
    const Account fresh;
    game.account.credits = number(kCreditsKey, fresh.credits);
    game.account.borrowed = number(kBorrowedKey, fresh.borrowed);
    game.account.spins = number(kSpinsKey, fresh.spins);
    game.account.totalBets = number(kTotalBetsKey, fresh.totalBets);
    game.account.bonusTotal = number(kBonusKey, fresh.bonusTotal);
    return game;
}

}  // namespace quillane
