// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/exact_return.h"

#include <algorithm>
#include <map>
#include <vector>

#include "core/line_evaluator.h"
#include "core/paylines.h"
#include "core/paytable.h"

namespace quillane {

std::vector<std::uint64_t> FinalLineStates(const ReelSymbols& reels) {
    const LineEvaluator& lines = LineEvaluator::Instance();
    std::vector<std::uint64_t> ways(static_cast<std::size_t>(lines.StateCount()));
    ways[lines.start()] = 1;
    for (const ReelStrip& strip : reels) {
        std::vector<std::uint64_t> next(ways.size());
        for (std::size_t s = 0; s < ways.size(); ++s) {
            if (ways[s] == 0)
                continue;
            for (Symbol c : strip)
                next[lines.Next(static_cast<LineEvaluator::State>(s), c)] += ways[s];
        }
        ways = std::move(next);
    }
    return ways;
}

namespace {

using Count = std::uint64_t;

// Every line sees each strip position of a reel at exactly one stop, so one line's pay depends
// only on how often each symbol occurs on each strip.
Count TotalLinePay(const ReelSymbols& reels) {
    const LineEvaluator& lines = LineEvaluator::Instance();
    const std::vector<Count> ways = FinalLineStates(reels);
    Count total = 0;
    for (std::size_t s = 0; s < ways.size(); ++s) {
        total += ways[s] * static_cast<Count>(lines.Pay(static_cast<LineEvaluator::State>(s)).pays);
    }
    return total;
}

// What decides a spin's hits so far: each played line's state, whether one has paid already,
// and the balls seen (three are as good as more). Paid spins collapse into one state.
struct HitState {
    std::array<LineEvaluator::State, kPaylineCount> lines{};
    bool linePaid = false;
    int balls = 0;

    auto operator<=>(const HitState&) const = default;
};

}  // namespace

std::vector<std::uint64_t> BallCombinations(const ReelSymbols& reels) {
    std::vector<Count> ways(kReelCount * kRowCount + 1);
    ways[0] = 1;
    for (const ReelStrip& strip : reels) {
        std::vector<Count> next(ways.size());
        for (int stop = 1; stop <= kStripLength; ++stop) {
            const auto shown = static_cast<std::size_t>(BallsShown(strip, stop));
            for (std::size_t b = 0; b + shown < next.size(); ++b)
                next[b + shown] += ways[b];
        }
        ways = std::move(next);
    }
    return ways;
}

ExactReturn ComputeExactReturn(const ReelSymbols& reels, int linesBet) {
    const LineEvaluator& evaluator = LineEvaluator::Instance();
    ExactReturn exact;
    exact.combinations = 1;
    for (int r = 0; r < kReelCount; ++r)
        exact.combinations *= kStripLength;
    const auto total = static_cast<double>(exact.combinations);

    exact.lineReturn = static_cast<double>(TotalLinePay(reels)) / total;

    const std::vector<Count> ballWays = BallCombinations(reels);
    Count scatterPay = 0;
    Count triggers = 0;
    for (std::size_t b = 0; b < ballWays.size(); ++b) {
        const std::size_t payIndex = std::min(b, kScatterPays.size() - 1);
        scatterPay += ballWays[b] * static_cast<Count>(kScatterPays[payIndex]);
        if (b >= kBonusBallCount)
            triggers += ballWays[b];
    }
    exact.scatterReturn = static_cast<double>(scatterPay) / total;
    exact.bonusTriggerRate = static_cast<double>(triggers) / total;

    const int played = std::clamp(linesBet, 0, kPaylineCount);
    std::map<HitState, Count> ways{{HitState{}, 1}};
    for (int reel = 0; reel < kReelCount; ++reel) {
        const ReelStrip& strip = reels[static_cast<std::size_t>(reel)];
        std::map<HitState, Count> next;
        for (const auto& [state, count] : ways) {
            for (int stop = 1; stop <= kStripLength; ++stop) {
                HitState to = state;
                to.balls = std::min(kBonusBallCount, state.balls + BallsShown(strip, stop));
                if (!to.linePaid) {
                    for (int n = 0; n < played; ++n) {
                        const Row row =
                            kPaylines[static_cast<std::size_t>(n)][static_cast<std::size_t>(reel)];
                        auto& line = to.lines[static_cast<std::size_t>(n)];
                        line = evaluator.Next(line, SymbolInRow(strip, stop, row));
                        if (evaluator.Pay(line).pays > 0)
                            to.linePaid = true;
                    }
                    if (to.linePaid)
                        to.lines = {};
                }
                next[to] += count;
            }
        }
        ways = std::move(next);
    }
    Count lineHits = 0;
    Count hits = 0;
    for (const auto& [state, count] : ways) {
        if (state.linePaid)
            lineHits += count;
        if (state.linePaid || kScatterPays[static_cast<std::size_t>(state.balls)] > 0)
            hits += count;
    }
    exact.lineHitRate = static_cast<double>(lineHits) / total;
    exact.hitRate = static_cast<double>(hits) / total;
    return exact;
}

}  // namespace quillane
