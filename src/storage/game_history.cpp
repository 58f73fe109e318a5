// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/game_history.h"

#include <system_error>
#include <utility>

#include "core/paytable.h"
#include "storage/regular_file.h"

namespace quillane {

GameHistory::GameHistory(std::vector<SpinRecord> records) : records_(std::move(records)) {
    if (records_.size() > kMaxRecords)
        records_.erase(records_.begin(), records_.end() - static_cast<std::ptrdiff_t>(kMaxRecords));
}

std::vector<std::int64_t> GameHistory::Balances() const {
    std::vector<std::int64_t> balances;
    balances.reserve(records_.size());
    for (const SpinRecord& record : records_)
        balances.push_back(record.creditsAfter);
    return balances;
}

void GameHistory::Add(const SpinRecord& record) {
    records_.push_back(record);
    if (records_.size() > kMaxRecords)
        records_.erase(records_.begin(), records_.end() - static_cast<std::ptrdiff_t>(kMaxRecords));
}

void GameHistory::AttachBonus(const BonusRecord& bonus, std::int64_t creditsAfter) {
    if (records_.empty() || records_.back().bonus || records_.back().ballCount < kBonusBallCount)
        return;
    records_.back().bonus = bonus;
    records_.back().creditsAfter = creditsAfter;
}

HistoryFile ParseHistory(std::string_view text, std::size_t limit) {
    HistoryFile file;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (std::exchange(first, false)) {
            if ((file.header = DecodeHistoryHeader(line)))
                continue;
        }
        if (std::optional<SpinRecord> record = DecodeSpinRecord(line)) {
            file.records.push_back(std::move(*record));
        } else {
            ++file.skipped;
        }
    }
    if (file.records.size() > limit)
        file.records.erase(file.records.begin(),
                           file.records.end() - static_cast<std::ptrdiff_t>(limit));
    return file;
}

std::string FormatHistory(const std::optional<HistoryHeader>& header,
                          const std::vector<SpinRecord>& records) {
    std::string text;
    if (header)
        text = EncodeHistoryHeader(*header) + '\n';
    for (const SpinRecord& record : records) {
        text += EncodeSpinRecord(record);
        text += '\n';
    }
    return text;
}

HistoryFile ReadHistoryFile(const std::filesystem::path& file, std::optional<Notice>& problem) {
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return {};
    Notice reason;
    const auto bytes = ReadRegularFile(file, kMaxHistoryFileBytes, false, reason);
    if (!bytes) {
        problem = Notice(QT_TRANSLATE_NOOP("Storage", "The history file %1 cannot be read: %2."),
                         {file.string(), reason});
        return {};
    }
    return ParseHistory(
        std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace quillane
