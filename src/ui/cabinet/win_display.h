// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/game_session.h"
#include "ui/cabinet/cabinet_painter.h"

namespace quillane {

// What the cabinet shows every 300 ms after a spin: the wilds' animation and, in turn, each
// winning payline or the scatter, with its message and its cells flashing, 11 ticks each.
class WinDisplay {
  public:
    WinDisplay(CabinetPainter& painter, GameSession& session);

    // A spin has been scored: its first win is shown for a full turn.
    void Restart() { cursorTicks_ = 0; }
    // Steady: the wilds stand still and a win's cells and marker are framed and lit throughout,
    // its message turning once half way instead of every tick.
    void SetSteady(bool steady) { steady_ = steady; }
    // One tick.
    void Frame();
    int wildFrame() const { return wildFrame_; }

  private:
    void AnimateWilds();
    void FlashLineSymbols(int line, bool on);
    void MarkLineSymbols(int line);
    void FlashBalls(bool on);

    CabinetPainter& painter_;
    GameSession& session_;
    int cursorTicks_ = 0;
    bool blinkOn_ = false;
    int wildFrame_ = 4;
    int wildFrameStep_ = 1;
    bool steady_ = false;
};

}  // namespace quillane
