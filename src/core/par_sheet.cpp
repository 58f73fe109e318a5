// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/par_sheet.h"

#include <algorithm>
#include <cmath>

#include "core/exact_return.h"
#include "core/line_evaluator.h"
#include "core/paylines.h"

namespace quillane {
namespace {

using Count = std::uint64_t;

std::size_t Index(int i) {
    return static_cast<std::size_t>(i);
}

std::int64_t ScatterPay(std::size_t balls) {
    return kScatterPays[std::min(balls, kScatterPays.size() - 1)];
}

// Over the cycle, the sum of payline a's pay times payline b's, following both lines' states.
Count PayProduct(const ReelSymbols& reels, int a, int b) {
    const LineEvaluator& lines = LineEvaluator::Instance();
    const auto states = Index(lines.StateCount());
    std::vector<Count> ways(states * states);  // index: state of a * states + state of b
    ways[lines.start() * states + lines.start()] = 1;
    for (int reel = 0; reel < kReelCount; ++reel) {
        const ReelStrip& strip = reels[Index(reel)];
        const Row rowA = kPaylines[Index(a)][Index(reel)];
        const Row rowB = kPaylines[Index(b)][Index(reel)];
        std::vector<Count> next(ways.size());
        for (std::size_t i = 0; i < ways.size(); ++i) {
            if (ways[i] == 0)
                continue;
            const auto sa = static_cast<LineEvaluator::State>(i / states);
            const auto sb = static_cast<LineEvaluator::State>(i % states);
            for (int stop = 1; stop <= kStripLength; ++stop) {
                const auto na = lines.Next(sa, SymbolInRow(strip, stop, rowA));
                const auto nb = lines.Next(sb, SymbolInRow(strip, stop, rowB));
                next[na * states + nb] += ways[i];
            }
        }
        ways = std::move(next);
    }
    Count sum = 0;
    for (std::size_t i = 0; i < ways.size(); ++i) {
        const auto sa = static_cast<LineEvaluator::State>(i / states);
        const auto sb = static_cast<LineEvaluator::State>(i % states);
        sum += ways[i] * static_cast<Count>(lines.Pay(sa).pays * lines.Pay(sb).pays);
    }
    return sum;
}

// Over the cycle, the sum of payline a's pay times the scatter pay.
Count PayScatterProduct(const ReelSymbols& reels, int a) {
    const LineEvaluator& lines = LineEvaluator::Instance();
    const auto states = Index(lines.StateCount());
    const std::size_t ballCounts = kReelCount * kRowCount + 1;
    std::vector<Count> ways(states * ballCounts);  // index: line state * ballCounts + balls
    ways[lines.start() * ballCounts] = 1;
    for (int reel = 0; reel < kReelCount; ++reel) {
        const ReelStrip& strip = reels[Index(reel)];
        const Row row = kPaylines[Index(a)][Index(reel)];
        std::vector<Count> next(ways.size());
        for (std::size_t i = 0; i < ways.size(); ++i) {
            if (ways[i] == 0)
                continue;
            const auto s = static_cast<LineEvaluator::State>(i / ballCounts);
            for (int stop = 1; stop <= kStripLength; ++stop) {
                const std::size_t balls = i % ballCounts + Index(BallsShown(strip, stop));
                next[lines.Next(s, SymbolInRow(strip, stop, row)) * ballCounts +
                     std::min(balls, ballCounts - 1)] += ways[i];
            }
        }
        ways = std::move(next);
    }
    Count sum = 0;
    for (std::size_t i = 0; i < ways.size(); ++i) {
        const auto s = static_cast<LineEvaluator::State>(i / ballCounts);
        sum += ways[i] * static_cast<Count>(lines.Pay(s).pays * ScatterPay(i % ballCounts));
    }
    return sum;
}

}  // namespace

double ParSheet::RowReturn(std::size_t row) const {
    return static_cast<double>(rowHits[row]) * kPayTable[row].pays /
           (static_cast<double>(exact.combinations) * lines);
}

double ParSheet::ScatterReturn(std::size_t balls) const {
    return static_cast<double>(ballCombinations[balls]) * static_cast<double>(ScatterPay(balls)) /
           static_cast<double>(exact.combinations);
}

ParSheet ComputeParSheet(const ReelSymbols& reels, int linesBet) {
    const LineEvaluator& evaluator = LineEvaluator::Instance();
    ParSheet sheet;
    sheet.lines = std::clamp(linesBet, 1, kPaylineCount);
    sheet.exact = ComputeExactReturn(reels, sheet.lines);
    sheet.ballCombinations = BallCombinations(reels);

    const std::vector<Count> final = FinalLineStates(reels);
    for (std::size_t s = 0; s < final.size(); ++s) {
        const int row = evaluator.Row(static_cast<LineEvaluator::State>(s));
        if (row >= 0)
            sheet.rowHits[Index(row)] += final[s] * static_cast<Count>(sheet.lines);
    }

    // The win per spin in bets is the sum of the lines' pays over the lines, plus the scatter's.
    Count pairs = 0;
    Count withScatter = 0;
    for (int a = 0; a < sheet.lines; ++a) {
        pairs += PayProduct(reels, a, a);
        for (int b = a + 1; b < sheet.lines; ++b)
            pairs += 2 * PayProduct(reels, a, b);
        withScatter += PayScatterProduct(reels, a);
    }
    Count scatterSquares = 0;
    for (std::size_t b = 0; b < sheet.ballCombinations.size(); ++b)
        scatterSquares +=
            sheet.ballCombinations[b] * static_cast<Count>(ScatterPay(b) * ScatterPay(b));
    const auto cycle = static_cast<double>(sheet.exact.combinations);
    const double n = sheet.lines;
    const double meanSquare = static_cast<double>(pairs) / (n * n * cycle) +
                              2 * static_cast<double>(withScatter) / (n * cycle) +
                              static_cast<double>(scatterSquares) / cycle;
    const double mean = sheet.exact.Rtp();
    sheet.volatility = std::sqrt(std::max(0.0, meanSquare - mean * mean));
    return sheet;
}

}  // namespace quillane
