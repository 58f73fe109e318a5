// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A child process commits spins and slot saves through the ledger's writer thread as fast as it
// can and is killed at random moments; each kill is followed by a restart, as the game's next
// start would make one. After every restart the game file and the history must agree, hold every
// spin the child saw written (none lost) and none of the spins before undone, and no temporary
// file may be left. Usage: ledger_kill_test [kills] [seconds]; it stops at whichever comes first.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "storage/game_ledger.h"
#include "storage/profile.h"

namespace {

namespace fs = std::filesystem;
using namespace quillane;

GameLedger::Files Files(const fs::path& directory) {
    return {directory / "config" / "quillane.ini", directory / "data", "quillane", {}};
}

std::string Today() {
    return "12/07/26";
}

// The n-th spin of the game: every counter follows from n, so a record mixing two cannot pass.
Account AfterSpin(std::int32_t n) {
    return {1000 + 3 * n, 1000 + n % 7, n, 9 * n, 2 * n};
}

[[noreturn]] void PlayForEver(const fs::path& directory, int report, unsigned seed) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::mt19937 random(seed);
    GameLedger ledger(Files(directory), StorageWriter::Mode::Thread, Today);
    ledger.Load();
    std::int32_t n = ledger.Current().account.spins;
    for (;;) {
        // Now and then several commits at once, which the writer folds into its newest.
        const int burst = random() % 4 == 0 ? 3 : 1;
        std::uint64_t ticket = 0;
        for (int i = 0; i < burst; ++i) {
            ++n;
            HistoryChange change;
            change.kind = HistoryChange::Kind::AddSpin;
            change.spin.bet = 9;
            change.spin.lines = 9;
            change.spin.creditsPerLine = 1;
            change.spin.creditsAfter = AfterSpin(n).credits;
            ticket = ledger.Commit({AfterSpin(n), std::nullopt}, change);
            if (n % 5 == 0)
                ledger.File(n % kSavedSlotCount, "Save " + std::to_string(n), AfterSpin(n));
        }
        while (!ledger.Written(ticket))
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        // Written: the parent may count on it from here.
        if (::write(report, &n, sizeof n) != sizeof n)
            ::_exit(3);
    }
}

int Temporaries(const fs::path& directory) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        count += entry.path().extension() == ".tmp";
    return count;
}

std::optional<std::uint64_t> GameFileSerial(const fs::path& file) {
    const auto text = profile::ReadString(file, "Serials", "CurrentGame", 32);
    return text && !text->empty() ? std::optional<std::uint64_t>(std::stoull(*text)) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 200;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 15;
    std::string pattern = (fs::temp_directory_path() / "quillane-ledger-kill-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path directory = pattern;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 40000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int made = 0, completed = 0, disagreed = 0, lost = 0, undone = 0, stale = 0;
    std::int32_t before = 0;
    while (made < kills && std::chrono::steady_clock::now() < deadline) {
        int pipe[2];
        if (::pipe2(pipe, O_CLOEXEC) != 0) {
            std::perror("pipe");
            return 1;
        }
        const unsigned childSeed = static_cast<unsigned>(random());
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipe[0]);
            PlayForEver(directory, pipe[1], childSeed);
        }
        ::close(pipe[1]);
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ++made;
        std::int32_t written = before, n = 0;
        while (::read(pipe[0], &n, sizeof n) == sizeof n)
            written = n;
        ::close(pipe[0]);

        const GameLedger::Files files = Files(directory);
        const auto fileSerial = GameFileSerial(files.gameFile);
        GameLedger ledger(files, StorageWriter::Mode::Inline, Today);
        ledger.Load();
        std::optional<Notice> problem;
        const HistoryFile history = ReadHistoryFile(ledger.HistoryFile(kCurrentGameSlot), problem);
        completed += history.header && fileSerial && history.header->serial > *fileSerial;
        ledger.writer().Flush();

        const Account account = ledger.Current().account;
        const std::int32_t spins = account.spins;
        const auto& records = ledger.history().records();
        bool agree = account == AfterSpin(spins) &&
                     GameFile(files.gameFile).Read(kCurrentGameSlot).account == account &&
                     records.size() == std::min<std::size_t>(static_cast<std::size_t>(spins),
                                                             GameHistory::kMaxRecords) &&
                     (records.empty() || records.back().creditsAfter == account.credits);
        const HistoryFile afterRestart =
            ReadHistoryFile(ledger.HistoryFile(kCurrentGameSlot), problem);
        agree = agree && (spins == 0 ||
                          (afterRestart.header && afterRestart.header->game.account == account &&
                           afterRestart.records == records));
        for (int slot = 0; slot < kSavedSlotCount; ++slot) {
            const SavedGame saved = ledger.Slot(slot);
            const HistoryFile slotHistory = ReadHistoryFile(ledger.HistoryFile(slot), problem);
            agree =
                agree && (!slotHistory.header || slotHistory.header->game.account == saved.account);
            agree = agree &&
                    (saved.account.spins == 0 || saved.account == AfterSpin(saved.account.spins));
        }
        if (!agree) {
            ++disagreed;
            std::fprintf(stderr, "kill %d: the game file and the history disagree (spins %d)\n",
                         made, spins);
        }
        lost += spins < written;
        undone += spins < before;
        stale += Temporaries(directory);
        before = spins;
    }
    std::error_code ignored;
    fs::remove_all(directory, ignored);

    std::printf(
        "kills: %d, game files completed from their history at the restart: %d, restarts where "
        "the two disagreed: %d, written spins lost: %d, spins undone: %d, temporaries left after "
        "a restart: %d, spins played in all: %d (seed %u)\n",
        made, completed, disagreed, lost, undone, stale, before, seed);
    // A run whose kills never came between the two writes of a commit proves little.
    return made > 0 && completed > 0 && disagreed == 0 && lost == 0 && undone == 0 && stale == 0
               ? 0
               : 1;
}
