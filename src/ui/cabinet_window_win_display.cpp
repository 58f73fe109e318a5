#include "core/paylines.h"
#include "core/paytable.h"
#include "ui/cabinet_window.h"

namespace quillane {
namespace {

constexpr int kTicksPerWin = 10;  // a win is shown for 11 ticks of 300 ms
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

}  // namespace

void CabinetWindow::ShowWinFrame() {
    wildFrame_ += wildFrameStep_;
    if (wildFrame_ > kWildFrameCount - 1) {
        wildFrameStep_ = -wildFrameStep_;
        wildFrame_ = kWildFrameCount - 2;
    } else if (wildFrame_ < 0) {
        wildFrameStep_ = -wildFrameStep_;
        wildFrame_ = 1;
    }
    for (int reel = 0; reel < kReelCount; ++reel) {
        for (int row = 0; row < kRowCount; ++row) {
            if (session_.state().spin.window[static_cast<std::size_t>(reel)]
                                            [static_cast<std::size_t>(row)] == sym::Wild) {
                DrawWildFrame(reel, row, wildFrame_);
            }
        }
    }

    int cursor = session_.state().spin.winCursor;
    if (cursor < 0)
        return;
    blinkOn_ = !blinkOn_;
    ++cursorTicks_;
    if (cursorTicks_ > kTicksPerWin) {
        if (cursor < kScatterCursor)
            DrawLineMarker(cursor, true);
        for (int r = 0; r < kReelCount; ++r)
            DrawReel(r);
        ClearMessageStrip();
        session_.AdvanceWinCursor();
        cursor = session_.state().spin.winCursor;
        cursorTicks_ = 0;
        if (cursor < 0)
            return;
    }
    if (cursor < kScatterCursor)
        DrawLineMarker(cursor, blinkOn_);
    WriteWinMessage();
    if (cursor < kScatterCursor) {
        FlashLineSymbols(cursor - 1, blinkOn_);
    } else {
        FlashBalls(blinkOn_);
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
    const int cursor = session_.state().spin.winCursor;
    if (blinkOn_) {
        if (cursor == kScatterCursor) {
            write("Scatter paid " + std::to_string(session_.state().spin.scatterWin),
                  ScaleToScreen(202), false, kWhite);
        } else {
            write("Line paid " +
                      std::to_string(
                          session_.state().spin.lineWin[static_cast<std::size_t>(cursor - 1)]),
                  ScaleToScreen(202), false, lineColor(cursor));
        }
    } else {
        write("Game paid " + std::to_string(session_.state().gamePaid), ScaleToScreen(594), true,
              kWhite);
    }
    if (session_.state().spin.ballCount >= kBonusBallCount) {
        write(session_.state().bonusWin > 0
                  ? "Bonus Game Paid " + std::to_string(session_.state().bonusWin)
                  : "Play the Bonus Game",
              ScaleToScreen(452), true, kYellow);
    }
    canvas_.SetBrushClear(false);
}

void CabinetWindow::FlashLineSymbols(int line, bool on) {
    if (line < 0 || line >= kPaylineCount)
        return;
    const int length = session_.state().spin.winLength[static_cast<std::size_t>(line)];
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
    for (int b = 0; b < session_.state().spin.ballCount && b < kReelCount; ++b) {
        const BallCell cell = session_.state().spin.ballCells[static_cast<std::size_t>(b)];
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
