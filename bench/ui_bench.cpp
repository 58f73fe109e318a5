#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "fakes.h"
#include "ui/Unit1.h"
#include "virtual_clock.h"

// Painting the cabinet on a screen QUILLANE_BENCH_SCREEN ("1920x1500") wide, offscreen.
namespace {

using namespace quillane;

struct Cabinet {
    testing::VirtualClock clock;
    testing::RecordingSound sound;
    testing::RecordingMusic music;
    testing::RecordingMessages messages;
    std::unique_ptr<TForm1> form;

    Cabinet() {
        const auto dir = std::filesystem::temp_directory_path() / "quillane-bench";
        std::filesystem::create_directories(dir / "config");
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        Environment environment{
            clock,
            sound,
            music,
            messages,
            [](const std::filesystem::path&) { return std::make_unique<testing::RecordingHelp>(); },
            dir / "quillane",
            [] { return 1u; }};
        form = std::make_unique<TForm1>(environment);
        form->show();
        clock.ProcessEvents();
    }
};

Cabinet& Shared() {
    static Cabinet cabinet;
    return cabinet;
}

void BM_FormPaint(benchmark::State& state) {
    TForm1& form = *Shared().form;
    for (auto _ : state)
        form.FormPaint();
    state.SetLabel("layout width " + std::to_string(form.layoutWidth()));
}
BENCHMARK(BM_FormPaint)->Unit(benchmark::kMillisecond);

void BM_ReelMotionFrame(benchmark::State& state) {
    TForm1& form = *Shared().form;
    int offset = 0;
    for (auto _ : state) {
        for (int reel = 0; reel < 5; ++reel)
            form.DrawReelMotion(reel, (offset + 97 * reel) % form.motionStripHeight());
        offset = (offset + form.ScaleToScreen(61)) % form.motionStripHeight();
    }
    state.SetLabel("layout width " + std::to_string(form.layoutWidth()));
}
BENCHMARK(BM_ReelMotionFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    const char* size = std::getenv("QUILLANE_BENCH_SCREEN");
    std::string s = size ? size : "800x700";
    const auto x = s.find('x');
    const auto config = std::filesystem::temp_directory_path() / "quillane-bench-screen.json";
    std::ofstream(config) << R"({"windowFrameMargins": false, "screens": [{"name": "s", "width": )"
                          << s.substr(0, x) << R"(, "height": )" << s.substr(x + 1)
                          << R"(, "logicalDpi": 96}]})";
    const std::string platform = "offscreen:configfile=" + config.string();
    ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
