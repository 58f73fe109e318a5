#include <benchmark/benchmark.h>

#include "core/bingo.h"
#include "core/exact_return.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"
#include "sim/simulator.h"

namespace {

// The base game alone: the ten draws and the scoring, without the bonus games that follow
// one spin in 17 in the simulator.
void BM_DrawnAndScoredSpin(benchmark::State& state) {
    quillane::RandomGenerator random(1);
    const quillane::SpinScorer scorer(quillane::DecodeStrips());
    quillane::SpinResult result;
    for (auto _ : state) {
        const auto stops = quillane::DrawSpin(random, quillane::kMotionStripDesignHeight).stops;
        scorer.Score(stops, 9, 1, result);
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawnAndScoredSpin);

void BM_SimulatedSpin(benchmark::State& state) {
    quillane::sim::Simulator simulator(1, 9, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(simulator.Play());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SimulatedSpin);

// Whole bonus games, dealt and played to the blackout; the simulator needs 5,000 a second.
void BM_BonusGame(benchmark::State& state) {
    quillane::RandomGenerator random(1);
    for (auto _ : state) {
        quillane::BingoGame game(random, 9);
        game.PlayOut();
        benchmark::DoNotOptimize(game.total(0));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BonusGame);

void BM_ExactReturn(benchmark::State& state) {
    const auto reels = quillane::DecodeStrips();
    for (auto _ : state)
        benchmark::DoNotOptimize(quillane::ComputeExactReturn(reels, 9));
}
BENCHMARK(BM_ExactReturn)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
