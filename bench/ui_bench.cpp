// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
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
    // The larger symbol sheets, as the game has them beside itself.
    for (const auto& file : std::filesystem::directory_iterator(QUILLANE_SHIPPED_FILES)) {
        if (file.path().extension() == ".jpg")
            std::filesystem::copy_file(file.path(), dir / file.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    return dir;
}

testing::StandaloneCabinet& Shared() {
    static testing::StandaloneCabinet cabinet(BenchDirectory());
    return cabinet;
}

void BM_Redraw(benchmark::State& state) {
    CabinetWindow& cabinet = *Shared().window;
    for (auto _ : state)
        cabinet.Redraw();
    state.SetLabel("layout width " + std::to_string(cabinet.cabinetGeometry().layoutWidth));
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

void BM_ReelMotionFrame(benchmark::State& state) {
    CabinetWindow& cabinet = *Shared().window;
    int offset = 0;
    for (auto _ : state) {
        for (int reel = 0; reel < 5; ++reel)
            cabinet.painter().DrawReelMotion(
                reel, (offset + 97 * reel) % cabinet.cabinetGeometry().motionHeight);
        offset =
            (offset + cabinet.cabinetGeometry().Scale(61)) % cabinet.cabinetGeometry().motionHeight;
    }
    state.SetLabel("layout width " + std::to_string(cabinet.cabinetGeometry().layoutWidth));
}
BENCHMARK(BM_ReelMotionFrame)->Unit(benchmark::kMicrosecond);

// Counts the pixels the view is asked to paint.
class PaintedArea : public QObject {
  public:
    long long pixels = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<long long>(r.width()) * r.height();
        }
        return false;
    }
};

// A reel motion frame as the player gets it: drawn on the surface, then painted on the window and
// flushed to the screen.
void BM_ReelFrameOnScreen(benchmark::State& state) {
    CabinetWindow& cabinet = *Shared().window;
    cabinet.showNormal();
    QApplication::processEvents();
    PaintedArea painted;
    cabinet.centralWidget()->installEventFilter(&painted);
    const int height = cabinet.cabinetGeometry().motionHeight;
    int offset = 0;
    for (auto _ : state) {
        for (int reel = 0; reel < 5; ++reel)
            cabinet.painter().DrawReelMotion(reel, (offset + 97 * reel) % height);
        offset = (offset + cabinet.cabinetGeometry().Scale(61)) % height;
        QApplication::processEvents();
    }
    cabinet.centralWidget()->removeEventFilter(&painted);
    state.counters["painted px/frame"] =
        benchmark::Counter(static_cast<double>(painted.pixels), benchmark::Counter::kAvgIterations);
    state.SetLabel("layout width " + std::to_string(cabinet.cabinetGeometry().layoutWidth) +
                   ", window " + std::to_string(cabinet.centralWidget()->width()) + "x" +
                   std::to_string(cabinet.centralWidget()->height()));
}
BENCHMARK(BM_ReelFrameOnScreen)->Unit(benchmark::kMicrosecond);

// A window manager's resize: the pictures prepared again for the new width and the surface
// redrawn, between two sizes of the screen that differ by a few pixels.
void BM_Relayout(benchmark::State& state) {
    CabinetWindow& cabinet = *Shared().window;
    cabinet.showNormal();
    const QSize full = cabinet.size();
    bool smaller = false;
    for (auto _ : state) {
        smaller = !smaller;
        cabinet.resize(full - (smaller ? QSize(8, 6) : QSize(0, 0)));
        QApplication::processEvents();
    }
    state.SetLabel("layout width " + std::to_string(cabinet.cabinetGeometry().layoutWidth));
}
BENCHMARK(BM_Relayout)->Unit(benchmark::kMillisecond);

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
