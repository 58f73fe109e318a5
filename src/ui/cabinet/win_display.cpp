// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/win_display.h"

#include "core/paylines.h"
#include "core/paytable.h"

namespace quillane {
namespace {

constexpr int kTicksPerWin = 10;  // a win is shown for 11 ticks of 300 ms

}  // namespace

WinDisplay::WinDisplay(CabinetPainter& painter, GameSession& session)
    : painter_(painter), session_(session) {}

void WinDisplay::AnimateWilds() {
    wildFrame_ += wildFrameStep_;
    if (wildFrame_ > kWildFrameCount - 1) {
        wildFrameStep_ = -wildFrameStep_;
        wildFrame_ = kWildFrameCount - 2;
    } else if (wildFrame_ < 0) {
        wildFrameStep_ = -wildFrameStep_;
        wildFrame_ = 1;
    }
    const ReelWindow& window = session_.state().spin.window;
    for (int reel = 0; reel < kReelCount; ++reel) {
        for (int row = 0; row < kRowCount; ++row) {
            if (window[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)] == sym::Wild)
                painter_.DrawWildFrame(reel, row, wildFrame_);
        }
    }
}

void WinDisplay::Frame() {
    if (!steady_)
        AnimateWilds();
    int cursor = session_.state().spin.winCursor;
    if (cursor < 0)
        return;
    blinkOn_ = !blinkOn_;
    ++cursorTicks_;
    if (cursorTicks_ > kTicksPerWin) {
        if (cursor < kScatterCursor)
            painter_.DrawLineMarker(cursor, true);
        for (int r = 0; r < kReelCount; ++r)
            painter_.DrawReel(r);
        painter_.ClearMessageStrip();
        session_.AdvanceWinCursor();
        cursor = session_.state().spin.winCursor;
        cursorTicks_ = 0;
        if (cursor < 0)
            return;
    }
    if (steady_)
        blinkOn_ = cursorTicks_ <= kTicksPerWin / 2;
    if (steady_ && cursor < kScatterCursor) {
        painter_.DrawLineMarker(cursor, true);
        painter_.WriteWinMessage(blinkOn_);
        MarkLineSymbols(cursor - 1);
        return;
    }
    if (cursor < kScatterCursor)
        painter_.DrawLineMarker(cursor, blinkOn_);
    painter_.WriteWinMessage(blinkOn_);
    if (cursor < kScatterCursor) {
        FlashLineSymbols(cursor - 1, blinkOn_);
    } else {
        FlashBalls(blinkOn_);
    }
}

void WinDisplay::MarkLineSymbols(int line) {
    if (line < 0 || line >= kPaylineCount)
        return;
    const int length = session_.state().spin.winLength[static_cast<std::size_t>(line)];
    for (int reel = 0; reel < length && reel < kReelCount; ++reel)
        painter_.MarkCell(reel,
                          kPaylines[static_cast<std::size_t>(line)][static_cast<std::size_t>(reel)],
                          line + 1);
}

void WinDisplay::FlashLineSymbols(int line, bool on) {
    if (line < 0 || line >= kPaylineCount)
        return;
    const int length = session_.state().spin.winLength[static_cast<std::size_t>(line)];
    for (int reel = 0; reel < length && reel < kReelCount; ++reel) {
        const int row = kPaylines[static_cast<std::size_t>(line)][static_cast<std::size_t>(reel)];
        if (on) {
            painter_.DrawReel(reel);
            if (painter_.linePatterns())
                painter_.MarkCell(reel, row, line + 1);
        } else {
            painter_.WhitenCell(reel, row);
        }
    }
}

void WinDisplay::FlashBalls(bool on) {
    const SpinResult& spin = session_.state().spin;
    for (int b = 0; b < spin.ballCount && b < kReelCount; ++b) {
        const BallCell cell = spin.ballCells[static_cast<std::size_t>(b)];
        if (steady_) {
            painter_.MarkCell(cell.reel, cell.row, 0);
        } else if (on) {
            painter_.DrawReel(cell.reel);
        } else {
            painter_.WhitenCell(cell.reel, cell.row);
        }
    }
}

}  // namespace quillane
