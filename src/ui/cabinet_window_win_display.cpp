#include "core/paylines.h"
#include "core/paytable.h"
#include "core/win_cursor.h"
#include "ui/cabinet_window.h"

namespace quillane {
namespace {

constexpr int kTicksPerWin = 10;  // a win is shown for 11 ticks of 300 ms
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

}  // namespace

void CabinetWindow::ShowWinFrame() {
    state_.wildFrame += state_.wildFrameStep;
    if (state_.wildFrame > kWildFrameCount - 1) {
        state_.wildFrameStep = -state_.wildFrameStep;
        state_.wildFrame = kWildFrameCount - 2;
    } else if (state_.wildFrame < 0) {
        state_.wildFrameStep = -state_.wildFrameStep;
        state_.wildFrame = 1;
    }
    for (int reel = 0; reel < kReelCount; ++reel) {
        for (int row = 0; row < kRowCount; ++row) {
            if (state_.spin.window[static_cast<std::size_t>(reel)][static_cast<std::size_t>(row)] ==
                sym::Wild) {
                DrawWildFrame(reel, row, state_.wildFrame);
            }
        }
    }

    int& cursor = state_.spin.winCursor;
    if (cursor < 0)
        return;
    state_.blinkOn = !state_.blinkOn;
    ++state_.cursorTicks;
    if (state_.cursorTicks > kTicksPerWin) {
        if (cursor < kScatterCursor)
            DrawLineMarker(cursor, true);
        for (int r = 0; r < kReelCount; ++r)
            DrawReel(r);
        ClearMessageStrip();
        cursor = AdvanceWinCursor(cursor, state_.spin.lineWon, state_.spin.scatterWin);
        state_.cursorTicks = 0;
        if (cursor < 0)
            return;
    }
    if (cursor < kScatterCursor)
        DrawLineMarker(cursor, state_.blinkOn);
    WriteWinMessage();
    if (cursor < kScatterCursor) {
        FlashLineSymbols(cursor - 1, state_.blinkOn);
    } else {
        FlashBalls(state_.blinkOn);
    }
}

void CabinetWindow::WriteWinMessage() {
    ClearMessageStrip();
    const int w = layoutWidth_;
    canvas_.SetFont(w < 851 ? 8 : w <= 1150 ? 10 : w <= 1300 ? 12 : 14, w > 1150);
    canvas_.SetBrushClear(true);
    const int bottom = ScaleToScreen(61);
    auto write = [&](const std::string& text, int x, bool rightAligned, QColor colour) {
        const QString q = QString::fromStdString(text);
        const QSize extent = canvas_.TextExtent(q);
        canvas_.SetFontColor(colour);
        canvas_.TextOut(rightAligned ? x - extent.width() : x, bottom - extent.height(), q);
    };
    const int cursor = state_.spin.winCursor;
    if (state_.blinkOn) {
        if (cursor == kScatterCursor) {
            write("Scatter paid " + std::to_string(state_.spin.scatterWin), ScaleToScreen(202),
                  false, kWhite);
        } else {
            write("Line paid " +
                      std::to_string(state_.spin.lineWin[static_cast<std::size_t>(cursor - 1)]),
                  ScaleToScreen(202), false, lineColor(cursor));
        }
    } else {
        write("Game paid " + std::to_string(state_.gamePaid), ScaleToScreen(594), true, kWhite);
    }
    if (state_.spin.ballCount >= kBonusBallCount) {
        write(state_.bonusWin > 0 ? "Bonus Game Paid " + std::to_string(state_.bonusWin)
                                  : "Play the Bonus Game",
              ScaleToScreen(452), true, kYellow);
    }
    canvas_.SetBrushClear(false);
}

void CabinetWindow::FlashLineSymbols(int line, bool on) {
    if (line < 0 || line >= kPaylineCount)
        return;
    const int length = state_.spin.winLength[static_cast<std::size_t>(line)];
    for (int reel = 0; reel < length && reel < kReelCount; ++reel) {
        if (on) {
            DrawReel(reel);
        } else {
            const int row =
                kPaylines[static_cast<std::size_t>(line)][static_cast<std::size_t>(reel)];
            canvas_.SetBrushClear(false);
            canvas_.SetBrushColor(kWhite);
            canvas_.SetPenColor(kWhite);
            const int x = reelLeft_ + reel * reelPitch_, y = reelTop_ + row * cellSize_;
            canvas_.Rectangle(x, y, x + cellSize_, y + cellSize_);
        }
    }
}

void CabinetWindow::FlashBalls(bool on) {
    for (int b = 0; b < state_.spin.ballCount && b < kReelCount; ++b) {
        const BallCell cell = state_.spin.ballCells[static_cast<std::size_t>(b)];
        if (on) {
            DrawReel(cell.reel);
        } else {
            canvas_.SetBrushClear(false);
            canvas_.SetBrushColor(kWhite);
            canvas_.SetPenColor(kWhite);
            const int x = reelLeft_ + cell.reel * reelPitch_, y = reelTop_ + cell.row * cellSize_;
            canvas_.Rectangle(x, y, x + cellSize_, y + cellSize_);
        }
    }
}

void CabinetWindow::DrawWildFrame(int reel, int row, int frame) {
    const int c = cellSize_;
    canvas_.SetCopyMode(Canvas::CopyMode::Copy);
    canvas_.Draw(QRect(reelLeft_ + reel * reelPitch_, reelTop_ + row * c, c, c), symbolSheet_,
                 QRect((frame % 4) * c, (frame / 4) * c, c, c));
}

}  // namespace quillane
