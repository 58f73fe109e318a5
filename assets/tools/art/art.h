// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing routines for Quillane's built-in pictures. Every picture is drawn with vector
// paths at its final pixel size, so the larger symbol sheets are as sharp as the small one.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace art {

// Shared colour and painting helpers (paint.cpp).
QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& c, double factor);
QColor withAlpha(const QColor& c, int alpha);
QFont sansFont(int pixelSize, bool bold);
QFont serifFont(int pixelSize, bool bold);
// Outline of a text whose ink box is centred on `centre`.
QPainterPath centredText(const QString& text, const QFont& font, QPointF centre,
                         double xStretch = 1.0);
// As centredText, no wider than `maxWidth`: a longer text loses its letter-spacing first, is
// then narrowed a little and, if still too wide, drawn smaller.
QPainterPath fittedText(const QString& text, const QFont& font, QPointF centre, double maxWidth);
// Blurs an ARGB32_Premultiplied image in place; edges are clamped unless `wrapY` is set.
void boxBlur(QImage& image, int radiusX, int radiusY, int passes, bool wrapY = false);
// Paints a soft shadow of the opaque parts of `layer` and then the layer itself.
void drawWithShadow(QPainter& p, const QImage& layer, QPointF offset, double blur, int alpha);
// A brushed-metal gradient running top to bottom over `r`.
QLinearGradient chromeGradient(const QRectF& r, bool gold);
// A metal frame `width` wide just inside the rounded rectangle `outer`.
void drawMetalFrame(QPainter& p, const QRectF& outer, double width, double radius, bool gold);
void drawBulb(QPainter& p, QPointF centre, double radius, const QColor& colour);
bool saveJpeg(const QImage& image, const QString& path);
bool savePng(const QImage& image, const QString& path);

// Reel symbols (symbols.cpp). Codes follow the sheet: 0..4 wild frames, 5..9 balls B I N G O,
// 10..21 the paying symbols, 22 and 23 blank.
constexpr int kSheetColumns = 4;
constexpr int kSheetRows = 6;
QColor reelColour();
void paintReelBackground(QPainter& p, const QRectF& cell);
// The symbol with its shadow on a transparent ground.
QImage drawSymbolSprite(int code, int size);
// Ball B, I, N, G or O (0..4) in the symbols' 76-unit square, vector paths alone and no shadow.
void paintBingoBall(QPainter& p, int letter);
QImage drawSymbolCell(int code, int cellSize);
QImage drawSymbolSheet(int cellSize);

// The recess the bet-max and spin buttons sit in; their pictures' corners use it too.
QColor buttonWellColour();
// The flat colour of the unlit bet keys; the game samples it from the background.
QColor keyCapColour();

// The words painted into the cabinet and its buttons, in one language (words.cpp).
struct CabinetWords {
    QString plaqueLines;      // the top plaque, large
    QString plaqueBet;        // beneath it, small
    QString marqueeTagline;   // beneath the title, between two stars
    QStringList sealLines;    // the seal's upper word, on one or two lines
    QString sealJackpot;      // the seal's lower word
    QString scatterTitle;     // above the balls
    QString scatterCount;     // beneath them
    QString scatterStarts;    // and what they do
    QStringList wildLines;    // the wild's six lines
    QString deckLines;        // beside the upper row of bet keys
    QString deckCredits;      // beside the lower row
    QString deckHint;         // the keys beneath
    QString footer;           // along the base
    QStringList betMaxLines;  // the bet-max button's two lines
    QString spin;             // the spin button
};
// The languages drawn besides English, by the game's language codes.
QStringList cabinetLanguages();
// English for a language without its own words.
CabinetWords cabinetWords(const QString& language);

QImage drawMotionStrip();
// `scale` times the 800 x 600 design grid, for large screens.
QImage drawBackground(int scale, const CabinetWords& words);
QImage drawBetMaxButton(const CabinetWords& words);
QImage drawSpinButton(const CabinetWords& words);
QImage drawDenominationBadge();

// Seven-segment digits 0..9, then a point and a colon; `scale` 1 gives 16 x 21 cells.
QImage drawDigitStrip(int scale, const QColor& lit);

struct MaskedPicture {
    QImage picture;  // black wherever the mask is white
    QImage mask;     // black over the shape, white elsewhere
};
// `scale` times its 125 x 70 size, for large screens.
MaskedPicture drawLogo(int scale = 1);
// The logo's ribbon in its 125 x 70 frame, reading `text`; vector paths alone.
void paintLogoRibbon(QPainter& p, const QString& text);

// The application icon (icon.cpp): the logo's balls and ribbon on a tile, `size` units square,
// vector paths alone; small sizes leave out what would only blur.
void paintIcon(QPainter& p, double size);
QImage drawIcon(int size);
bool saveIconPng(const QImage& image, const QString& path);
bool saveIconSvg(const QString& path);

// Marker rows are in screen order; payline p (1..9) lives in row kMarkerRow[p - 1] of
// ui/design_grid.h.
QColor paylineColour(int payline);
QColor paylineDimColour(int payline);
struct LineMarkers {
    QImage lit;
    QImage dim;
    QImage mask;
};
LineMarkers drawLineMarkers();

// Bonus window (bonus.cpp). The game writes into these pictures: card cell (column c, row r) is
// the 30 x 30 box at (kCardLeft + 30c, kCardTop + 30r), its square white except the last column
// and row; the ball goes into the monitor at (33, 19); the call board's numbers run between its
// letter columns. Card and ball indexes follow B I N G O: blue, red, white, green, yellow. All
// five are drawn `scale` times their size in the window's own layout.
constexpr int kCardWidth = 153;
constexpr int kCardHeight = 183;
constexpr int kCardLeft = 2;
constexpr int kCardTop = 31;
constexpr int kCardCell = 30;
constexpr QRect kMonitorScreen(24, 10, 68, 68);
constexpr int kCallBoardLetterLeft = 18;
constexpr int kCallBoardLetterRight = 306;
QImage drawBingoCard(int card, int scale);
QImage drawCallBoard(int scale);
QImage drawBallMonitor(int scale);
QImage drawCallBall(int letter, int scale);
// Pattern pictures are numbered as the bonus window's: 0 blackout, 1 any bingo, 2 large plus,
// 3 large X, 4 solid diamond, 5 double hard way, 6 four corners, 7 inside corners, 8 small
// diamond, 9 large diamond, 10 picture frame, 11 postage stamp, 12 small frame.
QImage drawPatternPicture(int pattern, bool dimmed, int scale);

// A chip key of the borrow window for 1000, 100, 10 or 1 credits (borrow.cpp).
QImage drawBorrowButton(int amount);

}  // namespace art
