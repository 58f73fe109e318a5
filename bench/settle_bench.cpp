// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settles spins through the game session and the ledger's writer thread, as the cabinet does but
// without a window: every spin, bonus game, borrow and slot save is committed the moment it is
// settled. At the end the writer is drained and a fresh ledger, as the next start makes it, must
// find the very game in memory, in the game file and in the history.
// Usage: settle_bench [settles] [directory]; prints the rate and the time the commits took.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/game_session.h"
#include "storage/game_ledger.h"

namespace {

namespace fs = std::filesystem;
using namespace quillane;
using Clock = std::chrono::steady_clock;

std::string Today() {
    return "12/07/26";
}

}  // namespace

int main(int argc, char** argv) {
    const long settles = argc > 1 ? std::atol(argv[1]) : 1000000;
    const fs::path directory =
        argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "quillane-settle-bench";
    fs::remove_all(directory);
    const GameLedger::Files files{directory / "quillane.ini", directory / "data", "quillane", {}};

    GameSession session;
    session.Seed(1);
    long committed = 0, spins = 0, bonusGames = 0, saves = 0, borrows = 0;
    Clock::duration inCommits{};
    const auto start = Clock::now();
    {
        GameLedger ledger(files, StorageWriter::Mode::Thread, Today);
        ledger.Load();
        session.UseStore(&ledger);
        const auto timed = [&](auto&& change) {
            const auto before = Clock::now();
            change();
            inCommits += Clock::now() - before;
            ++committed;
        };
        while (committed < settles) {
            if (!session.StakeSpin()) {
                timed([&] { session.Borrow(1000); });
                ++borrows;
                continue;
            }
            timed([&] { session.PlaySpin(kMotionStripDesignHeight); });
            ++spins;
            session.PayStep(true);
            session.EndSpin();
            if (session.bonusTriggered()) {
                timed([&] { session.DealBonusGame(static_cast<std::uint32_t>(spins)); });
                timed([&] { session.ChooseBonusCard(static_cast<int>(spins % kCardCount)); });
                std::int32_t payout = 0;
                timed([&] { payout = session.SettleBonus(); });
                session.ApplyBonusWin(payout);
                session.PayStep(true);
                ++bonusGames;
            }
            if (spins % 1000 == 0) {
                timed([&] { session.Store(static_cast<int>(spins / 1000 % 8), "Bench"); });
                ++saves;
            }
        }
        if (const auto refusal = ledger.writer().Flush()) {
            std::fprintf(stderr, "settle_bench: a write was refused: %s\n",
                         refusal->English().c_str());
            return 1;
        }
        session.UseStore(nullptr);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    GameLedger again(files, StorageWriter::Mode::Inline, Today);
    again.Load();
    std::optional<Notice> problem;
    const HistoryFile history = ReadHistoryFile(again.HistoryFile(kCurrentGameSlot), problem);
    const bool agree =
        again.Current() == session.settled() &&
        GameFile(files.gameFile).Read(kCurrentGameSlot).account == session.settled().account &&
        history.header && history.header->game.account == session.settled().account &&
        history.records.size() == GameHistory::kMaxRecords &&
        history.records.back().creditsAfter == session.settled().account.credits;
    std::printf(
        "settles: %ld (spins %ld, bonus games %ld, saves %ld, borrows %ld) in %.2f s: %.0f a "
        "second; the commits took %.3f us each on the calling thread; the files agree: %s\n",
        committed, spins, bonusGames, saves, borrows, seconds, committed / seconds,
        std::chrono::duration<double, std::micro>(inCommits).count() / committed,
        agree ? "yes" : "no");
    fs::remove_all(directory);
    return agree ? 0 : 1;
}
