// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "art.h"

namespace art {

namespace {

constexpr int kWidth = 125;
constexpr int kHeight = 70;

}  // namespace

void paintLogoRibbon(QPainter& p, const QString& text) {
    const QColor red(200, 20, 36);
    const QColor deep(110, 0, 16);
    QPainterPath leftTail;
    leftTail.moveTo(2, 44);
    leftTail.lineTo(22, 44);
    leftTail.lineTo(22, 64);
    leftTail.lineTo(2, 64);
    leftTail.lineTo(9, 54);
    leftTail.closeSubpath();
    const QPainterPath rightTail = QTransform::fromTranslate(kWidth, 0).scale(-1, 1).map(leftTail);
    p.setPen(QPen(QColor(60, 0, 8), 1.0));
    p.setBrush(deep);
    p.drawPath(leftTail);
    p.drawPath(rightTail);

    QPainterPath band;
    band.moveTo(14, 39);
    band.quadTo(62.5, 31, 111, 39);
    band.lineTo(111, 59);
    band.quadTo(62.5, 51, 14, 59);
    band.closeSubpath();
    QLinearGradient g(0, 33, 0, 59);
    g.setColorAt(0.0, QColor(255, 110, 110));
    g.setColorAt(0.45, red);
    g.setColorAt(1.0, deep);
    p.setPen(QPen(QColor(255, 210, 90), 1.6));
    p.setBrush(g);
    p.drawPath(band);

    if (text.isEmpty())
        return;
    // Longer words are narrowed to keep within the band.
    const double stretch = std::min(1.1, 5.5 / text.size());
    const QPainterPath letters =
        centredText(text, sansFont(16, true), QPointF(62.5, 48.5), stretch);
    p.setPen(QPen(QColor(70, 0, 10), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(letters);
    QLinearGradient tg(0, 41, 0, 56);
    tg.setColorAt(0.0, QColor(255, 252, 210));
    tg.setColorAt(1.0, QColor(245, 180, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(tg);
    p.drawPath(letters);
}

MaskedPicture drawLogo(int scale) {
    const int width = kWidth * scale, height = kHeight * scale;
    QImage art(width, height, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        paintLogoRibbon(p, QStringLiteral("BONUS"));
        // The five balls spell BINGO along an arch.
        const int size = 31;
        const double xs[5] = {15, 39, 62.5, 86, 110};
        const double ys[5] = {24, 17, 14, 17, 24};
        for (int i = 0; i < 5; ++i) {
            p.drawImage(QRectF(xs[i] - size / 2.0, ys[i] - size / 2.0, size, size),
                        drawSymbolSprite(5 + i, size * scale));
        }
    }

    MaskedPicture out{QImage(width, height, QImage::Format_RGB32),
                      QImage(width, height, QImage::Format_RGB32)};
    out.picture.fill(Qt::black);
    {
        QPainter p(&out.picture);
        p.drawImage(0, 0, art);
    }
    // The mask is hard-edged: the game ANDs it with the screen and then ORs the logo in.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inside = qAlpha(art.pixel(x, y)) >= 150;
            out.mask.setPixel(x, y, inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            if (!inside) {
                out.picture.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
    return out;
}

}  // namespace art
