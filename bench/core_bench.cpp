// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <benchmark/benchmark.h>

#include "core/bingo.h"
#include "core/exact_return.h"
#include "core/spin_draw.h"
#include "core/spin_result.h"
#include "sim/batch_player.h"
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

// Spins with their bonus games as quillane-sim plays them, the games shared among the threads.
void BM_SpinsWithBonusGames(benchmark::State& state) {
    quillane::sim::PlaySettings settings;
    settings.seed = 1;
    quillane::sim::BatchPlayer player(settings, static_cast<int>(state.range(0)));
    constexpr std::size_t kBatch = 16384;
    for (auto _ : state)
        benchmark::DoNotOptimize(player.Play(kBatch));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kBatch));
}
BENCHMARK(BM_SpinsWithBonusGames)->ArgName("threads")->Arg(1)->Arg(2)->UseRealTime();

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
