// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_ground.h"

#include <QPainter>

namespace quillane {

void CabinetGround::Lay(QImage background) {
    whole_ = std::move(background);
    size_ = QSize();
    columns_ = 0;
    tiles_.clear();
}

QRect CabinetGround::TileRect(int column, int row) const {
    return QRect(column * kTile, row * kTile, kTile, kTile).intersected(QRect(QPoint(), size_));
}

void CabinetGround::Keep(const QImage& surface, const QRect& area) {
    const QRect reach = area.intersected(QRect(QPoint(), size_));
    if (!whole_.isNull() || reach.isEmpty())
        return;
    for (int row = reach.top() / kTile; row <= reach.bottom() / kTile; ++row) {
        for (int column = reach.left() / kTile; column <= reach.right() / kTile; ++column) {
            QImage& tile = tiles_[static_cast<std::size_t>(row * columns_ + column)];
            if (tile.isNull())
                tile = surface.copy(TileRect(column, row));
        }
    }
}

void CabinetGround::Restore(Canvas& canvas, const QRect& area) {
    if (!whole_.isNull()) {
        canvas.Draw(area, whole_, area);
        if (!area.contains(whole_.rect()))
            return;
        // Drawn whole: from now on the surface shows it.
        size_ = whole_.size();
        columns_ = (size_.width() + kTile - 1) / kTile;
        tiles_.assign(static_cast<std::size_t>(columns_ * ((size_.height() + kTile - 1) / kTile)),
                      QImage());
        whole_ = QImage();
        return;
    }
    const QRect reach = area.intersected(QRect(QPoint(), size_));
    if (reach.isEmpty())
        return;
    for (int row = reach.top() / kTile; row <= reach.bottom() / kTile; ++row) {
        for (int column = reach.left() / kTile; column <= reach.right() / kTile; ++column) {
            const QImage& tile = tiles_[static_cast<std::size_t>(row * columns_ + column)];
            if (tile.isNull())
                continue;
            const QRect tileRect = TileRect(column, row);
            const QRect part = reach.intersected(tileRect);
            canvas.Draw(part, tile, part.translated(-tileRect.topLeft()));
        }
    }
}

const QImage* CabinetGround::Kept(int x, int y) const {
    if (!QRect(QPoint(), size_).contains(x, y))
        return nullptr;
    const QImage& tile = tiles_[static_cast<std::size_t>(y / kTile * columns_ + x / kTile)];
    return tile.isNull() ? nullptr : &tile;
}

QRgb CabinetGround::Pixel(const QImage& surface, int x, int y) const {
    if (!whole_.isNull())
        return whole_.valid(x, y) ? whole_.pixel(x, y) : qRgb(0, 0, 0);
    if (const QImage* tile = Kept(x, y))
        return tile->pixel(x % kTile, y % kTile);
    return QRect(QPoint(), size_).contains(x, y) ? surface.pixel(x, y) : qRgb(0, 0, 0);
}

QImage CabinetGround::Copy(const QImage& surface, const QRect& area) const {
    if (!whole_.isNull())
        return whole_.copy(area);
    QImage copy = surface.copy(area);
    QPainter p(&copy);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (int row = 0; row * kTile < size_.height(); ++row) {
        for (int column = 0; column < columns_; ++column) {
            const QImage& tile = tiles_[static_cast<std::size_t>(row * columns_ + column)];
            const QRect tileRect = TileRect(column, row);
            if (!tile.isNull() && tileRect.intersects(area))
                p.drawImage(tileRect.topLeft() - area.topLeft(), tile);
        }
    }
    return copy;
}

}  // namespace quillane
