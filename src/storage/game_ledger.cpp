// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/game_ledger.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <exception>
#include <utility>

#include "storage/options_file.h"
#include "storage/paths.h"
#include "storage/profile.h"

namespace quillane {
namespace {

constexpr const char* kNoDataDirectory =
    QT_TRANSLATE_NOOP("Storage", "There is no data directory to keep it in.");
constexpr std::size_t kUnreadableShown = 3;

std::int64_t Now() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

GameLedger::Files GameLedger::FilesFor(const std::string& stem) {
    Files files;
    files.stem = stem;
    try {
        files.gameFile = GameFilePath(stem);
        files.historyDirectory = DataDirectory();
    } catch (const NoticeError& error) {
        files.gameFile.clear();
        files.problem = error.notice();
    } catch (const std::exception& error) {
        files.gameFile.clear();
        files.problem = Notice(error.what());
    }
    return files;
}

GameLedger::GameLedger(Files files, StorageWriter::Mode mode, GameFile::DateSource today)
    : files_(std::move(files)), today_(std::move(today)), writer_(mode) {
    for (int slot = 0; slot < kSavedSlotCount; ++slot)
        slots_[static_cast<std::size_t>(slot)].name = SlotSection(slot);
}

GameLedger::~GameLedger() = default;

std::filesystem::path GameLedger::HistoryFile(int slot) const {
    if (files_.historyDirectory.empty())
        return {};
    const std::string suffix = slot == kCurrentGameSlot ? "" : "-slot" + std::to_string(slot + 1);
    return files_.historyDirectory / (files_.stem + "-history" + suffix + ".jsonl");
}

std::vector<Notice> GameLedger::Load() {
    std::vector<Notice> problems;
    if (files_.problem)
        problems.push_back(*files_.problem);
    const std::string today = today_();
    for (SavedGame& slot : slots_)
        slot.date = today;
    if (files_.historyDirectory.empty())
        NoteHistoryProblem(Notice(kNoDataDirectory, {}));
    if (!keeps())
        return problems;

    std::error_code missing;
    // Without a game file every game starts anew: the histories left belong to games thrown away.
    const bool fresh =
        !std::filesystem::exists(std::filesystem::symlink_status(files_.gameFile, missing));
    const GameFile file(files_.gameFile, today_);
    if (auto problem = file.Problem())
        problems.push_back(*problem);
    // Left by a copy killed while it wrote; only this copy runs now.
    file.SweepStaleTemporaries();
    const std::string text = profile::LoadText(files_.gameFile);
    GameFileContents contents = ReadGameFile(text, today);
    options_ = ParseOptions(text);
    if (!contents.unreadable.empty())
        KeepAside(contents.unreadable, problems);
    if (auto problem = CheckFolder())
        problems.push_back(*problem);

    std::array<quillane::HistoryFile, kGameSections> histories;
    for (int slot = 0; slot < kGameSections && !files_.historyDirectory.empty(); ++slot) {
        std::optional<Notice> problem;
        try {
            profile::SweepStaleTemporaries(HistoryFile(slot));
        } catch (const std::exception&) {
        }
        histories[static_cast<std::size_t>(slot)] = ReadHistoryFile(HistoryFile(slot), problem);
        if (problem)
            NoteHistoryProblem(problem);
    }
    for (int slot = 0; slot < kGameSections; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        const std::optional<HistoryHeader>& header = histories[s].header;
        // A section without a serial was written by hand or by an older game: it stands.
        const std::uint64_t kept =
            contents.serials[s].value_or(contents.present[s] ? UINT64_MAX : 0);
        serial_ = std::max(serial_, contents.serials[s].value_or(0));
        if (!header)
            continue;
        serial_ = std::max(serial_, header->serial);
        if (fresh)
            histories[s].records.clear();
        if (fresh || header->serial <= kept)
            continue;
        contents.games[s] = header->game;
        if (slot == kCurrentGameSlot)
            contents.bonus = header->bonus;
        PostGame(slot, *header, {}, false);
    }
    current_ = {contents.games[kCurrentGameSlot].account, contents.bonus};
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        slots_[s] = contents.games[s];
        slots_[s].name = FirstCharacters(slots_[s].name, kGameNameLength);
        slots_[s].date = FirstCharacters(slots_[s].date, kGameDateLength);
        slotHistories_[s] = std::move(histories[s].records);
    }
    live_ = GameHistory(std::move(histories[kCurrentGameSlot].records));
    // The thrown-away histories are replaced, so that none can complete a game at a later start.
    for (int slot = 0; slot < kGameSections && fresh; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (histories[s].header)
            PostGame(slot, HistoryHeader{++serial_, contents.games[s], std::nullopt}, {}, true);
    }
    return problems;
}

SavedGame GameLedger::Slot(int slot) const {
    if (slot == kCurrentGameSlot)
        return {SlotSection(slot), today_(), current_.account};
    return slots_.at(static_cast<std::size_t>(slot));
}

std::uint64_t GameLedger::Commit(const SettledGame& game, const HistoryChange& change) {
    current_ = game;
    switch (change.kind) {
        case HistoryChange::Kind::AddSpin: {
            SpinRecord record = change.spin;
            record.time = Now();
            live_.Add(record);
            break;
        }
        case HistoryChange::Kind::AttachBonus:
            live_.AttachBonus(change.bonus, change.creditsAfter);
            break;
        case HistoryChange::Kind::NewGame:
            live_ = GameHistory();
            break;
        case HistoryChange::Kind::FromSlot:
            if (change.slot >= 0 && change.slot < kSavedSlotCount)
                live_ = GameHistory(slotHistories_[static_cast<std::size_t>(change.slot)]);
            break;
        case HistoryChange::Kind::None:
            break;
    }
    ++serial_;
    // The date is the day of the write, taken by the writer.
    PostGame(kCurrentGameSlot,
             HistoryHeader{serial_, SavedGame{SlotSection(kCurrentGameSlot), {}, game.account},
                           game.bonus},
             live_.records(), true);
    return serial_;
}

std::uint64_t GameLedger::File(int slot, const std::string& name, const Account& account) {
    const std::string date = today_();
    const auto s = static_cast<std::size_t>(slot);
    slots_.at(s) = SavedGame{FirstCharacters(name, kGameNameLength),
                             FirstCharacters(date, kGameDateLength), account};
    slotHistories_[s] = live_.records();
    ++serial_;
    PostGame(slot, HistoryHeader{serial_, SavedGame{name, date, account}, std::nullopt},
             live_.records(), true);
    return serial_;
}

void GameLedger::Recommit() {
    ++serial_;
    PostGame(kCurrentGameSlot,
             HistoryHeader{serial_, SavedGame{SlotSection(kCurrentGameSlot), {}, current_.account},
                           current_.bonus},
             live_.records(), true);
}

bool GameLedger::Written(std::uint64_t ticket) const {
    return !keeps() || writer_.done() >= ticket;
}

std::optional<Notice> GameLedger::historyProblem() const {
    std::lock_guard lock(problemMutex_);
    return historyProblem_;
}

void GameLedger::NoteHistoryProblem(std::optional<Notice> problem) {
    std::lock_guard lock(problemMutex_);
    historyProblem_ = std::move(problem);
}

void GameLedger::StoreOptions(const PlayerOptions& options) {
    options_ = options;
    if (!keeps())
        return;
    writer_.Post(kOptions, ++serial_, [file = files_.gameFile, options]() -> std::optional<Notice> {
        try {
            WriteOptions(file, options);
        } catch (const profile::WriteError& error) {
            return error.notice();
        }
        return std::nullopt;
    });
}

void GameLedger::PostGame(int slot, HistoryHeader header, std::vector<SpinRecord> records,
                          bool withHistory) {
    if (!keeps())
        return;
    const std::uint64_t ticket = header.serial;
    writer_.Post(
        slot, ticket,
        [this, slot, header = std::move(header), records = std::move(records), withHistory,
         gameFile = files_.gameFile, history = HistoryFile(slot),
         today = today_]() mutable -> std::optional<Notice> {
            if (header.game.date.empty())
                header.game.date = today();
            std::optional<Notice> refusal;
            if (withHistory && !history.empty()) {
                try {
                    profile::ReplaceFile(history, FormatHistory(header, records));
                    NoteHistoryProblem(std::nullopt);
                } catch (const profile::WriteError& error) {
                    refusal = error.notice();
                    NoteHistoryProblem(Notice(
                        QT_TRANSLATE_NOOP("Storage", "The history file %1 cannot be written: %2."),
                        {history.string(), error.reason()}));
                }
            }
            try {
                profile::UpdateFile(gameFile, [&](std::string text) {
                    return WithGame(std::move(text), slot, header.game, header.serial,
                                    header.bonus);
                });
            } catch (const profile::WriteError& error) {
                return error.notice();
            }
            return refusal;
        });
}

void GameLedger::KeepAside(const std::vector<Notice>& unreadable, std::vector<Notice>& problems) {
    std::filesystem::path aside = files_.gameFile;
    aside += ".unreadable";
    // The first few, as a list: "a, b, c, ...".
    Notice values = unreadable.front();
    for (std::size_t i = 1; i < unreadable.size() && i < kUnreadableShown; ++i)
        //: A list and one item more.
        values = Notice(QT_TRANSLATE_NOOP("Storage", "%1, %2"), {values, unreadable[i]});
    if (unreadable.size() > kUnreadableShown)
        //: The end of a list that goes on: %1 is the list.
        values = Notice(QT_TRANSLATE_NOOP("Storage", "%1, ..."), {values});
    std::error_code error;
    const bool earlier = std::filesystem::exists(std::filesystem::symlink_status(aside, error));
    problems.push_back(
        earlier ? Notice(QT_TRANSLATE_NOOP("Storage",
                                           "Some values in the game file %1 cannot be read (%2) "
                                           "and are played as a new game's. A copy of the file as "
                                           "it was at an earlier start is kept in %3."),
                         {files_.gameFile.string(), values, aside.string()})
                : Notice(QT_TRANSLATE_NOOP("Storage",
                                           "Some values in the game file %1 cannot be read (%2) "
                                           "and are played as a new game's. The file as it was is "
                                           "kept in %3."),
                         {files_.gameFile.string(), values, aside.string()}));
    if (earlier)
        return;
    writer_.Post(kCopyAside, ++serial_, [from = files_.gameFile, aside]() -> std::optional<Notice> {
        try {
            profile::ReplaceFile(aside, profile::LoadText(from));
        } catch (const profile::WriteError& error) {
            return error.notice();
        }
        return std::nullopt;
    });
}

std::optional<Notice> GameLedger::CheckFolder() const {
    const std::filesystem::path folder = files_.gameFile.parent_path();
    const auto refused = [&folder](const std::string& reason) {
        return Notice(QT_TRANSLATE_NOOP("Storage",
                                        "The folder %1 cannot be written: %2. The game "
                                        "goes on, but it cannot be kept."),
                      {folder.string(), reason});
    };
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return refused(error.message());
    const std::filesystem::path probe = folder / (".quillane-probe." + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return refused(std::strerror(errno));
    ::close(fd);
    ::unlink(probe.c_str());
    return std::nullopt;
}

}  // namespace quillane
