#include "core/bingo_deal.h"

#include <cstddef>
#include <numeric>
#include <utility>

#include "core/seed_jump.h"

// The deal turns some 113,000 seeds into draws. Its two loops are also built for processors with
// AVX2 and with SSE4.2, whose wider vectors and 32-bit multiplies do that much faster; the copy
// for the processor is chosen when the program loads. All reckon in integers alone, so they deal
// the same.
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

constexpr int kColumns = 5;
constexpr int kRows = 5;
constexpr int kColumnDraws = kCardShufflePasses * kColumnNumbers;
constexpr std::uint64_t kCardDraws = std::uint64_t{kCardCount} * kColumns * kColumnDraws;
static_assert(kCardDraws + std::uint64_t{kCallShufflePasses} * kBingoNumbers == kBingoDealDraws);

// One byte lane per column shuffle: 25 of them, padded to whole vectors.
constexpr std::size_t kLanes = 32;
static_assert(kLanes >= kCardCount * kColumns);
using Lanes = std::array<std::uint8_t, kLanes>;

// The call shuffle's passes in seven runs of 143.
constexpr int kRuns = 7;
constexpr int kRunPasses = kCallShufflePasses / kRuns;
static_assert(kRuns * kRunPasses == kCallShufflePasses);

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

// Draw(15) from the seed it leaves: 15 s = 16 s - s, so the top four bits of s, less one when the
// subtraction borrows. Kept in 32 bits, eight lanes fit where four 64-bit products would.
std::uint8_t FifteenthOf(std::uint32_t seed) {
    const std::uint32_t low = seed << 4;
    return static_cast<std::uint8_t>((seed >> 28) - (low < seed ? 1u : 0u));
}

// A card's rows are the first five entries of its shuffled columns. Followed back through a
// column's swaps, last first, position `row` ends on the entry that lands there: a swap of j and
// p sends whatever is at either to the other. The 25 columns go side by side, a byte lane each,
// their seeds stepped backwards, so every loop works on whole vectors and no list is kept.
QUILLANE_ALSO_FOR_WIDER_VECTORS void DealColumns(std::uint32_t seed, BingoDeal& deal) {
    constexpr SeedJump kColumn = JumpOver(kColumnDraws);
    std::array<std::uint32_t, kLanes> seeds;  // each lane's seed after its last draw
    seeds[0] = kColumn.From(seed);
    for (std::size_t lane = 1; lane < kLanes; ++lane)
        seeds[lane] = kColumn.From(seeds[lane - 1]);
    std::array<Lanes, kRows> at;  // at[row][lane]: the position followed so far
    for (std::size_t row = 0; row < at.size(); ++row)
        at[row].fill(static_cast<std::uint8_t>(row));

    for (int pass = 0; pass < kCardShufflePasses; ++pass) {
        for (int j = kColumnNumbers - 1; j >= 0; --j) {
            const auto swapped = static_cast<std::uint8_t>(j);
            Lanes drawn;
            Lanes toggle;  // xored onto j or onto the drawn position, it gives the other
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                drawn[lane] = FifteenthOf(seeds[lane]);
                toggle[lane] = swapped ^ drawn[lane];
                seeds[lane] = SeedBefore(seeds[lane]);
            }
            for (Lanes& positions : at) {
                for (std::size_t lane = 0; lane < kLanes; ++lane) {
                    const std::uint8_t x = positions[lane];
                    const auto hit = static_cast<std::uint8_t>((x == swapped) | (x == drawn[lane]));
                    positions[lane] = x ^ (toggle[lane] & static_cast<std::uint8_t>(-hit));
                }
            }
        }
    }
    for (int card = 0; card < kCardCount; ++card) {
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                const int entry = at[Index(row)][Index(card * kColumns + column)];
                deal.cards[Index(card)][Index(column * kRows + row)] =
                    static_cast<std::uint16_t>(entry + 1 + kColumnNumbers * column);
            }
        }
    }
}

// Each draw's jump from the seed a pass starts with, kept as two columns so that the products
// vectorise.
struct PassJumps {
    std::array<std::uint32_t, kBingoNumbers> multiplier{};
    std::array<std::uint32_t, kBingoNumbers> increment{};
};

constexpr PassJumps MakePassJumps() {
    constexpr auto jumps = SeedJumps<kBingoNumbers>();
    PassJumps pass;
    for (std::size_t j = 0; j < pass.multiplier.size(); ++j) {
        pass.multiplier[j] = jumps[j + 1].multiplier;
        pass.increment[j] = jumps[j + 1].increment;
    }
    return pass;
}

// A pass moves entries by position alone, so runs of passes made on the positions 0 to 74, each
// from its own seed, chain into the whole shuffle. Their swaps interleave, and a swap seldom
// waits for the one before it to reach memory.
QUILLANE_ALSO_FOR_WIDER_VECTORS void DealCalls(std::uint32_t seed, BingoDeal& deal) {
    static constexpr PassJumps kDraws = MakePassJumps();
    constexpr SeedJump kPass = JumpOver(kBingoNumbers);
    constexpr SeedJump kRun = JumpOver(std::uint64_t{kRunPasses} * kBingoNumbers);
    using Positions = std::array<std::uint8_t, kBingoNumbers>;
    std::array<Positions, kRuns> runs;
    std::array<std::uint32_t, kRuns> seeds;
    for (std::size_t k = 0; k < kRuns; ++k) {
        std::iota(runs[k].begin(), runs[k].end(), 0);
        seeds[k] = k == 0 ? seed : kRun.From(seeds[k - 1]);
    }
    // Draw(75) is the top half of 75 times the drawn seed.
    std::array<std::array<std::uint64_t, kBingoNumbers>, kRuns> scaled;
    for (int pass = 0; pass < kRunPasses; ++pass) {
        for (std::size_t k = 0; k < kRuns; ++k) {
            const std::uint32_t start = seeds[k];
            for (std::size_t j = 0; j < kBingoNumbers; ++j) {
                const auto drawnSeed =
                    static_cast<std::uint32_t>(std::uint64_t{kDraws.multiplier[j]} * start) +
                    kDraws.increment[j];
                scaled[k][j] = std::uint64_t{drawnSeed} * kBingoNumbers;
            }
            seeds[k] = kPass.From(start);
        }
        for (std::size_t j = 0; j < kBingoNumbers; ++j) {
            for (std::size_t k = 0; k < kRuns; ++k) {
                // A draw below 75 fits a byte, which the swap loads on its own.
                const auto drawn = static_cast<std::uint8_t>(scaled[k][j] >> 32);
                std::swap(runs[k][j], runs[k][drawn]);
            }
        }
    }
    Positions order = runs[0];
    for (std::size_t k = 1; k < kRuns; ++k) {
        Positions next;
        for (std::size_t i = 0; i < next.size(); ++i)
            next[i] = order[runs[k][i]];
        order = next;
    }
    for (std::size_t i = 0; i < order.size(); ++i)
        deal.sequence[i] = static_cast<std::uint16_t>(order[i] + 1);
}

}  // namespace

BingoDeal DealBingo(RandomGenerator& random) {
    constexpr SeedJump kCards = JumpOver(kCardDraws);
    constexpr SeedJump kDeal = JumpOver(kBingoDealDraws);
    const std::uint32_t seed = random.seed();
    BingoDeal deal;
    DealColumns(seed, deal);
    DealCalls(kCards.From(seed), deal);
    random.Seed(kDeal.From(seed));
    return deal;
}

}  // namespace quillane
