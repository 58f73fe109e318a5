// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <array>

#include "core/reels.h"
#include "ui/cabinet/cabinet_audio.h"
#include "ui/cabinet/cabinet_painter.h"
#include "ui/cabinet/cabinet_pictures.h"

namespace quillane {

// The five reels' frames while they turn, stop one after another and settle with a bounce.
// Reel 1 turns for ticks 1 to 20 and stops at tick 21 with the reel-stop sound; each further
// reel stops six ticks after the one before; the last tick cuts reel 5's bounce short.
class ReelAnimation {
  public:
    static constexpr int kTicks = 47;
    static constexpr int kStopTick = 21;  // reel 1's

    ReelAnimation(CabinetPainter& painter, CabinetAudio& audio, const CabinetPictures& pictures);

    // A spin's reels start turning from these places in the motion strip; `still` reels show
    // neither the turning nor the bounce, only each reel's stop in its turn.
    void Begin(const std::array<int, kReelCount>& motionOffsets, bool still = false);
    // Draws tick `t`, 1 to kTicks, of every reel.
    void Tick(int t);
    // Every reel drawn at rest on its stop.
    void Finish();
    // The cabinet was laid out at another size: the reels go on turning at it.
    void FollowLayout();

  private:
    // Draws reel `reel`'s column, as it stood when it stopped, `dy` pixels lower.
    void DrawSettling(int reel, int dy);

    CabinetPainter& painter_;
    CabinetAudio& audio_;
    const CabinetPictures& pictures_;
    std::array<int, kReelCount> offsets_{};
    int motionHeight_ = 1;
    bool still_ = false;
    std::array<QImage, kReelCount> columns_;
};

}  // namespace quillane
