// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "art.h"

namespace art {

namespace {

struct ChipStyle {
    QColor body;
    QColor ink;
    QString label;
    int textSize;
    double textStretch;  // longer amounts run narrower so they stay inside the inlay
};

ChipStyle chipStyle(int amount) {
    switch (amount) {
        case 1000:
            return {QColor(24, 70, 210), QColor(80, 240, 255), QStringLiteral("$1,000"), 13, 0.8};
        case 100:
            return {QColor(200, 24, 32), QColor(255, 226, 40), QStringLiteral("$100"), 16, 0.88};
        case 10:
            return {QColor(16, 140, 56), QColor(255, 226, 40), QStringLiteral("$10"), 18, 0.95};
        default:
            return {QColor(34, 34, 40), QColor(255, 255, 255), QStringLiteral("$1"), 21, 1.0};
    }
}

QPointF polar(QPointF c, double r, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return c + QPointF(r * std::cos(a), r * std::sin(a));
}

// One edge insert of a casino chip: the ring between two radii over an arc.
QPainterPath ringSegment(QPointF c, double inner, double outer, double from, double span) {
    QPainterPath path;
    path.arcMoveTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), -from);
    path.arcTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), -from, -span);
    path.lineTo(polar(c, inner, from + span));
    path.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner), -(from + span), span);
    path.closeSubpath();
    return path;
}

}  // namespace

QImage drawBorrowButton(int amount) {
    const ChipStyle st = chipStyle(amount);
    QImage img(75, 75, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // A raised slate key, so the picture is a whole button on any window colour.
    const QRectF key(0, 0, 75, 75);
    QLinearGradient slate(key.topLeft(), key.bottomLeft());
    slate.setColorAt(0.0, QColor(86, 92, 108));
    slate.setColorAt(1.0, QColor(36, 40, 50));
    p.fillRect(key, slate);
    p.setPen(QPen(QColor(150, 156, 172), 1.0));
    p.drawLine(QPointF(0.5, 74), QPointF(0.5, 0.5));
    p.drawLine(QPointF(0.5, 0.5), QPointF(74, 0.5));
    p.setPen(QPen(QColor(14, 16, 20), 1.0));
    p.drawLine(QPointF(74.5, 0.5), QPointF(74.5, 74.5));
    p.drawLine(QPointF(74.5, 74.5), QPointF(0.5, 74.5));

    const QPointF c(37.5, 37);
    const double r = 32;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(c + QPointF(1.2, 2.0), r, r);

    QRadialGradient body(c + QPointF(-10, -12), r * 1.6);
    body.setColorAt(0.0, mix(st.body, Qt::white, 0.35));
    body.setColorAt(0.45, st.body);
    body.setColorAt(1.0, shade(st.body, 0.45));
    p.setPen(QPen(shade(st.body, 0.3), 1.0));
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    const QColor insert = amount == 1 ? QColor(230, 60, 60) : QColor(246, 244, 236);
    p.setPen(Qt::NoPen);
    p.setBrush(insert);
    for (int i = 0; i < 6; ++i) {
        p.drawPath(ringSegment(c, r - 7, r - 0.6, i * 60.0 - 12, 24));
    }

    // Dashed inner ring and the printed inlay in the middle.
    p.setPen(QPen(withAlpha(insert, 200), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 9.5, r - 9.5);
    const double inlay = r - 11;
    QRadialGradient face(c + QPointF(-5, -6), inlay * 1.5);
    face.setColorAt(0.0, mix(st.body, Qt::white, 0.18));
    face.setColorAt(1.0, shade(st.body, 0.6));
    p.setPen(QPen(shade(st.body, 0.35), 1.0));
    p.setBrush(face);
    p.drawEllipse(c, inlay, inlay);

    const QPainterPath text = centredText(st.label, sansFont(st.textSize, true), c, st.textStretch);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(text.translated(0.8, 1.0));
    p.setBrush(st.ink);
    p.drawPath(text);

    p.save();
    p.translate(c + QPointF(-13, -17));
    p.rotate(-35);
    QRadialGradient shine(QPointF(0, 0), 10);
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(0, 0), 10.0, 5.0);
    p.restore();
    return img;
}

}  // namespace art
