// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/game_file.h"

#include <langinfo.h>
#include <locale.h>

#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdint>
#include <ctime>
#include <utility>

#include "storage/profile.h"

namespace quillane {

char DateSeparatorFromFormat(std::string_view format) {
    for (std::size_t i = 0; i < format.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(format[i]);
        if (c == '%') {
            // Skip the conversion with its flags, width and E/O modifier.
            ++i;
            while (i < format.size() &&
                   std::string_view("_-0^#EO123456789").find(format[i]) != std::string_view::npos) {
                ++i;
            }
            if (i < format.size() && format[i] == 'D') {
                return '/';
            }
            if (i < format.size() && format[i] == 'F') {
                return '-';
            }
        } else if (c < 0x80 && std::ispunct(c)) {
            return static_cast<char>(c);
        }
    }
    return '/';
}

char LocaleDateSeparator() {
    const locale_t locale = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return '/';
    }
    const char* format = ::nl_langinfo_l(D_FMT, locale);
    const char separator = DateSeparatorFromFormat(format != nullptr ? format : "");
    ::freelocale(locale);
    return separator;
}

std::string LocalDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return FormatGameDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                          LocaleDateSeparator());
}

namespace {

constexpr std::string_view kSerialsSection = "Serials";
constexpr std::string_view kBonusSection = "BonusGame";
constexpr std::string_view kBonusLinesKey = "Lines";
constexpr std::string_view kBonusPerLineKey = "CreditsPerLine";
constexpr std::string_view kBonusSeedKey = "Seed";
constexpr std::string_view kBonusCardKey = "Card";
constexpr std::size_t kNumberLength = 32;

std::optional<std::uint64_t> Unsigned(const std::optional<std::string>& text, std::uint64_t most) {
    std::uint64_t value = 0;
    if (!text || text->empty())
        return std::nullopt;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value > most)
        return std::nullopt;
    return value;
}

std::optional<PendingBonus> ReadBonus(std::string_view text) {
    const auto value = [&](std::string_view key) {
        return profile::FindValue(text, kBonusSection, key, kNumberLength);
    };
    const auto lines = Unsigned(value(kBonusLinesKey), 9);
    const auto perLine = Unsigned(value(kBonusPerLineKey), 10);
    if (!lines || !perLine || *lines % 2 == 0 ||
        (*perLine != 1 && *perLine != 2 && *perLine != 3 && *perLine != 5 && *perLine != 10))
        return std::nullopt;
    PendingBonus bonus{static_cast<int>(*lines), static_cast<int>(*perLine), std::nullopt,
                       std::nullopt};
    if (const auto seed = Unsigned(value(kBonusSeedKey), UINT32_MAX))
        bonus.seed = static_cast<std::uint32_t>(*seed);
    if (const auto card = Unsigned(value(kBonusCardKey), 4))
        bonus.card = static_cast<int>(*card);
    return bonus;
}

}  // namespace

GameFileContents ReadGameFile(std::string_view text, const std::string& today) {
    GameFileContents contents;
    for (int slot = 0; slot < kGameSections; ++slot) {
        const std::string section = SlotSection(slot);
        const auto s = static_cast<std::size_t>(slot);
        const auto lookup = [&](std::string_view key) {
            return profile::FindValue(text, section, key, kProfileTextLength);
        };
        contents.games[s] = ReadSavedGame(slot, lookup, today);
        for (const std::string_view key :
             {kCreditsKey, kBorrowedKey, kSpinsKey, kTotalBetsKey, kBonusKey}) {
            const std::optional<std::string> value = lookup(key);
            contents.present[s] = contents.present[s] || value.has_value();
            if (value && !value->empty() && !ParseProfileInt(*value))
                //: A value of the game file that cannot be read: %1 is its line, as
                //: "Credits=abc", %2 its section; keep the brackets.
                contents.unreadable.push_back(
                    Notice(QT_TRANSLATE_NOOP("Storage", "%1 in [%2]"),
                           {std::string(key) + "=" + FirstCharacters(*value, 40), section}));
        }
        contents.present[s] = contents.present[s] || lookup(kGameNameKey).has_value() ||
                              lookup(kGameDateKey).has_value();
        contents.serials[s] =
            Unsigned(profile::FindValue(text, kSerialsSection, section, kNumberLength), UINT64_MAX);
    }
    if (profile::FindValue(text, kBonusSection, kBonusLinesKey, kNumberLength)) {
        contents.bonus = ReadBonus(text);
        if (!contents.bonus)
            contents.unreadable.push_back(std::string("[").append(kBonusSection).append("]"));
    }
    return contents;
}

std::string WithGame(std::string text, int slot, const SavedGame& game, std::uint64_t serial,
                     const std::optional<PendingBonus>& bonus) {
    const std::string section = SlotSection(slot);
    for (const GameEntry& entry : GameEntries(game.name, game.date, game.account))
        text = profile::SetValue(text, section, entry.key, entry.value);
    if (slot == kCurrentGameSlot && !bonus) {
        text = profile::RemoveSection(text, kBonusSection);
    } else if (slot == kCurrentGameSlot) {
        // A pending bonus game's seed and card, once set, stay until it has paid.
        const std::pair<std::string_view, std::optional<std::int64_t>> values[] = {
            {kBonusLinesKey, bonus->linesBet},
            {kBonusPerLineKey, bonus->creditsPerLine},
            {kBonusSeedKey, bonus->seed},
            {kBonusCardKey, bonus->card},
        };
        for (const auto& [key, value] : values) {
            if (value)
                text = profile::SetValue(text, kBonusSection, key, std::to_string(*value));
        }
    }
    return profile::SetValue(text, kSerialsSection, section, std::to_string(serial));
}

GameFile::GameFile(std::filesystem::path file, DateSource today)
    : file_(std::move(file)), today_(std::move(today)) {}

SavedGame GameFile::Read(int slot) const {
    const std::string section = SlotSection(slot);
    const std::string text = profile::LoadText(file_);
    return ReadSavedGame(
        slot,
        [&](std::string_view key) {
            return profile::FindValue(text, section, key, kProfileTextLength);
        },
        today_());
}

void GameFile::Write(int slot, const std::string& name, const Account& account) const {
    const std::string section = SlotSection(slot);
    const std::array<GameEntry, 7> entries = GameEntries(name, today_(), account);
    std::array<profile::KeyValue, 7> values;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        values[i] = {entries[i].key, entries[i].value};
    }
    profile::WriteValues(file_, section, values);
}

std::optional<Notice> GameFile::Problem() const {
    const std::string file = file_.string();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file_, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::nullopt;
    }
    if (!error && !std::filesystem::is_regular_file(status)) {
        return Notice(QT_TRANSLATE_NOOP("Storage",
                                        "The game file %1 is not a regular file and was not read."),
                      {file});
    }
    if (!error) {
        error = profile::ReadProblem(file_);
    }
    if (error == std::errc::file_too_large) {
        return Notice(QT_TRANSLATE_NOOP("Storage",
                                        "The game file %1 is larger than %2 MiB and was not read."),
                      {file, std::to_string(profile::kMaxFileSize >> 20)});
    }
    if (error) {
        return Notice(QT_TRANSLATE_NOOP("Storage", "The game file %1 cannot be read: %2."),
                      {file, error.message()});
    }
    return std::nullopt;
}

std::size_t GameFile::SweepStaleTemporaries() const {
    return profile::SweepStaleTemporaries(file_);
}

}  // namespace quillane
