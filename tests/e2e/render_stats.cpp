#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "standalone_cabinet.h"
#include "ui/cabinet_window.h"
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
    testing::StandaloneCabinet cabinet(std::filesystem::temp_directory_path() / "quillane-render");
    CabinetWindow& form = *cabinet.form;
    auto number = [&](int i) {
        return static_cast<std::int32_t>(std::strtol(argv[i], nullptr, 10));
    };
    form.state().account = {number(1), number(2), number(3), number(4), number(5)};
    StatisticsWindow stats(form);
    stats.show();
    cabinet.clock.ProcessEvents();
    return stats.grab().save(QString::fromLocal8Bit(argv[6])) ? 0 : 1;
}
