// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "core/random.h"
#include "core/reels.h"

namespace quillane {

// The motion strip is 912 pixels tall on an 800-pixel layout.
inline constexpr int kMotionStripDesignHeight = 912;

struct SpinDraw {
    std::array<int, kReelCount> motionOffsets{};
    ReelStops stops{};
};

// Ten draws, reel by reel: where the reel's motion picture starts, then its new stop.
inline SpinDraw DrawSpin(RandomGenerator& random, int motionStripHeight) {
    SpinDraw draw;
    for (std::size_t r = 0; r < draw.stops.size(); ++r) {
        draw.motionOffsets[r] =
            static_cast<int>(random.Draw(static_cast<std::uint32_t>(motionStripHeight)));
        draw.stops[r] = static_cast<int>(random.Draw(kStripLength)) + 1;
    }
    return draw;
}

}  // namespace quillane
