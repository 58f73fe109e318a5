#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "fakes.h"
#include "ui/Stats.h"
#include "ui/Unit1.h"
#include "virtual_clock.h"

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
    testing::VirtualClock clock;
    testing::RecordingSound sound;
    testing::RecordingMusic music;
    testing::RecordingMessages messages;
    Environment environment{
        clock,
        sound,
        music,
        messages,
        [](const std::filesystem::path&) { return std::make_unique<testing::RecordingHelp>(); },
        std::filesystem::temp_directory_path() / "quillane-render" / "quillane",
        [] { return 0u; }};
    TForm1 form(environment);
    auto number = [&](int i) {
        return static_cast<std::int32_t>(std::strtol(argv[i], nullptr, 10));
    };
    form.state().account = {number(1), number(2), number(3), number(4), number(5)};
    TStatsForm stats(form);
    stats.show();
    clock.ProcessEvents();
    return stats.grab().save(QString::fromLocal8Bit(argv[6])) ? 0 : 1;
}
