// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QSvgGenerator>

#include "art.h"

namespace art {

namespace {

constexpr double kUnit = 128.0;
constexpr double kBallUnit = 76.0;

// The ball's shadow on the tile: a soft dark ellipse, drawn as a gradient so the SVG keeps it.
void paintBallShadow(QPainter& p, QPointF centre, double radius) {
    QRadialGradient shade(centre, radius);
    shade.setColorAt(0.0, QColor(0, 0, 0, 120));
    shade.setColorAt(0.7, QColor(0, 0, 0, 60));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius * 0.9);
}

}  // namespace

void paintIcon(QPainter& p, double size) {
    // Small icons keep three large balls and a thicker frame; the name needs 96 pixels to read.
    const bool small = size <= 32;
    const bool lettered = size >= 96;
    p.save();
    p.scale(size / kUnit, size / kUnit);
    const QRectF tile(5, 5, 118, 118);
    const double radius = 24;
    QRadialGradient ground(QPointF(64, 36), 96);
    ground.setColorAt(0.0, QColor(104, 40, 140));
    ground.setColorAt(0.6, QColor(50, 16, 78));
    ground.setColorAt(1.0, QColor(20, 6, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(tile, radius, radius);
    drawMetalFrame(p, tile, small ? 9 : 5, radius, true);

    // The logo's arch of balls, larger and closer, the middle one on top as the keystone.
    const double ball = small ? 48 : 36;
    const double xs[5] = {26, 45, 64, 83, 102};
    const double ys[5] = {60, 48, 44, 48, 60};
    for (int i : {0, 4, 1, 3, 2}) {
        if (small && (i == 0 || i == 4))
            continue;
        const double x = small ? 64 + (xs[i] - 64) * 1.6 : xs[i];
        const double y = small ? ys[i] + 4 : ys[i];
        paintBallShadow(p, QPointF(x + 2, y + 4), ball * 0.56);
        p.save();
        p.translate(x - ball / 2, y - ball / 2);
        p.scale(ball / kBallUnit, ball / kBallUnit);
        paintBingoBall(p, i);
        p.restore();
    }

    // The logo's ribbon below them, its 125 x 70 frame set under the arch.
    p.save();
    p.translate(64 - 62.5 * 0.94, small ? 48 : 46);
    p.scale(0.94, 1.0);
    paintLogoRibbon(p, lettered ? QStringLiteral("QUILLANE") : QString());
    p.restore();
    p.restore();
}

QImage drawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, size);
    return icon;
}

bool saveIconPng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    return writer.write(image.convertToFormat(QImage::Format_ARGB32));
}

bool saveIconSvg(const QString& path) {
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(static_cast<int>(kUnit), static_cast<int>(kUnit)));
    svg.setViewBox(QRectF(0, 0, kUnit, kUnit));
    svg.setTitle(QStringLiteral("Quillane"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    paintIcon(p, kUnit);
    if (!p.end())
        return false;
    // The generator gives the size in millimetres; icon themes expect pixels.
    QString text = QString::fromUtf8(buffer.data());
    text.replace(QRegularExpression(QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\"")),
                 QStringLiteral("width=\"128\" height=\"128\""));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

}  // namespace art
