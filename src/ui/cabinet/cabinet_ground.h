// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "platform/canvas.h"

namespace quillane {

// The cabinet's background at the layout's size, without a second copy of the whole surface:
// once the background is drawn whole, the surface itself shows it wherever nothing was drawn
// since, and only the tiles something is drawn on are kept apart, taken from the surface just
// before the first drawing there.
class CabinetGround {
  public:
    // A new background, held whole until Restore draws it over the whole surface.
    void Lay(QImage background);
    // Keeps the background of the tiles `area` reaches that are not kept yet; called before
    // anything is drawn on `surface` there.
    void Keep(const QImage& surface, const QRect& area);
    // Puts the background back over `area` of the canvas's surface.
    void Restore(Canvas& canvas, const QRect& area);
    // The background's pixel, black outside it.
    QRgb Pixel(const QImage& surface, int x, int y) const;
    // The background over `area`, as the surface shows it once restored there.
    QImage Copy(const QImage& surface, const QRect& area) const;

  private:
    static constexpr int kTile = 64;

    QRect TileRect(int column, int row) const;
    const QImage* Kept(int x, int y) const;

    QImage whole_;
    QSize size_;
    int columns_ = 0;
    std::vector<QImage> tiles_;  // by row, then column; null where the surface still shows it
};

}  // namespace quillane
