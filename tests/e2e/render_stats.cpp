// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "core/return_figures.h"
#include "storage/game_history.h"
#include "ui/account/statistics_window.h"

// render_stats CREDITS BORROWED SPINS TOTAL_BETS BONUS OUT.png [DATA_DIR]: the statistics window
// as the game shows it for that account, at 9 lines of 1 credit, with the credits plot from the
// game history in DATA_DIR, for comparing with what a real display shows.
int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) {
        std::fprintf(stderr,
                     "usage: render_stats CREDITS BORROWED SPINS TOTAL_BETS BONUS OUT.png "
                     "[DATA_DIR]\n");
        return 2;
    }
    QApplication app(argc, argv);
    using namespace quillane;
    auto number = [&](int i) {
        return static_cast<std::int32_t>(std::strtol(argv[i], nullptr, 10));
    };
    const Account account{number(1), number(2), number(3), number(4), number(5)};
    std::optional<Notice> problem;
    const GameHistory history(
        argc == 8
            ? ReadHistoryFile(std::filesystem::path(argv[7]) / "quillane-history.jsonl", problem)
                  .records
            : std::vector<SpinRecord>{});
    StatisticsWindow stats(TakeStatistics(account), ComputeTheoreticalReturn(9, 1),
                           history.Balances());
    stats.show();
    QApplication::processEvents();
    return stats.grab().save(QString::fromLocal8Bit(argv[6])) ? 0 : 1;
}
