// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "art.h"
#include "ui/design_grid.h"

// The cabinet on the 800 x 600 design grid. The game draws the reels, markers, meters, keys,
// buttons and logo over fixed rectangles of this picture, so those places are drawn to the pixel.
namespace art {

namespace {

using namespace quillane::design_grid;

// Places the game draws over or reads back.
constexpr int kReelBottom = kReelTop + kReelRows * kCellSize - 1;  // last row of the cells
constexpr int kMarkerBottom =
    kMarkerTop + static_cast<int>(kMarkerRow.size()) * kMarkerRowHeight - 1;

QRect rectOf(Box box) {
    return QRect(QPoint(box.left, box.top), QPoint(box.right, box.bottom));
}

const QColor kBodyLight(78, 20, 92);
const QColor kBodyDark(26, 6, 36);
const QColor kRecess(12, 6, 18);

// How many pixels of the picture one unit of the design grid covers.
double pixelScale(const QPainter& p) {
    return p.transform().m11();
}

// A symbol sprite drawn for the picture's own pixels, not enlarged from the design size.
void drawSprite(QPainter& p, int code, QPointF at, int size) {
    const int pixels = static_cast<int>(std::lround(size * pixelScale(p)));
    p.drawImage(QRectF(at, QSizeF(size, size)), drawSymbolSprite(code, pixels));
}

QFont spaced(QFont f, double spacing) {
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return f;
}

void goldText(QPainter& p, const QPainterPath& text, double outline) {
    const QRectF box = text.boundingRect();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 10, 0), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(chromeGradient(box, true));
    p.drawPath(text);
}

void paintBody(QPainter& p) {
    QLinearGradient g(0, 0, 0, 600);
    g.setColorAt(0.0, kBodyDark);
    g.setColorAt(0.3, kBodyLight);
    g.setColorAt(0.75, shade(kBodyLight, 0.7));
    g.setColorAt(1.0, kBodyDark);
    p.fillRect(QRect(0, 0, 800, 600), g);
    // Diagonal pinstripes give the lacquer some depth.
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 7), 1.0));
    for (int x = -600; x < 800; x += 6) {
        p.drawLine(QPointF(x, 600), QPointF(x + 600, 0));
    }
    p.restore();
    // Header band behind the logo and the meters.
    QLinearGradient head(0, 0, 0, 84);
    head.setColorAt(0.0, QColor(14, 4, 24));
    head.setColorAt(1.0, QColor(40, 10, 56));
    p.fillRect(QRect(0, 0, 800, 84), head);
    p.fillRect(QRect(0, 82, 800, 2), chromeGradient(QRectF(0, 82, 800, 2), true));
    QRadialGradient spot(QPointF(70, 45), 80);
    spot.setColorAt(0.0, QColor(255, 200, 255, 70));
    spot.setColorAt(1.0, QColor(255, 200, 255, 0));
    p.fillRect(QRect(0, 0, 150, 82), spot);
}

void paintMeterBezel(QPainter& p) {
    drawMetalFrame(p, QRectF(160, 18, 477, 56), 7, 9, false);
    p.fillRect(QRect(167, 25, 463, 42), QColor(8, 8, 10));
    p.fillRect(rectOf(kMeterPanel), Qt::black);
}

void paintTopPlaque(QPainter& p, const CabinetWords& words) {
    const QRectF plate(650, 14, 140, 62);
    drawMetalFrame(p, plate, 4, 8, true);
    const QRectF glass = plate.adjusted(4, 4, -4, -4);
    QLinearGradient g(glass.topLeft(), glass.bottomLeft());
    g.setColorAt(0.0, QColor(20, 24, 70));
    g.setColorAt(1.0, QColor(6, 6, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(glass, 5, 5);
    goldText(p, fittedText(words.plaqueLines, sansFont(20, true), QPointF(720, 38), 120), 2.4);
    p.setBrush(QColor(255, 230, 160));
    p.drawPath(fittedText(words.plaqueBet, spaced(sansFont(9, true), 1.0), QPointF(720, 61), 120));
}

void paintMarquee(QPainter& p, const CabinetWords& words) {
    const QRectF frame(150, 88, 556, 104);
    drawMetalFrame(p, frame, 6, 10, true);
    const QRectF glass = frame.adjusted(6, 6, -6, -6);
    QRadialGradient g(QPointF(356, 130), 300);
    g.setColorAt(0.0, QColor(40, 60, 170));
    g.setColorAt(0.5, QColor(20, 20, 90));
    g.setColorAt(1.0, QColor(8, 4, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(glass, 5, 5);
    // Rays of light behind the title.
    p.save();
    p.setClipRect(glass);
    const QPointF c(356, 136);
    for (int i = 0; i < 36; ++i) {
        const double a = i * 10.0 * std::numbers::pi / 180.0;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(420 * std::cos(a - 0.06), 420 * std::sin(a - 0.06)));
        ray.lineTo(c + QPointF(420 * std::cos(a + 0.06), 420 * std::sin(a + 0.06)));
        ray.closeSubpath();
        QRadialGradient rg(c, 260);
        rg.setColorAt(0.0, QColor(140, 170, 255, 70));
        rg.setColorAt(1.0, QColor(140, 170, 255, 0));
        p.setBrush(rg);
        p.drawPath(ray);
    }
    // A few twinkles scattered over the glass.
    const QPointF stars[] = {{176, 108}, {214, 170}, {520, 104}, {540, 168}, {470, 178},
                             {250, 104}, {186, 146}, {448, 101}, {300, 178}, {392, 103}};
    for (const QPointF& s : stars) {
        QRadialGradient tw(s, 5);
        tw.setColorAt(0.0, QColor(255, 255, 255, 220));
        tw.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(tw);
        p.drawEllipse(s, 5.0, 5.0);
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.6));
        p.drawLine(s - QPointF(5, 0), s + QPointF(5, 0));
        p.drawLine(s - QPointF(0, 5), s + QPointF(0, 5));
        p.setPen(Qt::NoPen);
    }
    p.restore();

    // The title, with a soft glow drawn from a blurred copy.
    const QPainterPath title = centredText(QStringLiteral("Quillane"),
                                           spaced(serifFont(60, true), 1.0), QPointF(356, 130));
    const double scale = pixelScale(p);
    QImage glow(static_cast<int>(800 * scale), static_cast<int>(600 * scale),
                QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter gp(&glow);
        gp.setRenderHint(QPainter::Antialiasing);
        gp.scale(scale, scale);
        gp.setPen(QPen(QColor(255, 190, 60, 230), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        gp.setBrush(QColor(255, 190, 60, 230));
        gp.drawPath(title);
    }
    const int blur = static_cast<int>(std::lround(5 * scale));
    boxBlur(glow, blur, blur, 3);
    p.drawImage(QRectF(0, 0, 800, 600), glow);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 20, 0), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(title);
    QLinearGradient fill(0, 108, 0, 152);
    fill.setColorAt(0.0, QColor(255, 252, 220));
    fill.setColorAt(0.35, QColor(255, 214, 90));
    fill.setColorAt(0.5, QColor(196, 120, 20));
    fill.setColorAt(0.62, QColor(240, 176, 50));
    fill.setColorAt(1.0, QColor(255, 236, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(title);
    p.setBrush(QColor(255, 236, 170));
    p.drawPath(
        fittedText(QStringLiteral("\u2605  ") + words.marqueeTagline + QStringLiteral("  \u2605"),
                   spaced(sansFont(11, true), 2.0), QPointF(356, 172), 380));

    // Chase lights along the top and bottom of the frame.
    const QColor bulbs[3] = {QColor(255, 220, 80), QColor(255, 90, 90), QColor(120, 200, 255)};
    int n = 0;
    for (double x = 166; x <= 548; x += 17.2, ++n) {
        drawBulb(p, QPointF(x, 91), 2.2, bulbs[n % 3]);
        drawBulb(p, QPointF(x, 189), 2.2, bulbs[(n + 1) % 3]);
    }
}

// A gold seal announcing the blackout jackpot; the game copies this area back at every spin.
void paintBadge(QPainter& p, const CabinetWords& words) {
    const QPointF c = QRectF(rectOf(kBadgeArea)).center();
    QPainterPath seal;
    for (int i = 0; i < 48; ++i) {
        const double r = (i % 2 == 0) ? 41.5 : 37.5;
        const double a = (i * 7.5 - 90) * std::numbers::pi / 180.0;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0) {
            seal.moveTo(pt);
        } else {
            seal.lineTo(pt);
        }
    }
    seal.closeSubpath();
    QRadialGradient glow(c, 42.5);
    glow.setColorAt(0.8, QColor(255, 200, 60, 120));
    glow.setColorAt(1.0, QColor(255, 200, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 42.5, 42.5);
    p.setPen(QPen(QColor(70, 30, 0), 1.0));
    p.setBrush(chromeGradient(QRectF(c.x() - 42, c.y() - 42, 84, 84), true));
    p.drawPath(seal);
    QRadialGradient field(c - QPointF(8, 10), 40);
    field.setColorAt(0.0, QColor(255, 80, 70));
    field.setColorAt(0.6, QColor(190, 10, 30));
    field.setColorAt(1.0, QColor(100, 0, 14));
    p.setPen(QPen(QColor(255, 236, 160), 1.5));
    p.setBrush(field);
    p.drawEllipse(c, 31.0, 31.0);
    p.setPen(QPen(QColor(255, 220, 120, 150), 0.8, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 27.5, 27.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 110));
    // Raised a little when the upper word takes two lines.
    const double starY = words.sealLines.size() > 1 ? -18.5 : -16;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 7.0 : 2.9;
        const double a = (i * 36 - 90) * std::numbers::pi / 180.0;
        const QPointF pt = c + QPointF(0, starY) + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    star.closeSubpath();
    p.drawPath(star);
    p.setBrush(QColor(255, 248, 225));
    // One word fills the middle; two are set smaller, one above the other.
    if (words.sealLines.size() == 1) {
        p.drawPath(fittedText(words.sealLines[0], sansFont(9, true), c + QPointF(0, -2), 50));
    } else {
        for (int i = 0; i < words.sealLines.size(); ++i) {
            p.drawPath(fittedText(words.sealLines[i], sansFont(7, true),
                                  c + QPointF(0, -8.5 + 8 * i), 48));
        }
    }
    goldText(p, fittedText(words.sealJackpot, sansFont(11, true), c + QPointF(0, 12), 50), 2.0);
}

void paintReelZone(QPainter& p) {
    const QRectF frame(150, 196, 556, 254);
    drawMetalFrame(p, frame, 6, 8, true);
    const QRect inner(156, 202, 544, 242);
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0.0, QColor(4, 2, 8));
    g.setColorAt(0.5, kRecess);
    g.setColorAt(1.0, QColor(4, 2, 8));
    p.fillRect(inner, g);

    // Marker columns: dark glass on which the game lays the payline bubbles.
    for (int left : kMarkerColumnLefts) {
        const QRect column(left, kMarkerTop, kMarkerColumnWidth, kMarkerBottom - kMarkerTop + 2);
        QLinearGradient cg(column.topLeft(), column.topRight());
        cg.setColorAt(0.0, QColor(10, 8, 16));
        cg.setColorAt(0.5, QColor(22, 18, 34));
        cg.setColorAt(1.0, QColor(10, 8, 16));
        p.fillRect(column, cg);
    }
    // A thin gold edge on the three outer sides; the inner side is the reel rim.
    p.setPen(QPen(QColor(120, 90, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(
        {QPointF(203, 210.5), QPointF(160.5, 210.5), QPointF(160.5, 438.5), QPointF(203, 438.5)}));
    p.drawPolyline(QPolygonF(
        {QPointF(654, 210.5), QPointF(697.5, 210.5), QPointF(697.5, 438.5), QPointF(654, 438.5)}));

    // Each reel column sits in its own 3-pixel chrome rim: x 204..206 and 283..285 beside a
    // column are copied back by the game to wipe the payline paths off them.
    for (int i = 0; i < 5; ++i) {
        const int x0 = kReelLeft + i * kReelPitch;
        const QRect rim(x0 - 3, kReelTop - 3, kCellSize + 6, kReelBottom - kReelTop + 7);
        p.fillRect(rim, QColor(20, 20, 26));
        const QColor outer(96, 98, 110);
        const QColor light(236, 238, 246);
        const QColor mid(170, 174, 186);
        const QColor dark(70, 72, 84);
        // Vertical rims: lit from the upper left.
        for (int y = rim.top(); y <= rim.bottom(); ++y) {
            p.fillRect(QRect(x0 - 3, y, 1, 1), outer);
            p.fillRect(QRect(x0 - 2, y, 1, 1), light);
            p.fillRect(QRect(x0 - 1, y, 1, 1), mid);
            p.fillRect(QRect(x0 + kCellSize, y, 1, 1), dark);
            p.fillRect(QRect(x0 + kCellSize + 1, y, 1, 1), mid);
            p.fillRect(QRect(x0 + kCellSize + 2, y, 1, 1), outer);
        }
        p.fillRect(QRect(x0 - 1, kReelTop - 3, kCellSize + 2, 1), outer);
        p.fillRect(QRect(x0 - 1, kReelTop - 2, kCellSize + 2, 1), light);
        p.fillRect(QRect(x0 - 1, kReelTop - 1, kCellSize + 2, 1), mid);
        p.fillRect(QRect(x0 - 1, kReelBottom + 1, kCellSize + 2, 1), dark);
        p.fillRect(QRect(x0 - 1, kReelBottom + 2, kCellSize + 2, 1), mid);
        p.fillRect(QRect(x0 - 1, kReelBottom + 3, kCellSize + 2, 1), outer);
        // The reel band itself, in case any of it shows between frames.
        for (int row = 0; row < kReelRows; ++row) {
            paintReelBackground(p, QRectF(x0, kReelTop + row * kCellSize, kCellSize, kCellSize));
        }
    }
}

void paintSidePanels(QPainter& p, const CabinetWords& words) {
    // Left: the five scatter balls.
    const QRectF left(8, 92, 136, 352);
    drawMetalFrame(p, left, 5, 10, true);
    const QRectF lg = left.adjusted(5, 5, -5, -5);
    QLinearGradient g(lg.topLeft(), lg.bottomLeft());
    g.setColorAt(0.0, QColor(16, 20, 64));
    g.setColorAt(0.5, QColor(30, 36, 110));
    g.setColorAt(1.0, QColor(10, 10, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(lg, 6, 6);
    goldText(p,
             fittedText(words.scatterTitle, spaced(sansFont(14, true), 1.0), QPointF(76, 113), 116),
             2.2);
    for (int i = 0; i < 5; ++i) {
        drawSprite(p, 5 + i, QPointF(76 - 29, 126 + i * 56), 58);
    }
    p.setBrush(QColor(255, 236, 170));
    p.drawPath(fittedText(words.scatterCount, sansFont(10, true), QPointF(76, 416), 116));
    p.drawPath(fittedText(words.scatterStarts, sansFont(9, true), QPointF(76, 430), 116));

    // Right: the wild.
    const QRectF right(712, 92, 82, 352);
    drawMetalFrame(p, right, 5, 10, true);
    const QRectF rg = right.adjusted(5, 5, -5, -5);
    QLinearGradient g2(rg.topLeft(), rg.bottomLeft());
    g2.setColorAt(0.0, QColor(60, 10, 80));
    g2.setColorAt(0.5, QColor(100, 20, 120));
    g2.setColorAt(1.0, QColor(40, 6, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(g2);
    p.drawRoundedRect(rg, 6, 6);
    drawSprite(p, 4, QPointF(753 - 34, 104), 68);
    p.setBrush(QColor(255, 236, 170));
    for (int i = 0; i < words.wildLines.size(); ++i) {
        p.drawPath(
            fittedText(words.wildLines[i], sansFont(8, true), QPointF(753, 186 + i * 13), 66));
    }
    const QColor bulbs[2] = {QColor(255, 220, 80), QColor(255, 110, 200)};
    for (int i = 0; i < 9; ++i) {
        drawBulb(p, QPointF(741, 280 + i * 17.5), 3.0, bulbs[i % 2]);
        drawBulb(p, QPointF(765, 280 + i * 17.5), 3.0, bulbs[(i + 1) % 2]);
    }
}

void paintKeyCap(QPainter& p, const BetKey& k) {
    // The cap face is exactly the key's rectangle; the bevel lies outside it. Everything near
    // the cap keeps the cap's hue, so JPEG colour subsampling leaves the face even.
    const QColor cap = keyCapColour();
    const QRect face(k.left, k.top, k.width + 1, kBetKeyHeight + 1);
    p.fillRect(face.adjusted(-2, -2, 2, 2), shade(cap, 0.25));
    p.fillRect(QRect(face.left() - 1, face.top() - 1, face.width() + 1, 1),
               mix(cap, Qt::white, 0.4));
    p.fillRect(QRect(face.left() - 1, face.top() - 1, 1, face.height() + 1),
               mix(cap, Qt::white, 0.25));
    p.fillRect(QRect(face.left(), face.bottom() + 1, face.width() + 1, 1), shade(cap, 0.4));
    p.fillRect(QRect(face.right() + 1, face.top(), 1, face.height() + 1), shade(cap, 0.45));
    p.fillRect(face, cap);
}

void paintDeck(QPainter& p, const CabinetWords& words) {
    QLinearGradient g(0, 450, 0, 548);
    g.setColorAt(0.0, QColor(110, 40, 120));
    g.setColorAt(0.12, QColor(64, 18, 76));
    g.setColorAt(1.0, QColor(30, 8, 40));
    p.fillRect(QRect(0, 452, 800, 96), g);
    p.fillRect(QRect(0, 450, 800, 3), chromeGradient(QRectF(0, 450, 800, 3), false));
    p.fillRect(QRect(0, 546, 800, 3), chromeGradient(QRectF(0, 546, 800, 3), true));

    // Bet keys.
    drawMetalFrame(p, QRectF(155, 474, 347, 52), 3, 6, false);
    p.fillRect(QRect(158, 477, 341, 46), shade(keyCapColour(), 0.35));
    for (const BetKey& k : kBetKeys) {
        paintKeyCap(p, k);
    }

    // Bet-max and spin buttons sit in one recess; the pictures' corners match its colour.
    drawMetalFrame(p, QRectF(535, 478, 138, 57), 3, 6, false);
    p.fillRect(QRect(538, 481, 132, 51), buttonWellColour());
    p.fillRect(QRect(603, 483, 1, 47), QColor(50, 40, 60));

    // Hints on the left of the deck.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 210, 240));
    // The captions end before the arrows that point from them to the keys.
    p.drawPath(fittedText(words.deckLines, spaced(sansFont(9, true), 1.0), QPointF(76, 485), 80));
    p.drawPath(fittedText(words.deckCredits, sansFont(9, true), QPointF(76, 503), 80));
    p.setBrush(QColor(180, 160, 200));
    p.drawPath(fittedText(words.deckHint, sansFont(8, false), QPointF(76, 525), 112));
    for (int i = 0; i < 2; ++i) {
        const double y = i == 0 ? 492 : 510;
        p.setPen(QPen(QColor(230, 200, 120), 1.2));
        p.drawLine(QPointF(120, y), QPointF(150, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(230, 200, 120));
        QPainterPath arrow;
        arrow.moveTo(152, y);
        arrow.lineTo(146, y - 3.5);
        arrow.lineTo(146, y + 3.5);
        arrow.closeSubpath();
        p.drawPath(arrow);
        p.setBrush(QColor(180, 160, 200));
    }
}

void paintCoinSlot(QPainter& p) {
    const QRectF plate(kCoinSlot.left, kCoinSlot.top, kCoinSlot.right - kCoinSlot.left,
                       kCoinSlot.bottom - kCoinSlot.top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(plate.translated(2, 3), 7, 7);
    QLinearGradient metal(plate.topLeft(), plate.topRight());
    metal.setColorAt(0.0, QColor(150, 152, 162));
    metal.setColorAt(0.3, QColor(240, 242, 248));
    metal.setColorAt(0.7, QColor(206, 208, 218));
    metal.setColorAt(1.0, QColor(120, 122, 134));
    p.setPen(QPen(QColor(40, 40, 50), 1.0));
    p.setBrush(metal);
    p.drawRoundedRect(plate, 7, 7);
    // Lit red window for the white "Insert" caption centred on (710, 471).
    const QRectF window(690.5, 461.5, 39, 18);
    QLinearGradient red(window.topLeft(), window.bottomLeft());
    red.setColorAt(0.0, QColor(230, 40, 40));
    red.setColorAt(1.0, QColor(130, 0, 10));
    p.setPen(QPen(QColor(60, 0, 0), 1.0));
    p.setBrush(red);
    p.drawRoundedRect(window, 3, 3);
    // "Coins" is written in black on the bright metal at y 486; below it, the slot.
    const QRectF slot(707, 497, 6, 15);
    p.setPen(QPen(QColor(90, 92, 104), 1.0));
    p.setBrush(QColor(8, 8, 10));
    p.drawRoundedRect(slot, 2, 2);
    p.setPen(QPen(QColor(255, 255, 255, 160), 0.8));
    p.drawLine(QPointF(714, 498), QPointF(714, 511));
}

void paintBase(QPainter& p, const CabinetWords& words) {
    QLinearGradient g(0, 549, 0, 600);
    g.setColorAt(0.0, QColor(36, 10, 46));
    g.setColorAt(1.0, QColor(10, 2, 14));
    p.fillRect(QRect(0, 549, 800, 51), g);
    // Speaker grilles.
    for (double cx : {80.0, 720.0}) {
        const QRectF grille(cx - 60, 558, 120, 34);
        p.setPen(QPen(QColor(150, 110, 40), 1.0));
        p.setBrush(QColor(14, 6, 18));
        p.drawRoundedRect(grille, 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 50, 80));
        for (double y = grille.top() + 5; y < grille.bottom() - 3; y += 5) {
            for (double x = grille.left() + 6; x < grille.right() - 4; x += 5) {
                p.drawEllipse(QPointF(x, y), 1.3, 1.3);
            }
        }
    }
    goldText(p, fittedText(words.footer, spaced(sansFont(11, true), 1.0), QPointF(400, 575), 490),
             2.0);
}

}  // namespace

QColor keyCapColour() {
    return QColor(30, 36, 68);
}

QImage drawBackground(int scale, const CabinetWords& words) {
    QImage img(800 * scale, 600 * scale, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    paintBody(p);
    paintMeterBezel(p);
    paintTopPlaque(p, words);
    paintMarquee(p, words);
    paintBadge(p, words);
    paintSidePanels(p, words);
    paintDeck(p, words);
    paintCoinSlot(p);
    paintBase(p, words);
    paintReelZone(p);
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace art
