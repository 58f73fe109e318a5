// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "core/line_evaluator.h"
#include "core/paylines.h"
#include "core/reels.h"

namespace quillane {

struct BallCell {
    std::uint16_t reel = 0;  // 0 to 4
    std::uint16_t row = 0;   // 0 to 2

    bool operator==(const BallCell&) const = default;
};

// The win cursor names what the win display shows: a payline 1 to 9, or the scatter.
inline constexpr int kNoWinCursor = -1;
inline constexpr int kScatterCursor = 10;

struct SpinResult {
    ReelWindow window{};
    std::array<std::int32_t, kPaylineCount> lineWin{};
    // Kept for unplayed paylines too: the length of whatever they would have paid.
    std::array<std::int32_t, kPaylineCount> winLength{};
    std::array<bool, kPaylineCount> lineWon{};
    std::int32_t scatterWin = 0;
    int ballCount = 0;
    std::array<BallCell, kReelCount> ballCells{};
    std::int32_t winToPay = 0;
    int winCursor = kNoWinCursor;
};

// Scores the window the stops show: every played payline at the credits per line, and the
// balls anywhere at the total bet.
SpinResult ScoreSpin(const ReelSymbols& reels, const ReelStops& stops, int linesBet,
                     int creditsPerLine);

// The same for many spins of one set of reels: what reels 1 and 2 show on each payline is looked
// up from their two stops at once, which lets the simulator score tens of millions of spins a
// second.
class SpinScorer {
  public:
    // Throws std::invalid_argument if a reel can show two balls at once.
    explicit SpinScorer(const ReelSymbols& reels);

    // Writes every field of `result`.
    void Score(const ReelStops& stops, int linesBet, int creditsPerLine, SpinResult& result) const;
    // The balls the stops show, as Score counts them, without the rest of the scoring.
    int BallCount(const ReelStops& stops) const {
        int balls = 0;
        for (std::size_t r = 0; r < kReelCount; ++r)
            balls += balls_[r][static_cast<std::size_t>(stops[r] - 1)].count;
        return balls;
    }

  private:
    const LineEvaluator& evaluator_;
    // Each strip followed by its first two positions again, so no row has to wrap.
    std::array<std::array<Symbol, kStripLength + kRowCount - 1>, kReelCount> unrolled_;
    // [reel][stop - 1]: the ball the reel shows; a zero cell and count when it shows none.
    struct ReelBalls {
        BallCell cell;
        int count;
    };
    std::array<std::array<ReelBalls, kStripLength>, kReelCount> balls_;
    // [payline][stop 1 - 1][stop 2 - 1]: the payline's state after reels 1 and 2.
    std::array<std::array<std::array<std::uint8_t, kStripLength>, kStripLength>, kPaylineCount>
        afterTwo_;
};

}  // namespace quillane
