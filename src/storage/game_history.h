// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/spin_record.h"
#include "storage/history_json.h"
#include "storage/notice.h"

namespace quillane {

// The last spins of a game, oldest first, as the history window and the credits plot show them.
class GameHistory {
  public:
    static constexpr std::size_t kMaxRecords = 100;

    GameHistory() = default;
    explicit GameHistory(std::vector<SpinRecord> records);

    const std::vector<SpinRecord>& records() const { return records_; }
    // The credits after each kept spin, oldest first.
    std::vector<std::int64_t> Balances() const;

    // A spin; the oldest is dropped beyond kMaxRecords.
    void Add(const SpinRecord& record);
    // The bonus game the last spin opened has paid; `creditsAfter` is the balance once it paid.
    // Ignored unless the last spin opened a bonus game that has not been attached yet.
    void AttachBonus(const BonusRecord& bonus, std::int64_t creditsAfter);

  private:
    std::vector<SpinRecord> records_;
};

// What a history file holds: JSON lines, the header first (when there is one), then the records.
struct HistoryFile {
    std::optional<HistoryHeader> header;
    std::vector<SpinRecord> records;
    std::size_t skipped = 0;  // lines that read as neither
};

// Larger history files are read only this far.
inline constexpr std::size_t kMaxHistoryFileBytes = 1024 * 1024;

// The header and the last `limit` records in `text`; a line that reads as neither is skipped.
HistoryFile ParseHistory(std::string_view text, std::size_t limit = GameHistory::kMaxRecords);
std::string FormatHistory(const std::optional<HistoryHeader>& header,
                          const std::vector<SpinRecord>& records);

// The file's history: nothing when it is missing; when it cannot be read, nothing and `problem`
// says why, in a sentence for the player.
HistoryFile ReadHistoryFile(const std::filesystem::path& file, std::optional<Notice>& problem);

}  // namespace quillane
