#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/statistics_window.h"

// render_stats CREDITS BORROWED SPINS TOTAL_BETS BONUS OUT.png: the statistics window as the
// game shows it for that account, for comparing with what a real display shows.
int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr,
                     "usage: render_stats CREDITS BORROWED SPINS TOTAL_BETS BONUS OUT.png\n");
        return 2;
    }
    QApplication app(argc, argv);
    using namespace quillane;
    auto number = [&](int i) {
        return static_cast<std::int32_t>(std::strtol(argv[i], nullptr, 10));
    };
    const Account account{number(1), number(2), number(3), number(4), number(5)};
    StatisticsWindow stats(TakeStatistics(account));
    stats.show();
    QApplication::processEvents();
    return stats.grab().save(QString::fromLocal8Bit(argv[6])) ? 0 : 1;
}
