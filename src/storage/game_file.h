// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/account.h"
#include "core/saved_game.h"
#include "core/settled_game.h"
#include "storage/notice.h"

namespace quillane {

// The separator of a strftime date format such as nl_langinfo(D_FMT) gives: its first
// punctuation character outside a conversion ("%d.%m.%Y" gives '.'); '/' when it has none.
char DateSeparatorFromFormat(std::string_view format);

// The date separator of the user's LC_TIME locale, read without touching the global locale.
char LocaleDateSeparator();

// Today's local date as a game date, "mm/dd/yy" with the locale's separator.
std::string LocalDateText();

inline constexpr int kGameSections = kCurrentGameSlot + 1;

// What the game file holds of the games, read at once.
struct GameFileContents {
    std::array<SavedGame, kGameSections> games;  // by slot; 8 is the current game
    // The serial number of each game's last commit, kept in "[Serials]"; none for a section
    // written by hand or by an older version of the game.
    std::array<std::optional<std::uint64_t>, kGameSections> serials;
    std::array<bool, kGameSections> present{};  // the file has the game's section
    std::optional<PendingBonus> bonus;          // "[BonusGame]"
    // Values that are there but cannot be read, as "Credits=abc in [CurrentGame]".
    std::vector<Notice> unreadable;
};

// Reads the games from the text of a game file; whatever is missing or unreadable takes the
// default of a new game, dated `today`.
GameFileContents ReadGameFile(std::string_view text, const std::string& today);

// `text` with `game` stored in `slot`'s section, dated as it says, and its serial number; for the
// current game also its pending bonus game, or none.
std::string WithGame(std::string text, int slot, const SavedGame& game, std::uint64_t serial,
                     const std::optional<PendingBonus>& bonus);

// The game file: the current game and the eight saved games, one section each.
class GameFile {
  public:
    using DateSource = std::function<std::string()>;

    explicit GameFile(std::filesystem::path file, DateSource today = LocalDateText);

    const std::filesystem::path& path() const { return file_; }

    // Never fails: whatever is missing or unreadable takes the default of a new game.
    SavedGame Read(int slot) const;

    // Stores the name, today's date and the account in one replacement of the file, so the
    // slot holds the whole old record or the whole new one. A refused store throws
    // profile::WriteError and leaves the file as it was.
    void Write(int slot, const std::string& name, const Account& account) const;

    // What keeps the game file from being read, in a sentence for the player: a file larger
    // than profile::kMaxFileSize, one that is not a regular file or one that cannot be read.
    // Nothing when it reads or is missing. Every store to such a file is refused.
    std::optional<Notice> Problem() const;

    // Removes what saves killed part-way left behind; returns how many files.
    std::size_t SweepStaleTemporaries() const;

  private:
    std::filesystem::path file_;
    DateSource today_;
};

}  // namespace quillane
