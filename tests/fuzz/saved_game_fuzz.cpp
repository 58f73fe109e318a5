// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The saved-game reader on any file: numbers parse back from their own digits, names and dates
// stay within their lengths, and a game read and saved again reads back the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "core/saved_game.h"
#include "storage/game_file.h"
#include "storage/profile.h"

namespace {

using namespace quillane;

SavedGame ReadFrom(const std::string& text, int slot) {
    const std::string section = SlotSection(slot);
    return ReadSavedGame(
        slot,
        [&](std::string_view key) {
            return profile::FindValue(text, section, key, kProfileTextLength);
        },
        "01/02/26");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string number = input.ConsumeRandomLengthString(24);
    const int slot = input.ConsumeIntegralInRange(0, kCurrentGameSlot);
    const std::string text = input.ConsumeRemainingBytesAsString();

    if (const std::optional<std::int32_t> value = ParseProfileInt(number)) {
        if (ParseProfileInt(std::to_string(*value)) != value) {
            std::abort();
        }
    }
    const SavedGame game = ReadFrom(text, slot);
    if (game.name.size() > 4 * kGameNameLength || game.date.size() > 4 * kGameDateLength) {
        std::abort();
    }
    std::string saved = text;
    for (const GameEntry& entry : GameEntries(game.name, game.date, game.account)) {
        if (!profile::CanStore(SlotSection(slot), entry.key, entry.value)) {
            return 0;
        }
        saved = profile::SetValue(saved, SlotSection(slot), entry.key, entry.value);
    }
    if (ReadFrom(saved, slot) != game) {
        std::abort();
    }
    // The whole-file reader agrees, and a game with its serial and bonus game reads back as
    // written.
    const GameFileContents contents = ReadGameFile(text, "01/02/26");
    if (contents.games[static_cast<std::size_t>(slot)] != game) {
        std::abort();
    }
    const GameFileContents again =
        ReadGameFile(WithGame(text, slot, game, 77, contents.bonus), "01/02/26");
    if (again.games[static_cast<std::size_t>(slot)] != game ||
        again.serials[static_cast<std::size_t>(slot)] != 77u ||
        (slot == kCurrentGameSlot && again.bonus != contents.bonus)) {
        std::abort();
    }
    return 0;
}
