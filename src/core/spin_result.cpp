// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/spin_result.h"

#include <bit>
#include <stdexcept>
#include <utility>

#include "core/line_evaluator.h"
#include "core/paytable.h"

namespace quillane {
namespace {

template <std::size_t I>
void ScoreLine(const LineEvaluator& evaluator, LineEvaluator::State afterTwo, const ReelWindow& w,
               int linesBet, int creditsPerLine, SpinResult& result, unsigned& won) {
    constexpr auto rows = kPaylines[I];
    LineEvaluator::State s = evaluator.Next(afterTwo, w[2][rows[2]]);
    s = evaluator.Next(s, w[3][rows[3]]);
    s = evaluator.Next(s, w[4][rows[4]]);
    const LinePay pay = evaluator.Pay(s);
    constexpr int payline = static_cast<int>(I) + 1;
    const std::int32_t win = payline <= linesBet ? pay.pays * creditsPerLine : 0;
    result.lineWin[I] = win;
    result.winLength[I] = pay.length;
    result.lineWon[I] = win > 0;
    result.winToPay += win;
    won |= static_cast<unsigned>(win > 0) << I;
}

}  // namespace

SpinScorer::SpinScorer(const ReelSymbols& reels) : evaluator_(LineEvaluator::Instance()) {
    for (std::uint16_t r = 0; r < kReelCount; ++r) {
        for (std::size_t p = 0; p < unrolled_[r].size(); ++p) {
            unrolled_[r][p] = reels[r][p % kStripLength];
        }
        for (int stop = 1; stop <= kStripLength; ++stop) {
            ReelBalls& shown = balls_[r][static_cast<std::size_t>(stop - 1)];
            shown = {};
            for (std::uint16_t row = 0; row < kRowCount; ++row) {
                if (!IsBall(SymbolInRow(reels[r], stop, row)))
                    continue;
                if (shown.count > 0)
                    throw std::invalid_argument("a reel shows two balls at once");
                shown = {{r, row}, 1};
            }
        }
    }
    for (std::size_t i = 0; i < kPaylineCount; ++i) {
        for (int a = 1; a <= kStripLength; ++a) {
            for (int b = 1; b <= kStripLength; ++b) {
                afterTwo_[i][static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)] =
                    evaluator_.AfterTwo(SymbolInRow(reels[0], a, kPaylines[i][0]),
                                        SymbolInRow(reels[1], b, kPaylines[i][1]));
            }
        }
    }
}

// Unrolled and branch-free where it can be; every field is written once rather than cleared first.
void SpinScorer::Score(const ReelStops& stops, int linesBet, int creditsPerLine,
                       SpinResult& result) const {
    ReelWindow& w = result.window;
    // Cells past the last ball stay zero: a reel without a ball writes a zero cell.
    std::array<BallCell, kReelCount> found{};
    int balls = 0;
    for (std::size_t r = 0; r < kReelCount; ++r) {
        const auto top = static_cast<std::size_t>(stops[r] - 1);
        for (std::size_t row = 0; row < kRowCount; ++row)
            w[r][row] = unrolled_[r][top + row];
        const ReelBalls& shown = balls_[r][top];
        found[static_cast<std::size_t>(balls)] = shown.cell;
        balls += shown.count;
    }
    result.ballCount = balls;
    for (std::size_t b = 0; b < result.ballCells.size(); ++b)
        result.ballCells[b] = found[b];
    result.scatterWin =
        kScatterPays[static_cast<std::size_t>(result.ballCount)] * creditsPerLine * linesBet;

    result.winToPay = 0;
    const auto first = static_cast<std::size_t>(stops[0] - 1);
    const auto second = static_cast<std::size_t>(stops[1] - 1);
    unsigned won = 0;
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (ScoreLine<I>(evaluator_, afterTwo_[I][first][second], w, linesBet, creditsPerLine, result,
                      won),
         ...);
    }
    (std::make_index_sequence<kPaylineCount>{});
    result.winToPay += result.scatterWin;

    // The display starts with the scatter, else with the lowest winning payline.
    result.winCursor = result.scatterWin > 0 ? kScatterCursor
                       : won != 0            ? std::countr_zero(won) + 1
                                             : kNoWinCursor;
}

SpinResult ScoreSpin(const ReelSymbols& reels, const ReelStops& stops, int linesBet,
                     int creditsPerLine) {
    SpinResult result;
    SpinScorer(reels).Score(stops, linesBet, creditsPerLine, result);
    return result;
}

}  // namespace quillane
