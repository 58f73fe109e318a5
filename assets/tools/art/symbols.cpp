// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>
#include <utility>

#include "art.h"

// Every symbol is drawn in a 76 x 76 unit square; the painter is scaled to the real cell size.
namespace art {

namespace {

constexpr double kUnit = 76.0;
constexpr double kPi = std::numbers::pi;

QPointF polar(QPointF c, double r, double degrees) {
    const double a = degrees * kPi / 180.0;
    return c + QPointF(r * std::cos(a), r * std::sin(a));
}

QPainterPath starPath(QPointF c, int points, double outer, double inner, double turn) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const QPointF pt = polar(c, r, turn - 90.0 + i * 180.0 / points);
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

// Outlined text: a light halo, a dark outline and a gradient fill, the way a reel glass prints.
void fancyText(QPainter& p, const QPainterPath& text, const QColor& top, const QColor& bottom,
               const QColor& outline, double outlineWidth, const QColor& halo = Qt::transparent,
               double haloWidth = 0.0) {
    p.save();
    p.setBrush(Qt::NoBrush);
    if (haloWidth > 0) {
        p.setPen(QPen(halo, haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(text);
    }
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    const QRectF box = text.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, top);
    fill.setColorAt(0.5, mix(top, bottom, 0.45));
    fill.setColorAt(1.0, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(text);
    p.restore();
}

// A soft white gloss over the upper part of a shape.
void gloss(QPainter& p, const QPainterPath& shape, double strength) {
    const QRectF box = shape.boundingRect();
    QLinearGradient g(box.topLeft(), QPointF(box.left(), box.top() + box.height() * 0.6));
    g.setColorAt(0.0, QColor(255, 255, 255, static_cast<int>(170 * strength)));
    g.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPainterPath top;
    top.addEllipse(QRectF(box.left() - box.width() * 0.2, box.top() - box.height() * 0.55,
                          box.width() * 1.4, box.height() * 1.0));
    p.drawPath(top);
    p.restore();
}

// The wild: a golden starburst under a purple banner. `glow` 0 is the resting frame and 1
// the brightest; the animation plays the frames back and forth, so the steps must be even.
void paintWildHalo(QPainter& p, double glow) {
    const QPointF c(38, 37);
    p.save();
    p.setPen(Qt::NoPen);
    const double reach = 34 + 6 * glow;
    QRadialGradient halo(c, reach);
    halo.setColorAt(0.0, QColor(255, 250, 210, static_cast<int>(60 + 195 * glow)));
    halo.setColorAt(0.7, QColor(255, 214, 70, static_cast<int>(30 + 200 * glow)));
    halo.setColorAt(1.0, QColor(255, 170, 0, 0));
    p.setBrush(halo);
    p.drawEllipse(c, reach, reach);
    if (glow > 0) {
        const QPainterPath star = starPath(c, 10, 34, 24.5, 0);
        p.setBrush(Qt::NoBrush);
        for (const auto& [width, alpha] :
             {std::pair{16.0, 50}, std::pair{10.0, 80}, std::pair{5.0, 120}}) {
            p.setPen(QPen(QColor(255, 236, 120, static_cast<int>(alpha * glow)), width * glow,
                          Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(star);
        }
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 10; ++i) {
            const double a = i * 36.0 + 18.0;
            const double len = 30 + 14 * glow;
            QPainterPath ray;
            ray.moveTo(c);
            ray.lineTo(polar(c, len, a - 5));
            ray.lineTo(polar(c, len, a + 5));
            ray.closeSubpath();
            QRadialGradient rg(c, len);
            rg.setColorAt(0.5, QColor(255, 255, 235, static_cast<int>(230 * glow)));
            rg.setColorAt(1.0, QColor(255, 235, 140, 0));
            p.setBrush(rg);
            p.drawPath(ray);
        }
    }
    p.restore();
}

void paintSparkle(QPainter& p, QPointF c, double size, int alpha) {
    QPainterPath s;
    s.moveTo(c + QPointF(0, -size));
    s.quadTo(c, c + QPointF(size, 0));
    s.quadTo(c, c + QPointF(0, size));
    s.quadTo(c, c + QPointF(-size, 0));
    s.quadTo(c, c + QPointF(0, -size));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawPath(s);
    QRadialGradient core(c, size * 0.6);
    core.setColorAt(0.0, QColor(255, 255, 255, alpha));
    core.setColorAt(1.0, QColor(255, 255, 200, 0));
    p.setBrush(core);
    p.drawEllipse(c, size * 0.6, size * 0.6);
}

void paintWild(QPainter& p, double glow) {
    const QPointF c(38, 37);
    const QPainterPath star = starPath(c, 10, 34, 24.5, 0);
    QRadialGradient sg(c + QPointF(-6, -8), 40);
    sg.setColorAt(0.0, mix(QColor(255, 248, 176), Qt::white, 0.8 * glow));
    sg.setColorAt(0.45, mix(QColor(255, 190, 30), QColor(255, 245, 150), glow));
    sg.setColorAt(0.85, mix(QColor(232, 110, 8), QColor(255, 200, 60), glow));
    sg.setColorAt(1.0, mix(QColor(180, 60, 0), QColor(230, 130, 20), glow));
    p.setPen(QPen(mix(QColor(120, 30, 0), QColor(230, 120, 10), glow), 1.6, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(sg);
    p.drawPath(star);
    // Inner bevel ring that catches the light.
    p.setPen(QPen(QColor(255, 250, 210, 170), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(c, 10, 30.5, 21.5, 0));

    // The banner: a slightly arched purple plate with a gold rim.
    QPainterPath banner;
    banner.moveTo(2, 29);
    banner.quadTo(38, 23, 74, 29);
    banner.lineTo(74, 50);
    banner.quadTo(38, 44, 2, 50);
    banner.closeSubpath();
    QLinearGradient bg(0, 24, 0, 50);
    bg.setColorAt(0.0, mix(QColor(190, 60, 230), QColor(235, 120, 255), glow));
    bg.setColorAt(0.5, QColor(110, 10, 150));
    bg.setColorAt(1.0, QColor(60, 0, 90));
    p.setBrush(bg);
    p.setPen(QPen(QColor(255, 214, 90), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(banner);
    p.setPen(QPen(QColor(90, 40, 0), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(banner);
    gloss(p, banner, 0.55);

    const QPainterPath text =
        centredText(QStringLiteral("WILD"), sansFont(22, true), c + QPointF(0, 1), 1.02);
    fancyText(p, text, mix(QColor(255, 255, 235), Qt::white, glow),
              mix(QColor(255, 190, 30), QColor(255, 240, 150), glow), QColor(50, 0, 60), 3.0);

    if (glow > 0) {
        const int alpha = static_cast<int>(255 * std::min(1.0, 0.4 + glow));
        paintSparkle(p, QPointF(14, 13), 2 + 7 * glow, alpha);
        paintSparkle(p, QPointF(63, 61), 2 + 7 * glow, alpha);
        paintSparkle(p, QPointF(64, 13), 1.5 + 4.5 * glow, alpha);
        paintSparkle(p, QPointF(12, 62), 1.5 + 4.5 * glow, alpha);
        paintSparkle(p, QPointF(52, 24), 1 + 3 * glow, alpha);
    }
}

// A pool-ball style bingo ball with its letter on a white disc.
void paintBall(QPainter& p, const QColor& base, const QString& letter, bool whiteBall) {
    const QPointF c(38, 37);
    const double r = 31;
    QRadialGradient body(c + QPointF(-9, -11), 44, c + QPointF(-11, -13));
    body.setColorAt(0.0, mix(base, Qt::white, whiteBall ? 0.9 : 0.55));
    body.setColorAt(0.35, base);
    body.setColorAt(0.78, shade(base, whiteBall ? 0.78 : 0.62));
    body.setColorAt(1.0, shade(base, whiteBall ? 0.5 : 0.3));
    p.setPen(QPen(shade(base, whiteBall ? 0.35 : 0.25), 1.3));
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    // Light bouncing back off the reel at the lower rim.
    QPainterPath rim;
    rim.addEllipse(c, r - 1.5, r - 1.5);
    QPainterPath cut;
    cut.addEllipse(c + QPointF(-3, -4), r - 2, r - 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(rim.subtracted(cut));

    const QPointF dc = c + QPointF(-1.5, -1.5);
    const double dr = 16.5;
    if (whiteBall) {
        p.setPen(QPen(QColor(200, 30, 40), 2.2));
    } else {
        p.setPen(QPen(QColor(0, 0, 0, 70), 0.8));
    }
    QRadialGradient disc(dc + QPointF(-4, -5), dr * 1.5);
    disc.setColorAt(0.0, QColor(255, 255, 255));
    disc.setColorAt(0.7, QColor(246, 244, 238));
    disc.setColorAt(1.0, QColor(205, 200, 190));
    p.setBrush(disc);
    p.drawEllipse(dc, dr, dr);

    const QPainterPath text = centredText(letter, sansFont(22, true), dc + QPointF(0, 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 22, 28));
    p.drawPath(text);

    // Highlight of the cabinet lights on the glossy ball.
    p.save();
    p.translate(c + QPointF(-13, -16));
    p.rotate(-35);
    QRadialGradient highlight(QPointF(0, 0), 11);
    highlight.setColorAt(0.0, QColor(255, 255, 255, 235));
    highlight.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(highlight);
    p.drawEllipse(QPointF(0, 0), 11.0, 6.5);
    p.restore();
}

void paintBingoCard(QPainter& p) {
    p.save();
    p.translate(38, 38);
    p.rotate(-8);
    const QRectF card(-24, -31, 48, 62);
    QPainterPath outline;
    outline.addRoundedRect(card, 3.5, 3.5);
    p.setPen(QPen(QColor(15, 45, 120), 2.0));
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(226, 236, 250));
    p.setBrush(paper);
    p.drawPath(outline);

    const QRectF header(card.left() + 2.5, card.top() + 2.5, card.width() - 5, 12);
    QLinearGradient hg(header.topLeft(), header.bottomLeft());
    hg.setColorAt(0.0, QColor(255, 80, 70));
    hg.setColorAt(1.0, QColor(170, 10, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    p.drawRoundedRect(header, 2, 2);
    const double cw = header.width() / 5.0;
    const QString letters = QStringLiteral("BINGO");
    for (int i = 0; i < 5; ++i) {
        const QPointF lc(header.left() + cw * (i + 0.5), header.center().y());
        p.setBrush(Qt::white);
        p.drawPath(centredText(letters.mid(i, 1), sansFont(9, true), lc));
    }

    const double top = header.bottom() + 1.5;
    const double ch = (card.bottom() - 2.5 - top) / 5.0;
    p.setPen(QPen(QColor(70, 110, 190), 0.7));
    for (int i = 0; i <= 5; ++i) {
        p.drawLine(QPointF(header.left() + cw * i, top),
                   QPointF(header.left() + cw * i, top + 5 * ch));
        p.drawLine(QPointF(header.left(), top + ch * i), QPointF(header.right(), top + ch * i));
    }
    // Numbers read as texture at small sizes and as numbers on the large sheets.
    static const int numbers[5][5] = {{7, 22, 41, 53, 68},
                                      {12, 18, 38, 49, 71},
                                      {3, 27, 0, 60, 64},
                                      {14, 25, 44, 47, 75},
                                      {9, 30, 35, 58, 62}};
    const QFont nf = sansFont(6, true);
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QPointF cc(header.left() + cw * (col + 0.5), top + ch * (row + 0.5));
            if (numbers[row][col] == 0) {
                p.setPen(QPen(QColor(150, 20, 30), 0.5));
                p.setBrush(QColor(240, 40, 50));
                p.drawPath(starPath(cc, 5, 4.6, 2.0, 0));
                continue;
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 50, 80));
            p.drawPath(centredText(QString::number(numbers[row][col]), nf, cc));
        }
    }
    // Dabs along a diagonal: the card is one call from a win.
    const int dabbed[][2] = {{0, 0}, {1, 1}, {3, 3}, {4, 4}, {0, 3}, {4, 1}};
    for (const auto& d : dabbed) {
        const QPointF cc(header.left() + cw * (d[1] + 0.5), top + ch * (d[0] + 0.5));
        QRadialGradient dab(cc, 4.6);
        const bool magenta = d[0] == d[1];
        const QColor ink = magenta ? QColor(230, 20, 150) : QColor(30, 150, 255);
        dab.setColorAt(0.0, withAlpha(ink, 190));
        dab.setColorAt(0.8, withAlpha(ink, 160));
        dab.setColorAt(1.0, withAlpha(shade(ink, 0.7), 200));
        p.setPen(Qt::NoPen);
        p.setBrush(dab);
        p.drawEllipse(cc, 4.4, 4.4);
    }
    p.restore();
}

QPainterPath ticketShape(const QRectF& r) {
    QPainterPath shape;
    shape.addRoundedRect(r, 1.5, 1.5);
    const double n = r.height() * 0.16;
    QPainterPath notches;
    notches.addEllipse(QPointF(r.left(), r.center().y()), n, n);
    notches.addEllipse(QPointF(r.right(), r.center().y()), n, n);
    for (const QPointF& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        notches.addEllipse(corner, n * 0.6, n * 0.6);
    }
    return shape.subtracted(notches);
}

void paintTicket(QPainter& p, QPointF centre, double angle, const QColor& colour) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF r(-29, -14, 58, 28);
    const QPainterPath shape = ticketShape(r);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, mix(colour, Qt::white, 0.35));
    g.setColorAt(0.5, colour);
    g.setColorAt(1.0, shade(colour, 0.72));
    p.setPen(QPen(shade(colour, 0.4), 1.2));
    p.setBrush(g);
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(mix(colour, Qt::white, 0.7), 220), 0.9, Qt::DashLine));
    p.drawRoundedRect(r.adjusted(4, 3.5, -4, -3.5), 1.5, 1.5);
    // Perforation between ticket and stub.
    p.setPen(Qt::NoPen);
    p.setBrush(shade(colour, 0.45));
    for (int i = 0; i < 7; ++i) {
        p.drawEllipse(QPointF(14, r.top() + 3 + i * 3.7), 0.8, 0.8);
    }
    p.setBrush(QColor(255, 250, 225));
    p.drawPath(starPath(QPointF(21.5, 0), 5, 5.5, 2.4, 0));
    const QPainterPath text =
        centredText(QStringLiteral("TICKET"), sansFont(10, true), QPointF(-6.5, 0.5));
    p.setPen(QPen(shade(colour, 0.35), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 235));
    p.drawPath(text);
    p.restore();
}

void paintTickets(QPainter& p) {
    paintTicket(p, QPointF(40, 27), 14, QColor(255, 150, 20));
    paintTicket(p, QPointF(36, 49), -10, QColor(225, 30, 60));
}

void paintMiniBall(QPainter& p, QPointF c, double r, const QColor& colour) {
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
    g.setColorAt(0.0, mix(colour, Qt::white, 0.7));
    g.setColorAt(0.5, colour);
    g.setColorAt(1.0, shade(colour, 0.45));
    p.setPen(QPen(shade(colour, 0.3), 0.6));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawEllipse(c + QPointF(-0.1 * r, 0.05 * r), r * 0.45, r * 0.45);
}

void paintCage(QPainter& p) {
    const QPointF c(36, 32);
    const double r = 24;
    const QColor gold(214, 160, 40);
    const QColor dark(110, 64, 10);

    // Stand: a wooden plinth and two brass legs to the axle.
    const QRectF plinth(10, 63, 52, 9);
    QLinearGradient wood(plinth.topLeft(), plinth.bottomLeft());
    wood.setColorAt(0.0, QColor(196, 110, 50));
    wood.setColorAt(1.0, QColor(100, 45, 15));
    p.setPen(QPen(QColor(70, 30, 10), 1.0));
    p.setBrush(wood);
    p.drawRoundedRect(plinth, 2.5, 2.5);
    QPen leg(gold, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(QPen(dark, 5.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 64), c);
    p.drawLine(QPointF(56, 64), c);
    p.setPen(leg);
    p.drawLine(QPointF(16, 64), c);
    p.drawLine(QPointF(56, 64), c);

    // Balls resting in the bottom of the drum, behind the front wires.
    QPainterPath drum;
    drum.addEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    QRadialGradient glass(c + QPointF(-8, -10), r * 1.4);
    glass.setColorAt(0.0, QColor(255, 255, 255, 120));
    glass.setColorAt(1.0, QColor(140, 180, 230, 90));
    p.setBrush(glass);
    p.drawPath(drum);
    p.save();
    p.setClipPath(drum);
    paintMiniBall(p, QPointF(23, 45), 7, QColor(30, 90, 220));
    paintMiniBall(p, QPointF(37, 49), 7, QColor(250, 200, 20));
    paintMiniBall(p, QPointF(50, 44), 7, QColor(30, 160, 60));
    paintMiniBall(p, QPointF(30, 35), 6.5, QColor(220, 30, 40));
    paintMiniBall(p, QPointF(44, 32), 6.5, QColor(240, 240, 235));
    p.restore();

    // Wires: meridians and parallels of the drum.
    QPen wire(gold, 1.5);
    p.setBrush(Qt::NoBrush);
    for (double rx : {13.0}) {
        p.setPen(QPen(withAlpha(dark, 200), 2.3));
        p.drawEllipse(c, rx, r);
        p.setPen(wire);
        p.drawEllipse(c, rx, r);
    }
    for (double dy : {-12.0, 0.0, 12.0}) {
        const double half = std::sqrt(r * r - dy * dy);
        p.setPen(QPen(withAlpha(dark, 200), 2.3));
        p.drawLine(QPointF(c.x() - half, c.y() + dy), QPointF(c.x() + half, c.y() + dy));
        p.setPen(wire);
        p.drawLine(QPointF(c.x() - half, c.y() + dy), QPointF(c.x() + half, c.y() + dy));
    }
    p.setPen(QPen(dark, 4.6));
    p.drawEllipse(c, r, r);
    QConicalGradient ring(c, 45);
    ring.setColorAt(0.0, QColor(255, 240, 170));
    ring.setColorAt(0.25, gold);
    ring.setColorAt(0.5, QColor(150, 96, 20));
    ring.setColorAt(0.75, gold);
    ring.setColorAt(1.0, QColor(255, 240, 170));
    p.setPen(QPen(QBrush(ring), 3.0));
    p.drawEllipse(c, r, r);

    // Crank handle on the axle.
    p.setPen(QPen(dark, 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(66, 22));
    p.setPen(QPen(gold, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(66, 22));
    QRadialGradient knob(QPointF(66, 20), 5);
    knob.setColorAt(0.0, QColor(255, 120, 110));
    knob.setColorAt(1.0, QColor(150, 10, 20));
    p.setPen(QPen(QColor(90, 0, 10), 0.9));
    p.setBrush(knob);
    p.drawEllipse(QRectF(62.5, 14, 7, 10));
    QRadialGradient hub(c + QPointF(-1, -1), 4);
    hub.setColorAt(0.0, QColor(255, 245, 200));
    hub.setColorAt(1.0, QColor(150, 100, 20));
    p.setPen(QPen(dark, 0.8));
    p.setBrush(hub);
    p.drawEllipse(c, 3.6, 3.6);
}

void paintRank(QPainter& p, const QString& rank, const QColor& top, const QColor& bottom,
               double stretch) {
    const QPainterPath text = centredText(rank, serifFont(62, true), QPointF(38, 38.5), stretch);
    fancyText(p, text, top, bottom, shade(bottom, 0.45), 3.2, QColor(255, 255, 255), 7.5);
    // A narrow highlight streak along the upper edge of the letters.
    p.save();
    p.setClipPath(text);
    QLinearGradient shine(0, 12, 0, 34);
    shine.setColorAt(0.0, QColor(255, 255, 255, 150));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRect(QRectF(0, 0, kUnit, 36));
    p.restore();
}

void paintDoll(QPainter& p) {
    const QColor skin(255, 214, 180);
    const QColor hair(120, 62, 28);
    const QColor dress(236, 70, 140);

    // Hair behind the head, with two pigtails.
    p.setPen(QPen(shade(hair, 0.55), 1.0));
    QRadialGradient hg(QPointF(34, 18), 22);
    hg.setColorAt(0.0, mix(hair, Qt::white, 0.25));
    hg.setColorAt(1.0, shade(hair, 0.7));
    p.setBrush(hg);
    p.drawEllipse(QPointF(38, 25), 17.5, 17.0);
    p.drawEllipse(QPointF(18.5, 33), 6.5, 9.0);
    p.drawEllipse(QPointF(57.5, 33), 6.5, 9.0);

    // Legs and shoes under the dress.
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    p.setBrush(QColor(250, 250, 252));
    p.drawRoundedRect(QRectF(29, 60, 6.5, 9), 2, 2);
    p.drawRoundedRect(QRectF(40.5, 60, 6.5, 9), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 20, 40));
    p.drawEllipse(QRectF(27, 67, 10, 6));
    p.drawEllipse(QRectF(39, 67, 10, 6));

    // Arms.
    p.setPen(QPen(shade(skin, 0.7), 0.8));
    p.setBrush(skin);
    p.drawEllipse(QRectF(16, 44, 8, 15));
    p.drawEllipse(QRectF(52, 44, 8, 15));

    // Dress.
    QPainterPath frock;
    frock.moveTo(31, 40);
    frock.lineTo(45, 40);
    frock.cubicTo(50, 48, 56, 56, 59, 63);
    frock.quadTo(38, 68, 17, 63);
    frock.cubicTo(20, 56, 26, 48, 31, 40);
    frock.closeSubpath();
    QLinearGradient dg(QPointF(17, 0), QPointF(59, 0));
    dg.setColorAt(0.0, shade(dress, 0.7));
    dg.setColorAt(0.4, mix(dress, Qt::white, 0.25));
    dg.setColorAt(1.0, shade(dress, 0.65));
    p.setPen(QPen(shade(dress, 0.45), 1.0));
    p.setBrush(dg);
    p.drawPath(frock);
    p.save();
    p.setClipPath(frock);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    for (const QPointF& dot : {QPointF(30, 50), QPointF(44, 48), QPointF(37, 57), QPointF(25, 60),
                               QPointF(50, 59), QPointF(38, 45)}) {
        p.drawEllipse(dot, 1.6, 1.6);
    }
    p.restore();
    // Lace hem and collar.
    p.setPen(QPen(QColor(255, 255, 255), 1.8, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath hem;
    hem.moveTo(18, 62.5);
    hem.quadTo(38, 67.5, 58, 62.5);
    p.drawPath(hem);
    p.setPen(QPen(shade(dress, 0.5), 0.7));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(29, 37.5, 9, 5));
    p.drawEllipse(QRectF(38, 37.5, 9, 5));

    // Face.
    QRadialGradient face(QPointF(34, 22), 18);
    face.setColorAt(0.0, mix(skin, Qt::white, 0.4));
    face.setColorAt(1.0, shade(skin, 0.88));
    p.setPen(QPen(shade(skin, 0.65), 0.9));
    p.setBrush(face);
    p.drawEllipse(QPointF(38, 26), 13.5, 13.0);
    // Fringe.
    QPainterPath fringe;
    fringe.moveTo(24.2, 25);
    fringe.cubicTo(24, 12, 52, 10, 51.8, 25);
    fringe.cubicTo(48, 19, 44, 18, 41, 21);
    fringe.cubicTo(38, 17, 33, 17, 31, 21);
    fringe.cubicTo(29, 19, 26, 21, 24.2, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(hg);
    p.drawPath(fringe);
    // Eyes, cheeks, mouth.
    for (double ex : {32.5, 43.5}) {
        p.setBrush(QColor(30, 20, 40));
        p.drawEllipse(QPointF(ex, 27.5), 2.4, 3.2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(ex - 0.8, 26.4), 0.9, 0.9);
    }
    p.setBrush(QColor(255, 110, 130, 120));
    p.drawEllipse(QPointF(29, 32), 3.0, 2.0);
    p.drawEllipse(QPointF(47, 32), 3.0, 2.0);
    QPainterPath smile;
    smile.moveTo(35, 33);
    smile.quadTo(38, 36.5, 41, 33);
    p.setPen(QPen(QColor(200, 40, 60), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);

    // Bow on top.
    QPainterPath bow;
    bow.moveTo(38, 12);
    bow.cubicTo(32, 5, 26, 8, 28, 13);
    bow.cubicTo(29, 17, 34, 15, 38, 12);
    bow.cubicTo(42, 15, 47, 17, 48, 13);
    bow.cubicTo(50, 8, 44, 5, 38, 12);
    p.setPen(QPen(QColor(130, 0, 50), 0.9));
    p.setBrush(QColor(255, 90, 160));
    p.drawPath(bow);
    p.setBrush(QColor(200, 20, 100));
    p.drawEllipse(QPointF(38, 12), 2.2, 2.2);
}

void paintElephant(QPainter& p) {
    const QColor hide(140, 160, 196);
    const QColor outline(50, 60, 90);
    QPen edge(outline, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    auto hideBrush = [&](QPointF focus, double radius) {
        QRadialGradient g(focus, radius);
        g.setColorAt(0.0, mix(hide, Qt::white, 0.45));
        g.setColorAt(0.6, hide);
        g.setColorAt(1.0, shade(hide, 0.7));
        return QBrush(g);
    };

    // Far legs, darker.
    p.setPen(edge);
    p.setBrush(shade(hide, 0.75));
    p.drawRoundedRect(QRectF(33, 52, 8, 16), 3, 3);
    p.drawRoundedRect(QRectF(55, 52, 8, 15), 3, 3);

    // Tail.
    QPainterPath tail;
    tail.moveTo(66, 42);
    tail.cubicTo(71, 44, 71, 50, 69, 54);
    p.setPen(QPen(outline, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawEllipse(QPointF(69, 55), 1.6, 2.4);

    // Body.
    p.setPen(edge);
    p.setBrush(hideBrush(QPointF(42, 34), 30));
    p.drawEllipse(QPointF(47, 44), 21, 16);

    // Near legs.
    p.setBrush(hideBrush(QPointF(30, 56), 14));
    p.drawRoundedRect(QRectF(25, 52, 9, 18), 3.5, 3.5);
    p.drawRoundedRect(QRectF(48, 53, 9, 17), 3.5, 3.5);
    p.setPen(QPen(QColor(240, 240, 235), 1.3));
    for (double x : {26.5, 49.5}) {
        p.drawLine(QPointF(x, 67.5), QPointF(x + 6, 67.5));
    }

    // Circus blanket with gold fringe.
    QPainterPath blanket;
    blanket.moveTo(40, 29.5);
    blanket.quadTo(52, 26.5, 62, 33);
    blanket.lineTo(60, 50);
    blanket.quadTo(50, 53, 41, 50);
    blanket.closeSubpath();
    QLinearGradient bg(40, 28, 60, 52);
    bg.setColorAt(0.0, QColor(240, 50, 60));
    bg.setColorAt(1.0, QColor(150, 10, 30));
    p.setPen(QPen(QColor(100, 0, 20), 0.9));
    p.setBrush(bg);
    p.drawPath(blanket);
    p.setPen(QPen(QColor(255, 205, 60), 1.8, Qt::DotLine, Qt::RoundCap));
    QPainterPath fringe;
    fringe.moveTo(41, 50.5);
    fringe.quadTo(50, 53.5, 60, 50.5);
    p.drawPath(fringe);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 70));
    p.drawPath(starPath(QPointF(51, 40), 5, 5, 2.1, 0));

    // Head and raised trunk, the lucky pose.
    QPainterPath trunk;
    trunk.moveTo(14, 37);
    trunk.cubicTo(9, 40, 4, 36, 4, 27);
    trunk.cubicTo(4, 22, 6, 18, 9, 16);
    trunk.lineTo(12.5, 19);
    trunk.cubicTo(10, 22, 10, 28, 13, 30);
    trunk.cubicTo(15, 31, 17, 30, 19, 28);
    trunk.closeSubpath();
    p.setPen(edge);
    p.setBrush(hideBrush(QPointF(10, 22), 16));
    p.drawPath(trunk);
    p.setPen(QPen(shade(outline, 1.2), 0.7));
    for (double t : {0.3, 0.45, 0.6}) {
        const QPointF a = trunk.pointAtPercent(t);
        p.drawLine(a, a + QPointF(3.2, 0.8));
    }
    p.setPen(edge);
    p.setBrush(hideBrush(QPointF(20, 24), 17));
    p.drawEllipse(QPointF(23, 32), 12, 12.5);
    // Tusk.
    p.setPen(QPen(QColor(170, 160, 140), 0.8));
    p.setBrush(QColor(255, 250, 235));
    QPainterPath tusk;
    tusk.moveTo(15, 38);
    tusk.quadTo(11, 42, 8, 41);
    tusk.quadTo(11, 38, 13.5, 36);
    tusk.closeSubpath();
    p.drawPath(tusk);
    // Ear with pink inside.
    QPainterPath ear;
    ear.moveTo(27, 22);
    ear.cubicTo(40, 16, 44, 34, 38, 42);
    ear.cubicTo(34, 47, 28, 44, 27, 40);
    ear.closeSubpath();
    p.setPen(edge);
    p.setBrush(hideBrush(QPointF(32, 26), 16));
    p.drawPath(ear);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 170, 200));
    p.drawPath(QTransform::fromTranslate(32, 32).scale(0.62, 0.62).translate(-32, -32).map(ear));
    // Eye.
    p.setBrush(QColor(20, 20, 30));
    p.drawEllipse(QPointF(19.5, 29), 2.0, 2.4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(18.8, 28.2), 0.75, 0.75);
    // Plume on the headband.
    p.setPen(QPen(QColor(120, 0, 90), 0.7));
    p.setBrush(QColor(230, 60, 200));
    QPainterPath plume;
    plume.moveTo(22, 20.5);
    plume.cubicTo(18, 12, 22, 5, 28, 3);
    plume.cubicTo(27, 9, 27, 15, 22, 20.5);
    p.drawPath(plume);
    p.setPen(QPen(QColor(255, 205, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13, 19, 20, 10), 20 * 16, 140 * 16);
}

void paintDauber(QPainter& p, QPointF base, double height, const QColor& ink,
                 const QString& label) {
    const double w = 18;
    const double x = base.x() - w / 2;
    const double bodyTop = base.y() - height;
    // Bottle with rounded shoulders narrowing into the sponge tip.
    QPainterPath bottle;
    bottle.moveTo(x, base.y() - 3);
    bottle.lineTo(x, bodyTop + 8);
    bottle.quadTo(x, bodyTop + 2, x + 5, bodyTop);
    bottle.lineTo(x + w - 5, bodyTop);
    bottle.quadTo(x + w, bodyTop + 2, x + w, bodyTop + 8);
    bottle.lineTo(x + w, base.y() - 3);
    bottle.quadTo(x + w, base.y(), x + w - 3, base.y());
    bottle.lineTo(x + 3, base.y());
    bottle.quadTo(x, base.y(), x, base.y() - 3);
    bottle.closeSubpath();
    QLinearGradient g(QPointF(x, 0), QPointF(x + w, 0));
    g.setColorAt(0.0, shade(ink, 0.55));
    g.setColorAt(0.3, mix(ink, Qt::white, 0.45));
    g.setColorAt(0.55, ink);
    g.setColorAt(1.0, shade(ink, 0.5));
    p.setPen(QPen(shade(ink, 0.3), 1.0));
    p.setBrush(g);
    p.drawPath(bottle);
    // Label.
    const QRectF labelBox(x + 1, base.y() - height * 0.55, w - 2, 9);
    QLinearGradient lg(labelBox.topLeft(), labelBox.topRight());
    lg.setColorAt(0.0, QColor(215, 215, 220));
    lg.setColorAt(0.35, QColor(255, 255, 255));
    lg.setColorAt(1.0, QColor(200, 200, 208));
    p.setPen(Qt::NoPen);
    p.setBrush(lg);
    p.drawRect(labelBox);
    p.setBrush(shade(ink, 0.55));
    p.drawPath(centredText(label, sansFont(6, true), labelBox.center()));
    // Cap in the ink's colour, ribbed for grip.
    const QRectF cap(x + 2.5, bodyTop - 9, w - 5, 10);
    QLinearGradient cg(cap.topLeft(), cap.topRight());
    cg.setColorAt(0.0, shade(ink, 0.45));
    cg.setColorAt(0.35, mix(ink, Qt::white, 0.5));
    cg.setColorAt(1.0, shade(ink, 0.4));
    p.setPen(QPen(shade(ink, 0.25), 0.8));
    p.setBrush(cg);
    p.drawRoundedRect(cap, 2.5, 2.5);
    p.setPen(QPen(withAlpha(shade(ink, 0.25), 110), 0.6));
    for (double dx = 2; dx < cap.width() - 1; dx += 2) {
        p.drawLine(QPointF(cap.left() + dx, cap.top() + 2),
                   QPointF(cap.left() + dx, cap.bottom() - 1));
    }
    gloss(p, bottle, 0.5);
}

void paintDaubers(QPainter& p) {
    // A couple of dabs on the "table" behind the bottles.
    for (const auto& [c, col] : {std::pair{QPointF(12, 66), QColor(40, 170, 60)},
                                 std::pair{QPointF(66, 64), QColor(240, 30, 150)}}) {
        QRadialGradient dab(c, 7);
        dab.setColorAt(0.0, withAlpha(col, 200));
        dab.setColorAt(0.85, withAlpha(col, 170));
        dab.setColorAt(1.0, withAlpha(col, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(dab);
        p.drawEllipse(c, 7.0, 5.0);
    }
    paintDauber(p, QPointF(18, 68), 40, QColor(40, 170, 60), QStringLiteral("DAB"));
    paintDauber(p, QPointF(58, 68), 40, QColor(30, 110, 240), QStringLiteral("DAB"));
    paintDauber(p, QPointF(38, 72), 48, QColor(236, 30, 150), QStringLiteral("DAB"));
}

void paintBag(QPainter& p) {
    const QColor cloth(150, 30, 150);
    // Sack: gathered neck, round belly.
    QPainterPath sack;
    sack.moveTo(30, 26);
    sack.cubicTo(14, 34, 7, 50, 11, 61);
    sack.cubicTo(15, 72, 61, 72, 65, 61);
    sack.cubicTo(69, 50, 62, 34, 46, 26);
    sack.closeSubpath();
    QRadialGradient sg(QPointF(32, 44), 36);
    sg.setColorAt(0.0, mix(cloth, Qt::white, 0.35));
    sg.setColorAt(0.6, cloth);
    sg.setColorAt(1.0, shade(cloth, 0.45));
    p.setPen(QPen(shade(cloth, 0.35), 1.2));
    p.setBrush(sg);
    p.drawPath(sack);
    // Ruffled top above the cord.
    QPainterPath ruffle;
    ruffle.moveTo(31, 25);
    ruffle.cubicTo(24, 20, 20, 12, 22, 8);
    ruffle.quadTo(26, 11, 29, 7);
    ruffle.quadTo(33, 11, 38, 6);
    ruffle.quadTo(43, 11, 47, 7);
    ruffle.quadTo(50, 11, 54, 8);
    ruffle.cubicTo(56, 12, 52, 20, 45, 25);
    ruffle.closeSubpath();
    QLinearGradient rg(0, 6, 0, 26);
    rg.setColorAt(0.0, mix(cloth, Qt::white, 0.3));
    rg.setColorAt(1.0, shade(cloth, 0.5));
    p.setBrush(rg);
    p.drawPath(ruffle);
    p.setPen(QPen(shade(cloth, 0.4), 0.8));
    for (double fx : {31.0, 38.0, 45.0}) {
        p.drawLine(QPointF(fx, 11), QPointF(fx + (38 - fx) * 0.3, 24));
    }
    // Gold cord with tassels.
    const QColor gold(240, 190, 50);
    p.setPen(QPen(QColor(120, 70, 0), 4.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 26), QPointF(48, 26));
    p.setPen(QPen(gold, 2.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, 26), QPointF(48, 26));
    QPainterPath cord;
    cord.moveTo(46, 27);
    cord.cubicTo(52, 32, 54, 36, 53, 40);
    cord.moveTo(46, 27);
    cord.cubicTo(56, 28, 59, 33, 60, 37);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 70, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cord);
    p.setPen(QPen(gold, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cord);
    for (const QPointF& t : {QPointF(53, 43), QPointF(60, 40)}) {
        p.setPen(QPen(QColor(120, 70, 0), 0.7));
        p.setBrush(gold);
        p.drawEllipse(t, 2.2, 3.4);
    }
    // Printed label.
    const QPainterPath text =
        centredText(QStringLiteral("BINGO"), sansFont(15, true), QPointF(38, 52), 0.92);
    fancyText(p, text, QColor(255, 248, 190), QColor(240, 170, 30), QColor(70, 0, 60), 2.6);
    gloss(p, sack, 0.35);
}

void paintSymbol(QPainter& p, int code) {
    switch (code) {
        case 5:
            paintBall(p, QColor(30, 86, 220), QStringLiteral("B"), false);
            break;
        case 6:
            paintBall(p, QColor(222, 28, 40), QStringLiteral("I"), false);
            break;
        case 7:
            paintBall(p, QColor(244, 242, 234), QStringLiteral("N"), true);
            break;
        case 8:
            paintBall(p, QColor(24, 160, 64), QStringLiteral("G"), false);
            break;
        case 9:
            paintBall(p, QColor(250, 196, 18), QStringLiteral("O"), false);
            break;
        case 10:
            paintBingoCard(p);
            break;
        case 11:
            paintTickets(p);
            break;
        case 12:
            paintCage(p);
            break;
        case 13:
            paintRank(p, QStringLiteral("A"), QColor(255, 110, 100), QColor(170, 0, 20), 1.0);
            break;
        case 14:
            paintRank(p, QStringLiteral("K"), QColor(110, 170, 255), QColor(10, 40, 160), 1.0);
            break;
        case 15:
            paintRank(p, QStringLiteral("Q"), QColor(220, 130, 255), QColor(90, 10, 140), 1.0);
            break;
        case 16:
            paintRank(p, QStringLiteral("J"), QColor(120, 230, 110), QColor(10, 110, 30), 1.0);
            break;
        case 17:
            paintRank(p, QStringLiteral("10"), QColor(255, 200, 80), QColor(200, 80, 0), 0.74);
            break;
        case 18:
            paintDoll(p);
            break;
        case 19:
            paintElephant(p);
            break;
        case 20:
            paintDaubers(p);
            break;
        case 21:
            paintBag(p);
            break;
        default:
            break;
    }
}

}  // namespace

QColor reelColour() {
    return QColor(250, 246, 234);
}

void paintReelBackground(QPainter& p, const QRectF& cell) {
    // Darker towards the side rails, the way light falls on a curved reel band.
    QLinearGradient g(cell.topLeft(), cell.topRight());
    const QColor mid = reelColour();
    g.setColorAt(0.0, QColor(222, 214, 194));
    g.setColorAt(0.12, mix(QColor(222, 214, 194), mid, 0.8));
    g.setColorAt(0.5, mid);
    g.setColorAt(0.88, mix(QColor(222, 214, 194), mid, 0.8));
    g.setColorAt(1.0, QColor(222, 214, 194));
    p.fillRect(cell, g);
}

void paintBingoBall(QPainter& p, int letter) {
    paintSymbol(p, 5 + letter);
}

QImage drawSymbolSprite(int code, int size) {
    QImage sprite(size, size, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    if (code < 0 || code >= 22) {
        return sprite;
    }
    const double s = size / kUnit;
    QPainter p(&sprite);
    p.setRenderHint(QPainter::Antialiasing);
    if (code <= 4) {
        // The glow sits under the shadow so it lights the reel instead of darkening it.
        p.save();
        p.scale(s, s);
        paintWildHalo(p, code / 4.0);
        p.restore();
    }
    QImage layer(size, size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.scale(s, s);
        if (code <= 4) {
            paintWild(lp, code / 4.0);
        } else {
            paintSymbol(lp, code);
        }
    }
    drawWithShadow(p, layer, QPointF(1.6 * s, 2.2 * s), 3.5 * s, 120);
    return sprite;
}

QImage drawSymbolCell(int code, int cellSize) {
    QImage cell(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&cell);
    paintReelBackground(p, QRectF(0, 0, cellSize, cellSize));
    p.drawImage(0, 0, drawSymbolSprite(code, cellSize));
    return cell;
}

QImage drawSymbolSheet(int cellSize) {
    QImage sheet(cellSize * kSheetColumns, cellSize * kSheetRows, QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int code = 0; code < kSheetColumns * kSheetRows; ++code) {
        p.drawImage((code % kSheetColumns) * cellSize, (code / kSheetColumns) * cellSize,
                    drawSymbolCell(code, cellSize));
    }
    return sheet;
}

}  // namespace art
