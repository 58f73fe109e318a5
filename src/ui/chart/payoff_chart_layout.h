// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

#include "core/bingo.h"

namespace quillane {

// Where the payoff chart puts everything on a layout `width` pixels wide whose symbol cells are
// `cell` pixels square, and at which size each text is written so that it keeps to its column.
// Everything but the pattern captions' exact places, which follow the labels' own measured size,
// is settled here, so the chart can be checked at any width without a window.

struct ChartSymbolBox {
    int x;
    int y;
    int side;
    int cell;  // of the symbol sheet
};

struct ChartText {
    enum class Anchor { Left, Right, Centre };

    QString text;
    int x;  // the left edge, the right edge or the centre, as `anchor` says
    int y;  // the top edge, or the bottom edge when `bottomAtY`
    Anchor anchor;
    bool bottomAtY;
    int points;
    QColor colour;
};

struct PaychartLayout {
    QSize size;  // of the whole chart, on its 4:3 design
    int band;    // of the four font-size bands, 0 for the narrowest layouts
    int cell;
    int smallSide;
    std::array<ChartSymbolBox, 5> jackpotBalls;
    std::array<ChartSymbolBox, 5> symbolBoxes;
    std::array<ChartSymbolBox, 8> smallSymbolBoxes;
    std::vector<ChartText> texts;        // the pays and rules, in the order they are written
    std::vector<ChartText> explanation;  // the bonus game's, between the rules and the diagrams
    std::array<int, 2> separators;       // the rules across the layout, by their y
    int separatorLength;
    int separatorWidth;
    QRect closeButton;
    int closeButtonPoints;
    // By place: 0 to 5 above the explanation, 6 to 12 below it, left to right.
    std::array<QPoint, kPatternCount> diagrams;
    int diagramSide;
    std::array<int, kPatternCount> diagramPictures;  // the pattern picture shown at each place
    std::array<QString, kPatternCount> captions;
    int captionPoints;
    // The game's own figures in one line across the foot of the chart, below the lower captions;
    // last of `texts`, when there is one.
    bool hasReturnLine;
};

// The pattern pictures' own size; they are shrunk only on charts narrower than the design.
inline constexpr int kDiagramSize = 44;
inline constexpr int kCaptionGap = 2;  // between a diagram and its caption

// The band of a layout width: below 1000, 1000 to 1190, 1191 to 1299, 1300 and above.
int ChartFontBand(int width);
// The widest layout whose whole 4:3 chart fits a client area of `client`.
int ChartWidthFor(QSize client);
// The symbol cell on a chart `width` wide, for a sheet whose cells are `sheetCell` pixels on a
// layout `sheetWidth` wide.
int ChartCellFor(int width, int sheetWidth, int sheetCell);
// `returnLine`, when not empty, is written across the foot of the chart.
PaychartLayout LayOutPaychart(int width, int cell, const QString& returnLine = {});

}  // namespace quillane
