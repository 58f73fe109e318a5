// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPolygonF>
#include <array>

#include "art.h"
#include "ui/design_grid.h"

namespace art {

namespace {

// Cell geometry at scale 1: ten digit cells, then a point and a colon.
constexpr double kCellW = quillane::design_grid::kDigitWidth;
constexpr double kCellH = quillane::design_grid::kDigitHeight;
constexpr double kPointW = quillane::design_grid::kDigitPointWidth;
constexpr double kLeft = 3.0;
constexpr double kRight = 13.0;
constexpr double kTop = 2.0;
constexpr double kMiddle = 10.5;
constexpr double kBottom = 19.0;
constexpr double kThick = 2.5;
constexpr double kGap = 0.55;
constexpr double kSlant = 0.07;  // a slight forward lean, like a real LED display

QPointF lean(double x, double y) {
    return QPointF(x - kSlant * (y - kMiddle), y);
}

QPolygonF horizontal(double x1, double x2, double y) {
    const double h = kThick / 2;
    x1 += kGap;
    x2 -= kGap;
    return QPolygonF({lean(x1, y), lean(x1 + h, y - h), lean(x2 - h, y - h), lean(x2, y),
                      lean(x2 - h, y + h), lean(x1 + h, y + h)});
}

QPolygonF vertical(double x, double y1, double y2) {
    const double h = kThick / 2;
    y1 += kGap;
    y2 -= kGap;
    return QPolygonF({lean(x, y1), lean(x + h, y1 + h), lean(x + h, y2 - h), lean(x, y2),
                      lean(x - h, y2 - h), lean(x - h, y1 + h)});
}

// Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
std::array<QPolygonF, 7> segments() {
    return {horizontal(kLeft, kRight, kTop),    vertical(kRight, kTop, kMiddle),
            vertical(kRight, kMiddle, kBottom), horizontal(kLeft, kRight, kBottom),
            vertical(kLeft, kMiddle, kBottom),  vertical(kLeft, kTop, kMiddle),
            horizontal(kLeft, kRight, kMiddle)};
}

constexpr std::array<const char*, 10> kDigitSegments = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg",
};

void paintFigures(QPainter& p, const QColor& colour) {
    const auto segs = segments();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int d = 0; d < 10; ++d) {
        p.save();
        p.translate(d * kCellW, 0);
        for (const char* s = kDigitSegments[static_cast<size_t>(d)]; *s != '\0'; ++s) {
            p.drawPolygon(segs[static_cast<size_t>(*s - 'a')]);
        }
        p.restore();
    }
    const double pointX = 10 * kCellW;
    p.drawRect(QRectF(pointX + kPointW / 2 - 1.4, kBottom - 1.4, 2.8, 2.8));
    const double colonX = pointX + kPointW;
    p.drawRect(QRectF(colonX + kPointW / 2 - 1.4, 6.5 - 1.4, 2.8, 2.8));
    p.drawRect(QRectF(colonX + kPointW / 2 - 1.4, 15.0 - 1.4, 2.8, 2.8));
}

}  // namespace

QImage drawDigitStrip(int scale, const QColor& lit) {
    const QSize size(static_cast<int>((10 * kCellW + 2 * kPointW) * scale),
                     static_cast<int>(kCellH * scale));
    // A blurred copy under the crisp segments gives the glow of a lit display.
    QImage glow(size, QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter p(&glow);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        paintFigures(p, lit);
    }
    boxBlur(glow, scale, scale, 2);

    QImage strip(size, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    p.setOpacity(0.7);
    p.drawImage(0, 0, glow);
    p.setOpacity(1.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    QColor core = mix(lit, Qt::white, 0.25);
    paintFigures(p, core);
    return strip;
}

}  // namespace art
