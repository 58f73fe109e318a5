#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "standalone_cabinet.h"

// Painting the cabinet on a screen QUILLANE_BENCH_SCREEN ("1920x1500") wide, offscreen.
namespace {

using namespace quillane;

// The shared cabinet's configuration goes to a directory of its own.
std::filesystem::path BenchDirectory() {
    const auto dir = std::filesystem::temp_directory_path() / "quillane-bench";
    std::filesystem::create_directories(dir / "config");
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    return dir;
}

testing::StandaloneCabinet& Shared() {
    static testing::StandaloneCabinet cabinet(BenchDirectory());
    return cabinet;
}

void BM_Redraw(benchmark::State& state) {
    CabinetWindow& form = *Shared().form;
    for (auto _ : state)
        form.Redraw();
    state.SetLabel("layout width " + std::to_string(form.cabinetGeometry().layoutWidth));
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

void BM_ReelMotionFrame(benchmark::State& state) {
    CabinetWindow& form = *Shared().form;
    int offset = 0;
    for (auto _ : state) {
        for (int reel = 0; reel < 5; ++reel)
            form.painter().DrawReelMotion(reel,
                                          (offset + 97 * reel) % form.cabinetGeometry().motionHeight);
        offset = (offset + form.cabinetGeometry().Scale(61)) % form.cabinetGeometry().motionHeight;
    }
    state.SetLabel("layout width " + std::to_string(form.cabinetGeometry().layoutWidth));
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
