// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

#include "art.h"

// The bonus window draws numbers, dobs and balls onto these pictures at fixed pixel positions,
// so the cells and the monitor screen are laid out on whole pixels, not scaled paths. A `scale`
// above 1 draws the same picture that many times larger, for the window on large screens.
namespace art {

namespace {

constexpr double kPi = std::numbers::pi;

struct Tint {
    QColor light;
    QColor face;
    QColor deep;
};

// Card order blue, red, white, green, yellow, which is also the call board's letter order B I N G
// O.
const std::array<Tint, 5> kCardTints = {{
    {QColor(110, 160, 255), QColor(28, 78, 222), QColor(8, 28, 120)},
    {QColor(255, 120, 110), QColor(214, 30, 36), QColor(112, 0, 10)},
    {QColor(252, 252, 255), QColor(192, 194, 202), QColor(112, 114, 126)},
    {QColor(120, 220, 130), QColor(22, 150, 62), QColor(0, 74, 22)},
    {QColor(255, 246, 150), QColor(246, 198, 18), QColor(166, 110, 0)},
}};

// Letters on a light face read better dark.
bool lightFace(int index) {
    return index == 2 || index == 4;
}

QLinearGradient verticalGradient(const QRectF& r, const Tint& t) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, t.light);
    g.setColorAt(0.45, t.face);
    g.setColorAt(1.0, t.deep);
    return g;
}

QPainterPath starPath(QPointF c, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = (i * 36.0 - 90.0) * kPi / 180.0;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0) {
            path.moveTo(pt);
        } else {
            path.lineTo(pt);
        }
    }
    path.closeSubpath();
    return path;
}

// Raised letter: a dark drop under a solid face.
void embossedText(QPainter& p, const QPainterPath& text, const QColor& ink, const QColor& drop) {
    p.setPen(Qt::NoPen);
    p.setBrush(drop);
    p.drawPath(text.translated(0.8, 1.0));
    p.setBrush(ink);
    p.drawPath(text);
}

}  // namespace

QImage drawBingoCard(int card, int scale) {
    const Tint& t = kCardTints.at(static_cast<size_t>(card));
    QImage img(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    // The coloured card shows through as the frame and the lines between the squares.
    QPainterPath body;
    body.addRoundedRect(QRectF(0, 0, kCardWidth, kCardHeight), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(t.face, t.deep, 0.3));
    p.drawPath(body);

    const QRectF header(0, 0, kCardWidth, kCardTop - 1);
    p.save();
    p.setClipPath(body);
    p.fillRect(header, verticalGradient(header, t));
    QLinearGradient gloss(header.topLeft(), header.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 110));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 20));
    gloss.setColorAt(0.51, QColor(255, 255, 255, 0));
    p.fillRect(header, gloss);
    p.restore();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, kCardTop - 1, kCardWidth, 1), t.deep);

    const QColor ink = lightFace(card) ? shade(t.deep, 0.35) : QColor(255, 255, 255);
    const QColor drop = lightFace(card) ? withAlpha(Qt::white, 150) : withAlpha(t.deep, 230);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont letterFont = sansFont(23, true);
    for (int c = 0; c < 5; ++c) {
        const QPointF centre(kCardLeft + c * kCardCell + (kCardCell - 1) / 2.0, 15.0);
        embossedText(p, centredText(QString(QStringLiteral("BINGO")[c]), letterFont, centre), ink,
                     drop);
    }

    // Squares are plain white, one pixel short of the 30-pixel box, so numbers and dobs sit on
    // white and the last column and row of each box are the card's line.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int c = 0; c < 5; ++c) {
        for (int r = 0; r < 5; ++r) {
            p.fillRect(QRect(kCardLeft + c * kCardCell, kCardTop + r * kCardCell, kCardCell - 1,
                             kCardCell - 1),
                       Qt::white);
        }
    }

    // The free space: a star over the word, in the card's colours.
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF free(kCardLeft + 2 * kCardCell + 14.5, kCardTop + 2 * kCardCell + 14.5);
    const QPointF starCentre = free + QPointF(0, -5.5);
    const QRectF starBox(starCentre - QPointF(7, 7), QSizeF(14, 14));
    p.setPen(QPen(shade(t.deep, 0.8), 0.8));
    p.setBrush(verticalGradient(starBox, lightFace(card) ? Tint{t.face, t.face, t.deep} : t));
    p.drawPath(starPath(starCentre, 7.2, 3.0));
    p.setPen(Qt::NoPen);
    p.setBrush(lightFace(card) ? shade(t.deep, 0.75) : t.face);
    p.drawPath(centredText(QStringLiteral("FREE"), sansFont(9, true), free + QPointF(0, 7.5)));
    return img;
}

QImage drawCallBoard(int scale) {
    QImage img(325 * scale, 97 * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 72, 84), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, 324, 96), 4, 4);
    p.setPen(QPen(QColor(38, 40, 48), 1.0));
    p.drawLine(QPointF(kCallBoardLetterLeft + 0.5, 4), QPointF(kCallBoardLetterLeft + 0.5, 93));
    p.drawLine(QPointF(kCallBoardLetterRight - 0.5, 4), QPointF(kCallBoardLetterRight - 0.5, 93));

    const QFont font = sansFont(12, true);
    for (int row = 0; row < 5; ++row) {
        const Tint& t = kCardTints.at(static_cast<size_t>(row));
        const double cy = row * 18 + 12;
        for (double cx : {9.5, 315.5}) {
            const QRectF tile(cx - 7.5, cy - 7.5, 15, 15);
            p.setPen(QPen(shade(t.deep, 0.6), 1.0));
            p.setBrush(verticalGradient(tile, t));
            p.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            p.setPen(Qt::NoPen);
            p.setBrush(lightFace(row) ? QColor(20, 20, 30) : QColor(255, 255, 255));
            p.drawPath(centredText(QString(QStringLiteral("BINGO")[row]), font, {cx, cy}));
        }
    }
    return img;
}

QImage drawBallMonitor(int scale) {
    QImage img(115 * scale, 97 * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF screen(kMonitorScreen);

    // Stand first, so the bezel overlaps the top of the neck.
    QLinearGradient metal(QPointF(34, 0), QPointF(82, 0));
    metal.setColorAt(0.0, QColor(70, 72, 80));
    metal.setColorAt(0.35, QColor(190, 194, 204));
    metal.setColorAt(0.6, QColor(120, 124, 134));
    metal.setColorAt(1.0, QColor(60, 62, 70));
    p.setPen(QPen(QColor(20, 20, 24), 0.8));
    p.setBrush(metal);
    QPainterPath neck;
    neck.moveTo(51, 84);
    neck.lineTo(65, 84);
    neck.lineTo(67, 92);
    neck.lineTo(49, 92);
    neck.closeSubpath();
    p.drawPath(neck);
    p.drawRoundedRect(QRectF(33.5, 90.5, 49, 5.5), 2.5, 2.5);

    const QRectF bezel(14.5, 1.5, 87, 85);
    QLinearGradient shell(bezel.topLeft(), bezel.bottomLeft());
    shell.setColorAt(0.0, QColor(92, 96, 108));
    shell.setColorAt(0.12, QColor(58, 61, 70));
    shell.setColorAt(0.85, QColor(36, 38, 44));
    shell.setColorAt(1.0, QColor(22, 23, 27));
    p.setPen(QPen(QColor(150, 154, 166), 1.0));
    p.setBrush(shell);
    p.drawRoundedRect(bezel, 6, 6);
    p.setPen(QPen(QColor(10, 10, 12), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(bezel.adjusted(1, 1, -1, -1), 5, 5);

    // A bevelled recess around the glass: dark above and left, lit below and right.
    const QRectF recess = screen.adjusted(-2.5, -2.5, 2.5, 2.5);
    QLinearGradient lip(recess.topLeft(), recess.bottomRight());
    lip.setColorAt(0.0, QColor(8, 8, 10));
    lip.setColorAt(1.0, QColor(120, 124, 136));
    p.setPen(Qt::NoPen);
    p.setBrush(lip);
    p.drawRoundedRect(recess, 3.5, 3.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kMonitorScreen, Qt::black);
    p.setRenderHint(QPainter::Antialiasing);

    // Power light and a maker's badge on the chin.
    QRadialGradient led(QPointF(91, 82), 3.2);
    led.setColorAt(0.0, QColor(200, 255, 200));
    led.setColorAt(0.45, QColor(40, 230, 70));
    led.setColorAt(1.0, QColor(40, 230, 70, 0));
    p.setBrush(led);
    p.drawEllipse(QPointF(91, 82), 3.2, 3.2);
    p.setBrush(QColor(150, 154, 166));
    p.drawPath(centredText(QStringLiteral("QUILLANE"), sansFont(5, true), QPointF(58, 82.5)));
    return img;
}

QImage drawCallBall(int letter, int scale) {
    static const std::array<QColor, 5> kBallColours = {QColor(28, 78, 222), QColor(214, 30, 36),
                                                       QColor(242, 242, 238), QColor(22, 150, 62),
                                                       QColor(246, 198, 18)};
    const QColor base = kBallColours.at(static_cast<size_t>(letter));
    QImage img(50 * scale, 50 * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(25, 25);
    const double r = 23.5;
    const bool white = letter == 2;

    // Light from the upper left; the middle band stays close to the ball's own colour so the
    // number written across it reads evenly.
    QRadialGradient body(c + QPointF(-7, -9), 36, c + QPointF(-9, -11));
    body.setColorAt(0.0, mix(base, Qt::white, white ? 0.9 : 0.5));
    body.setColorAt(0.28, base);
    body.setColorAt(0.62, shade(base, white ? 0.92 : 0.86));
    body.setColorAt(0.85, shade(base, white ? 0.7 : 0.55));
    body.setColorAt(1.0, shade(base, white ? 0.45 : 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(c, r, r);

    QPainterPath rim;
    rim.addEllipse(c, r - 1, r - 1);
    QPainterPath cut;
    cut.addEllipse(c + QPointF(-2.5, -3.5), r - 1.5, r - 1.5);
    p.setBrush(QColor(255, 255, 255, white ? 70 : 45));
    p.drawPath(rim.subtracted(cut));

    p.save();
    p.translate(c + QPointF(-9.5, -14));
    p.rotate(-30);
    QRadialGradient highlight(QPointF(0, 0), 8);
    highlight.setColorAt(0.0, QColor(255, 255, 255, 240));
    highlight.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(highlight);
    p.drawEllipse(QPointF(0, 0), 8.0, 4.6);
    p.restore();
    return img;
}

namespace {

// Pattern diagrams, rows top to bottom: '.' an open square, R Y G B a marked square in that
// colour. The centre is always the black free space.
const std::array<std::array<const char*, 5>, 13> kPatterns = {{
    {"RRRRR", "RRRRR", "RRRRR", "RRRRR", "RRRRR"},  // 0 blackout
    {"...GR", "YYYRY", "..RG.", ".R.G.", "R..G."},  // 1 any bingo
    {"..R..", "..R..", "RRRRR", "..R..", "..R.."},  // 2 large plus
    {"R...R", ".R.R.", "..R..", ".R.R.", "R...R"},  // 3 large X
    {"..R..", ".RRR.", "RRRRR", ".RRR.", "..R.."},  // 4 solid diamond
    {".R...", ".R...", ".R...", "RRRRR", ".R..."},  // 5 double hard way
    {"R...R", ".....", ".....", ".....", "R...R"},  // 6 four corners
    {".....", ".R.R.", ".....", ".R.R.", "....."},  // 7 inside corners
    {".....", "..R..", ".R.R.", "..R..", "....."},  // 8 small diamond
    {"..R..", ".R.R.", "R...R", ".R.R.", "..R.."},  // 9 large diamond
    {"RRRRR", "R...R", "R...R", "R...R", "RRRRR"},  // 10 picture frame
    {"RR.YY", "RR.YY", ".....", "GG.BB", "GG.BB"},  // 11 postage stamp
    {".....", ".RRR.", ".R.R.", ".RRR.", "....."},  // 12 small frame
}};

QColor patternColour(char code) {
    switch (code) {
        case 'R':
            return QColor(238, 24, 24);
        case 'Y':
            return QColor(255, 222, 0);
        case 'G':
            return QColor(0, 184, 48);
        case 'B':
            return QColor(36, 96, 255);
        default:
            return QColor(255, 255, 255);
    }
}

}  // namespace

QImage drawPatternPicture(int pattern, bool dimmed, int scale) {
    constexpr int kSquare = 6;
    constexpr int kStep = 8;
    constexpr int kMargin = 3;
    const double tone = dimmed ? 0.4 : 1.0;
    QImage img(44 * scale, 44 * scale, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.scale(scale, scale);
    const auto& rows = kPatterns.at(static_cast<size_t>(pattern));
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (r == 2 && c == 2) {
                continue;
            }
            const QColor base = shade(patternColour(rows[r][c]), tone);
            const QRect sq(kMargin + c * kStep, kMargin + r * kStep, kSquare, kSquare);
            // A one-pixel bevel makes the squares read as tiles at this size.
            p.fillRect(sq, base);
            p.fillRect(QRect(sq.left(), sq.bottom(), kSquare, 1), shade(base, 0.72));
            p.fillRect(QRect(sq.right(), sq.top(), 1, kSquare), shade(base, 0.72));
            p.fillRect(QRect(sq.left(), sq.top(), kSquare - 1, 1), mix(base, Qt::white, 0.45));
            p.fillRect(QRect(sq.left(), sq.top() + 1, 1, kSquare - 2), mix(base, Qt::white, 0.45));
        }
    }
    return img;
}

}  // namespace art
