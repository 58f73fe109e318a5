// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/reel_animation.h"

#include "ui/cabinet/cabinet_layout.h"

namespace quillane {
namespace {

constexpr int kReelPhaseStep = 6;  // each reel stops this many ticks after the one before
// How far a stopped reel's column stands below its rest, from the tick after it stops.
constexpr int kBounce[] = {1, 2, 1, 0, -1, -2, -1, 0};

}  // namespace

ReelAnimation::ReelAnimation(CabinetPainter& painter, CabinetAudio& audio,
                             const CabinetPictures& pictures)
    : painter_(painter), audio_(audio), pictures_(pictures) {}

void ReelAnimation::Begin(const std::array<int, kReelCount>& motionOffsets, bool still) {
    offsets_ = motionOffsets;
    still_ = still;
    motionHeight_ = pictures_.geometry().motionHeight;
    for (QImage& column : columns_)
        column = QImage();
}

void ReelAnimation::Tick(int t) {
    const CabinetGeometry& geometry = pictures_.geometry();
    for (int r = 0; r < kReelCount; ++r) {
        const int p = t - kReelPhaseStep * r;
        auto& offset = offsets_[static_cast<std::size_t>(r)];
        if (still_ && p != kStopTick)
            continue;
        if (p < kStopTick) {
            painter_.DrawReelMotion(r, offset);
            offset -= geometry.Scale(cabinet_layout::kReelStep);
            if (offset < 0)
                offset += motionHeight_;
        } else if (p == kStopTick) {
            audio_.Play(Sound::ReelStop);
            painter_.DrawReel(r);
        } else if (p <= kStopTick + static_cast<int>(std::size(kBounce))) {
            if (p == kStopTick + 1)
                columns_[static_cast<std::size_t>(r)] = QImage();
            DrawSettling(r, kBounce[p - kStopTick - 1]);
            if (p == kStopTick + static_cast<int>(std::size(kBounce)))
                painter_.DrawReel(r);
        }
    }
}

void ReelAnimation::DrawSettling(int reel, int dy) {
    QImage& column = columns_[static_cast<std::size_t>(reel)];
    if (column.isNull())
        column = painter_.CopyReel(reel);
    painter_.DrawReelPicture(reel, column, dy);
}

void ReelAnimation::Finish() {
    for (int r = 0; r < kReelCount; ++r)
        painter_.DrawReel(r);
    for (QImage& column : columns_)
        column = QImage();
}

void ReelAnimation::FollowLayout() {
    const int height = pictures_.geometry().motionHeight;
    for (int& offset : offsets_)
        offset = static_cast<int>(static_cast<long long>(offset) * height / motionHeight_);
    motionHeight_ = height;
    for (QImage& column : columns_)
        column = QImage();
}

}  // namespace quillane
