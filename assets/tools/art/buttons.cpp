// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "art.h"

namespace art {

namespace {

struct ButtonStyle {
    QColor light;
    QColor base;
    QColor deep;
    QColor ink;
};

// One state of a cabinet button in `half`: raised and lit when ready, sunk and dark when busy.
void paintButton(QPainter& p, const QRectF& half, const QStringList& lines, const ButtonStyle& st,
                 bool ready, int fontSize) {
    p.fillRect(half, buttonWellColour());
    const double sink = ready ? 0.0 : 1.0;
    const QRectF body = half.adjusted(2, 2 + sink, -2, -3 + sink);
    const double radius = 7;
    if (ready) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 140));
        p.drawRoundedRect(body.translated(0, 1.5), radius, radius);
    }
    const double dim = ready ? 1.0 : 0.42;
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0.0, shade(st.light, dim));
    g.setColorAt(0.45, shade(st.base, dim));
    g.setColorAt(1.0, shade(st.deep, dim));
    p.setPen(QPen(QColor(0, 0, 0), 1.2));
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    if (ready) {
        // Back-lit glow from inside the cap.
        QRadialGradient glow(body.center(), body.width() * 0.6);
        glow.setColorAt(0.0, QColor(255, 255, 230, 110));
        glow.setColorAt(1.0, QColor(255, 255, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawRoundedRect(body, radius, radius);
    }
    // Glassy highlight on the upper half of the cap.
    const QRectF shine = body.adjusted(3, 2, -3, -body.height() * 0.5);
    QLinearGradient sg(shine.topLeft(), shine.bottomLeft());
    sg.setColorAt(0.0, QColor(255, 255, 255, ready ? 200 : 60));
    sg.setColorAt(1.0, QColor(255, 255, 255, ready ? 30 : 5));
    p.setPen(Qt::NoPen);
    p.setBrush(sg);
    p.drawRoundedRect(shine, radius - 2, radius - 2);

    const QFont font = sansFont(fontSize, true);
    // Lines apart by the font's size, a little more where an accent stands above a lower line.
    const bool accented = std::any_of(
        lines.begin() + std::min<qsizetype>(1, lines.size()), lines.end(), [](const QString& line) {
            return std::any_of(line.begin(), line.end(),
                               [](QChar c) { return c.unicode() > 0x7f; });
        });
    const double lineH = fontSize * 1.0 + (accented ? 1.5 : 0.0);
    const double top = body.center().y() - lineH * (lines.size() - 1) / 2.0;
    for (int i = 0; i < lines.size(); ++i) {
        // Inside the cap's rounded corners.
        const QPainterPath text =
            fittedText(lines[i], font, QPointF(body.center().x(), top + i * lineH),
                       body.width() - 2 * radius + 2);
        if (ready) {
            p.setPen(
                QPen(QColor(255, 255, 255, 140), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPath(text.translated(0, 0.8));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(ready ? st.ink : shade(st.base, 0.22));
        p.drawPath(text);
    }
}

QImage twoStates(int w, int h, const QStringList& lines, const ButtonStyle& st, int fontSize) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int half = h / 2;
    paintButton(p, QRectF(0, 0, w, half), lines, st, false, fontSize);
    paintButton(p, QRectF(0, half, w, h - half), lines, st, true, fontSize);
    return img;
}

}  // namespace

QColor buttonWellColour() {
    return QColor(18, 12, 22);
}

QImage drawBetMaxButton(const CabinetWords& words) {
    const ButtonStyle amber{QColor(255, 246, 170), QColor(250, 184, 20), QColor(170, 90, 0),
                            QColor(90, 20, 0)};
    return twoStates(57, 68, words.betMaxLines, amber, 11);
}

QImage drawSpinButton(const CabinetWords& words) {
    const ButtonStyle green{QColor(200, 255, 170), QColor(40, 200, 50), QColor(0, 100, 20),
                            QColor(0, 50, 0)};
    return twoStates(58, 70, {words.spin}, green, 15);
}

QImage drawDenominationBadge() {
    QImage img(57, 110, QImage::Format_RGB32);
    img.fill(buttonWellColour());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int state = 0; state < 2; ++state) {
        const bool lit = state == 1;
        const double dim = lit ? 1.0 : 0.45;
        const QPointF c(28.5, 55.0 * state + 27.5);
        // A coin-edged gold medallion with the denomination on a red field.
        QPainterPath edge;
        for (int i = 0; i < 48; ++i) {
            const double r = (i % 2 == 0) ? 26.0 : 24.5;
            const double a = i * std::numbers::pi * 2 / 48;
            const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
            if (i == 0) {
                edge.moveTo(pt);
            } else {
                edge.lineTo(pt);
            }
        }
        edge.closeSubpath();
        QLinearGradient gold(c - QPointF(0, 26), c + QPointF(0, 26));
        gold.setColorAt(0.0, shade(QColor(255, 240, 170), dim));
        gold.setColorAt(0.5, shade(QColor(220, 160, 40), dim));
        gold.setColorAt(1.0, shade(QColor(130, 80, 10), dim));
        p.setPen(QPen(QColor(40, 20, 0), 1.0));
        p.setBrush(gold);
        p.drawPath(edge);
        QRadialGradient field(c - QPointF(5, 7), 26);
        field.setColorAt(0.0, shade(QColor(255, 90, 80), dim));
        field.setColorAt(1.0, shade(QColor(130, 0, 20), dim));
        p.setPen(QPen(shade(QColor(255, 230, 140), dim), 1.2));
        p.setBrush(field);
        p.drawEllipse(c, 19.5, 19.5);
        const QColor ink = lit ? QColor(255, 250, 220) : QColor(120, 100, 90);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(centredText(QStringLiteral("1"), serifFont(22, true), c + QPointF(0, -4)));
        p.drawPath(centredText(QStringLiteral("CREDIT"), sansFont(7, true), c + QPointF(0, 10)));
    }
    return img;
}

}  // namespace art
