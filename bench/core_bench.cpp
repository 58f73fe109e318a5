#include <benchmark/benchmark.h>

#include "core/exact_return.h"
#include "sim/simulator.h"

namespace {

void BM_SimulatedSpin(benchmark::State& state) {
    quillane::sim::Simulator simulator(1, 9, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(simulator.Play());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulatedSpin);

void BM_ExactReturn(benchmark::State& state) {
    const auto reels = quillane::DecodeStrips();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillane::ComputeExactReturn(reels, 9));
}
BENCHMARK(BM_ExactReturn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
