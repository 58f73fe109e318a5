// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bingo_deal.h"

#include "core/bingo_call_runs.h"
#include "core/bingo_columns.h"
#include "core/seed_jump.h"

// The deal turns some 113,000 seeds into draws. Its loops are also built for processors with AVX2
// and with SSE4.2, whose wider vectors and 32-bit multiplies do that much faster; the copy for the
// processor is chosen when the program loads. All reckon in integers alone, so they deal the same.
#if defined(__x86_64__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define QUILLANE_ALSO_FOR_WIDER_VECTORS __attribute__((target_clones("avx2", "sse4.2", "default")))
#endif
#endif
#ifndef QUILLANE_ALSO_FOR_WIDER_VECTORS
#define QUILLANE_ALSO_FOR_WIDER_VECTORS
#endif

namespace quillane {
namespace {

constexpr std::uint64_t kCardDraws =
    std::uint64_t{kCardCount} * BingoColumns::kColumns * BingoColumns::kDraws;
static_assert(kCardDraws + std::uint64_t{kCallShufflePasses} * kBingoNumbers == kBingoDealDraws);

// The columns' vector work goes between the calls' swaps, which mostly wait on memory.
QUILLANE_ALSO_FOR_WIDER_VECTORS void Deal(std::uint32_t seed, BingoDeal& deal) {
    constexpr SeedJump kCards = JumpOver(kCardDraws);
    constexpr std::size_t kSwapsPerColumnStep = 6;
    BingoColumns columns(seed);
    BingoCallRuns calls(kCards.From(seed));
    for (int pass = 0; pass < BingoCallRuns::kPasses; ++pass) {
        calls.Draw();
        for (std::size_t j = 0; j < kBingoNumbers; ++j) {
            calls.Swap(j);
            if (j % kSwapsPerColumnStep == 0 && !columns.Done())
                columns.Step();
        }
    }
    while (!columns.Done())
        columns.Step();
    columns.Deal(deal);
    calls.Deal(deal);
}

}  // namespace

BingoDeal DealBingo(RandomGenerator& random) {
    constexpr SeedJump kDeal = JumpOver(kBingoDealDraws);
    const std::uint32_t seed = random.seed();
    BingoDeal deal;
    Deal(seed, deal);
    random.Seed(kDeal.From(seed));
    return deal;
}

}  // namespace quillane
