// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/options_file.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "core/betting.h"
#include "core/bingo.h"
#include "core/paylines.h"
#include "storage/profile.h"

namespace quillane {
namespace {

constexpr std::string_view kSection = "Options";
constexpr std::size_t kMaxValueLength = 16;

bool AnyNumber(long long) {
    return true;
}

bool IsAutoplayChoice(long long spins) {
    for (int choice : kAutoplayChoices)
        if (choice == spins)
            return true;
    return false;
}

bool IsLinesChoice(long long lines) {
    return LinesKeyFor(lines) != 0;
}

bool IsCreditsChoice(long long credits) {
    return CreditsKeyFor(credits) != 0;
}

constexpr std::string_view kNoticeStyle = "Notice";
constexpr std::string_view kWindowStyle = "Window";

// How the file names the ways autoplay plays a bonus game, in the order of BonusCardChoice.
constexpr std::array<std::string_view, 3> kBonusCardNames = {"ask", "last", "random"};

// One option as the file holds it. The default is the PlayerOptions member's own; a value that
// is odd or out of range keeps it.
struct OptionKey {
    std::string_view name;
    // The member: a flag ("1" or "0"), a number in [low, high] that `accepts`, a limit whose
    // empty value is "no limit", a language code (empty for the desktop's), or a choice by its
    // name: how autoplay plays a bonus game, or a reminder's style.
    std::variant<bool& (*)(PlayerOptions&), int& (*)(PlayerOptions&),
                 std::optional<std::int32_t>& (*)(PlayerOptions&), std::string& (*)(PlayerOptions&),
                 BonusCardChoice& (*)(PlayerOptions&), ReminderStyle& (*)(PlayerOptions&)>
        member;
    long long low = 0;
    long long high = 0;
    bool (*accepts)(long long) = AnyNumber;
};

// In the order they are written.
const std::array<OptionKey, 23> kOptionKeys = {{
    {"QuickPlay", [](PlayerOptions& o) -> bool& { return o.quickPlay; }},
    {"Sound", [](PlayerOptions& o) -> bool& { return o.sound; }},
    {"Music", [](PlayerOptions& o) -> bool& { return o.music; }},
    {"EffectsVolume", [](PlayerOptions& o) -> int& { return o.effectsVolume; }, 0,
     PlayerOptions::kFullVolume},
    {"MusicVolume", [](PlayerOptions& o) -> int& { return o.musicVolume; }, 0,
     PlayerOptions::kFullVolume},
    {"AutoplaySpins", [](PlayerOptions& o) -> int& { return o.autoplay.spins; }, 1, 100,
     IsAutoplayChoice},
    {"AutoplayStopOnBonus", [](PlayerOptions& o) -> bool& { return o.autoplay.stopOnBonus; }},
    {"AutoplayStopOnWin",
     [](PlayerOptions& o) -> std::optional<std::int32_t>& { return o.autoplay.stopOnWinAtLeast; },
     0, INT32_MAX},
    {"AutoplayStopBelow",
     [](PlayerOptions& o) -> std::optional<std::int32_t>& { return o.autoplay.stopBelowCredits; },
     0, INT32_MAX},
    {"ReduceMotion", [](PlayerOptions& o) -> bool& { return o.reduceMotion; }},
    {"LinePatterns", [](PlayerOptions& o) -> bool& { return o.linePatterns; }},
    {"HighContrast", [](PlayerOptions& o) -> bool& { return o.highContrast; }},
    {"Language", [](PlayerOptions& o) -> std::string& { return o.language; }},
    {"AutoplayBonusCard",
     [](PlayerOptions& o) -> BonusCardChoice& { return o.autoplay.bonusCard; }},
    {"AutoplayLastCard", [](PlayerOptions& o) -> int& { return o.lastBonusCard; }, 0,
     kCardCount - 1},
    {"AutoplayStopLoss",
     [](PlayerOptions& o) -> std::optional<std::int32_t>& { return o.autoplay.stopOnNetLoss; }, 1,
     INT32_MAX},
    {"AutoplayStopWin",
     [](PlayerOptions& o) -> std::optional<std::int32_t>& { return o.autoplay.stopOnNetWin; }, 1,
     INT32_MAX},
    {"ReminderMinutes", [](PlayerOptions& o) -> int& { return o.reminderMinutes; }, 0, 60,
     IsReminderChoice},
    {"ReminderStyle", [](PlayerOptions& o) -> ReminderStyle& { return o.reminderStyle; }},
    {"RememberBet", [](PlayerOptions& o) -> bool& { return o.rememberBet; }},
    {"BetLines", [](PlayerOptions& o) -> int& { return o.betLines; }, 1, kMaxLinesBet,
     IsLinesChoice},
    {"BetCredits", [](PlayerOptions& o) -> int& { return o.betCredits; }, 1,
     CreditsForKey(kLastCreditsKey), IsCreditsChoice},
    {"ShortcutHintShown", [](PlayerOptions& o) -> bool& { return o.shortcutHintShown; }},
}};

std::optional<long long> Number(const std::string& text, const OptionKey& key) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < key.low ||
        value > key.high || !key.accepts(value))
        return std::nullopt;
    return value;
}

// A language code such as "de" or "pt_BR"; anything else is not a choice.
bool IsLanguageCode(const std::string& value) {
    for (char c : value)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

void Read(const std::string& value, const OptionKey& key, PlayerOptions& options) {
    std::visit(
        [&](auto member) {
            auto& field = member(options);
            using Field = std::remove_reference_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>) {
                if (IsLanguageCode(value))
                    field = value;
            } else if constexpr (std::is_same_v<Field, BonusCardChoice>) {
                for (std::size_t i = 0; i < kBonusCardNames.size(); ++i)
                    if (value == kBonusCardNames[i])
                        field = static_cast<BonusCardChoice>(i);
            } else if constexpr (std::is_same_v<Field, ReminderStyle>) {
                if (value == kNoticeStyle || value == kWindowStyle)
                    field = value == kWindowStyle ? ReminderStyle::Window : ReminderStyle::Notice;
            } else if constexpr (std::is_same_v<Field, bool>) {
                if (value == "1" || value == "0")
                    field = value == "1";
            } else {
                if constexpr (!std::is_same_v<Field, int>)
                    if (value.empty())
                        return field.reset();
                if (const auto n = Number(value, key))
                    field = static_cast<std::int32_t>(*n);
            }
        },
        key.member);
}

std::string Written(const OptionKey& key, PlayerOptions& options) {
    return std::visit(
        [&](auto member) {
            const auto& field = member(options);
            using Field = std::remove_cvref_t<decltype(field)>;
            if constexpr (std::is_same_v<Field, std::string>)
                return field;
            else if constexpr (std::is_same_v<Field, BonusCardChoice>)
                return std::string(kBonusCardNames[static_cast<std::size_t>(field)]);
            else if constexpr (std::is_same_v<Field, ReminderStyle>)
                return std::string(field == ReminderStyle::Window ? kWindowStyle : kNoticeStyle);
            else if constexpr (std::is_same_v<Field, bool>)
                return std::string(field ? "1" : "0");
            else if constexpr (std::is_same_v<Field, int>)
                return std::to_string(field);
            else
                return field ? std::to_string(*field) : std::string();
        },
        key.member);
}

}  // namespace

PlayerOptions ReadOptions(const std::filesystem::path& gameFile) {
    return ParseOptions(profile::LoadText(gameFile));
}

PlayerOptions ParseOptions(std::string_view gameFileText) {
    PlayerOptions options;
    for (const OptionKey& key : kOptionKeys)
        if (const auto value =
                profile::FindValue(gameFileText, kSection, key.name, kMaxValueLength))
            Read(*value, key, options);
    return options;
}

void WriteOptions(const std::filesystem::path& gameFile, const PlayerOptions& options) {
    profile::UpdateFile(gameFile,
                        [&](std::string text) { return WithOptions(std::move(text), options); });
}

std::string WithOptions(std::string text, const PlayerOptions& options) {
    PlayerOptions copy = options;  // the table reaches members through mutable references
    for (const OptionKey& key : kOptionKeys)
        text = profile::SetValue(text, kSection, key.name, Written(key, copy));
    return text;
}

}  // namespace quillane
