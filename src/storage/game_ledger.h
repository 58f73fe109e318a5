// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/game_store.h"
#include "core/player_options.h"
#include "storage/game_file.h"
#include "storage/game_history.h"
#include "storage/storage_writer.h"

namespace quillane {

// The games as the player's files keep them: the game file with the current game and the eight
// saved ones, and a history file beside each. What the game commits is held here, in memory, at
// once and handed to the writer, which writes it in order off the caller's thread: the history
// file first, with a header holding the game and the commit's serial number, then the game file
// with the same serial. A kill between the two leaves the history ahead, and the next start
// completes the game file from its header, so the two always agree.
class GameLedger final : public GameStore {
  public:
    struct Files {
        std::filesystem::path gameFile;          // empty: the games are kept in memory alone
        std::filesystem::path historyDirectory;  // empty: the histories likewise
        std::string stem;
        std::optional<Notice> problem;  // why there are no files, for the player
    };
    // The player's files for a program named `stem`: in $XDG_CONFIG_HOME/quillane and
    // $XDG_DATA_HOME/quillane; none, and a problem, without a home directory.
    static Files FilesFor(const std::string& stem);

    GameLedger(Files files, StorageWriter::Mode mode, GameFile::DateSource today = LocalDateText);
    ~GameLedger() override;

    // Reads the files once, at start-up: completes a game file that a kill left behind its
    // history, removes what killed writes left, and keeps a copy of a game file with values
    // that cannot be read before anything is written to it. Returns what to tell the player.
    std::vector<Notice> Load();

    const std::filesystem::path& gameFile() const { return files_.gameFile; }
    // Whether there is a game file at all to keep the games in.
    bool keeps() const { return !files_.gameFile.empty(); }
    std::filesystem::path HistoryFile(int slot) const;  // kCurrentGameSlot for the live game

    SettledGame Current() const override { return current_; }
    SavedGame Slot(int slot) const override;
    std::uint64_t Commit(const SettledGame& game, const HistoryChange& change) override;
    std::uint64_t File(int slot, const std::string& name, const Account& account) override;
    bool Written(std::uint64_t ticket) const override;

    // Hands the current game to the writer again, as it stands: the end of the game stores it,
    // dated the day of the end, and a store refused before is tried anew.
    void Recommit();

    const GameHistory& history() const { return live_; }
    // Why the history is not read or written as it should be; nothing when it is.
    std::optional<Notice> historyProblem() const;

    const PlayerOptions& options() const { return options_; }
    void StoreOptions(const PlayerOptions& options);

    // Refusals are told through it, and the end of the process drains it.
    StorageWriter& writer() { return writer_; }

  private:
    enum Target { kOptions = kGameSections, kCopyAside };

    // Hands the writer the game in `slot`, as `header` says, with its history `records`.
    void PostGame(int slot, HistoryHeader header, std::vector<SpinRecord> records,
                  bool withHistory);
    void KeepAside(const std::vector<Notice>& unreadable, std::vector<Notice>& problems);
    std::optional<Notice> CheckFolder() const;
    void NoteHistoryProblem(std::optional<Notice> problem);

    Files files_;
    GameFile::DateSource today_;
    std::uint64_t serial_ = 0;
    SettledGame current_;
    std::array<SavedGame, kSavedSlotCount> slots_{};
    GameHistory live_;
    std::array<std::vector<SpinRecord>, kSavedSlotCount> slotHistories_{};
    PlayerOptions options_;
    mutable std::mutex problemMutex_;  // the writer notes history problems too
    std::optional<Notice> historyProblem_;
    StorageWriter writer_;  // last: it stops, writing what it holds, before the rest goes
};

}  // namespace quillane
