// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <array>

#include "art.h"

namespace art {

QImage drawMotionStrip() {
    constexpr int kCell = 76;
    // A mixed run of reel symbols; the strip is read as a loop, so its order only needs variety.
    constexpr std::array<int, 12> kRun = {13, 19, 16, 0, 11, 15, 7, 17, 12, 14, 18, 10};
    QImage strip(kCell, kCell * static_cast<int>(kRun.size()), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&strip);
        for (size_t i = 0; i < kRun.size(); ++i) {
            p.drawImage(0, static_cast<int>(i) * kCell, drawSymbolCell(kRun[i], kCell));
        }
    }
    // Blurring around the loop makes the bottom flow into the top without a seam.
    boxBlur(strip, 0, 8, 3, true);
    return strip.convertToFormat(QImage::Format_RGB32);
}

}  // namespace art
