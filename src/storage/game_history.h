#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/spin_record.h"

namespace quillane {

// The last spins of the live game and of each save slot, kept as JSON lines in files of their
// own: "<stem>-history.jsonl" for the live game and "<stem>-history-slot1.jsonl" to
// "-slot8.jsonl" for the slots, all in one directory. Every change rewrites the live file
// through a temporary file renamed into place. A line that does not read as a record is
// skipped and the others kept. Nothing here throws: when the files cannot be read or written
// the history goes on in memory alone, and problem() says why.
class GameHistory {
  public:
    static constexpr std::size_t kMaxRecords = 100;
    // Larger files are read only this far.
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;

    // Reads the live game's history from `directory`; an empty directory keeps none on disk.
    GameHistory(std::filesystem::path directory, std::string stem);

    // Oldest first.
    const std::vector<SpinRecord>& records() const { return records_; }
    // The credits after each kept spin, oldest first.
    std::vector<std::int64_t> Balances() const;
    // Why the history is not being kept on disk, once that has happened; else nullopt.
    const std::optional<std::string>& problem() const { return problem_; }
    // How many lines the last read skipped as unreadable.
    std::size_t skippedLines() const { return skipped_; }

    std::filesystem::path LiveFile() const;
    std::filesystem::path SlotFile(int slot) const;  // slot 0 to 7

    // A spin of the live game; the oldest is dropped beyond kMaxRecords.
    void Add(const SpinRecord& record);
    // The bonus game the last spin added opened; `creditsAfter` is the balance once it paid.
    // Ignored unless the last record was added by Add since the history was last switched.
    void AttachBonus(const BonusRecord& bonus, std::int64_t creditsAfter);
    // A new game: an empty history.
    void NewGame();
    // The live history is copied to `slot`'s file, as the game is saved there.
    void SaveTo(int slot);
    // `slot`'s history becomes the live one, as its game is opened.
    void OpenFrom(int slot);

  private:
    std::vector<SpinRecord> Read(const std::filesystem::path& file);
    void Write(const std::filesystem::path& file, const std::vector<SpinRecord>& records);

    std::filesystem::path directory_;
    std::string stem_;
    std::vector<SpinRecord> records_;
    std::optional<std::string> problem_;
    std::size_t skipped_ = 0;
    bool lastAdded_ = false;
};

// The records in `text`, JSON lines, the last `limit` that read; `skipped` counts the others.
std::vector<SpinRecord> ParseHistory(std::string_view text, std::size_t limit,
                                     std::size_t& skipped);

}  // namespace quillane
