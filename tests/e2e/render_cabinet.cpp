#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "fakes.h"
#include "ui/Unit1.h"
#include "virtual_clock.h"

// render_cabinet PROGRAM_DIR OUT.png: the cabinet as the game paints it at start-up, on the
// screen Qt is given, for comparing with what a real display shows.
int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_cabinet PROGRAM_DIR OUT.png\n");
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
        std::filesystem::path(argv[1]) / "quillane",
        [] { return 0u; }};
    TForm1 form(environment);
    form.show();
    clock.ProcessEvents();
    return form.surface().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
