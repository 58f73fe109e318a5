#include "storage/game_history.h"

#include <exception>
#include <system_error>
#include <utility>

#include "core/saved_game.h"
#include "storage/history_json.h"
#include "storage/profile.h"
#include "storage/regular_file.h"

namespace quillane {

std::vector<SpinRecord> ParseHistory(std::string_view text, std::size_t limit,
                                     std::size_t& skipped) {
    std::vector<SpinRecord> records;
    skipped = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (std::optional<SpinRecord> record = DecodeSpinRecord(line)) {
            records.push_back(std::move(*record));
        } else {
            ++skipped;
        }
    }
    if (records.size() > limit)
        records.erase(records.begin(), records.end() - static_cast<std::ptrdiff_t>(limit));
    return records;
}

GameHistory::GameHistory(std::filesystem::path directory, std::string stem)
    : directory_(std::move(directory)), stem_(std::move(stem)) {
    if (directory_.empty()) {
        problem_ = "There is no data directory to keep it in.";
        return;
    }
    // Left by a copy killed while it wrote; only this copy runs now.
    try {
        profile::SweepStaleTemporaries(LiveFile());
        for (int slot = 0; slot < kSavedSlotCount; ++slot)
            profile::SweepStaleTemporaries(SlotFile(slot));
    } catch (const std::exception&) {
    }
    records_ = Read(LiveFile());
}

std::filesystem::path GameHistory::LiveFile() const {
    return directory_.empty() ? std::filesystem::path() : directory_ / (stem_ + "-history.jsonl");
}

std::filesystem::path GameHistory::SlotFile(int slot) const {
    return directory_.empty()
               ? std::filesystem::path()
               : directory_ / (stem_ + "-history-slot" + std::to_string(slot + 1) + ".jsonl");
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
    lastAdded_ = true;
    Write(LiveFile(), records_);
}

void GameHistory::AttachBonus(const BonusRecord& bonus, std::int64_t creditsAfter) {
    if (!lastAdded_ || records_.empty() || records_.back().bonus)
        return;
    records_.back().bonus = bonus;
    records_.back().creditsAfter = creditsAfter;
    Write(LiveFile(), records_);
}

void GameHistory::NewGame() {
    records_.clear();
    lastAdded_ = false;
    Write(LiveFile(), records_);
}

void GameHistory::SaveTo(int slot) {
    if (slot < 0 || slot >= kSavedSlotCount)
        return;
    Write(SlotFile(slot), records_);
}

void GameHistory::OpenFrom(int slot) {
    if (slot < 0 || slot >= kSavedSlotCount)
        return;
    lastAdded_ = false;
    records_ = directory_.empty() ? std::vector<SpinRecord>{} : Read(SlotFile(slot));
    Write(LiveFile(), records_);
}

std::vector<SpinRecord> GameHistory::Read(const std::filesystem::path& file) {
    skipped_ = 0;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, error)))
        return {};
    std::string reason;
    const auto bytes = ReadRegularFile(file, kMaxFileBytes, false, reason);
    if (!bytes) {
        problem_ = "The history file " + file.string() + " cannot be read: " + reason + ".";
        return {};
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    return ParseHistory(text, kMaxRecords, skipped_);
}

void GameHistory::Write(const std::filesystem::path& file, const std::vector<SpinRecord>& records) {
    if (directory_.empty())
        return;
    std::string text;
    for (const SpinRecord& record : records) {
        text += EncodeSpinRecord(record);
        text += '\n';
    }
    try {
        profile::ReplaceFile(file, text);
    } catch (const profile::WriteError& error) {
        problem_ =
            "The history file " + file.string() + " cannot be written: " + error.reason() + ".";
    } catch (const std::exception& error) {
        problem_ = error.what();
    }
}

}  // namespace quillane
