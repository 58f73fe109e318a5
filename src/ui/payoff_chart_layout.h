#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <vector>

#include "core/bingo.h"

namespace quillane {

// Where the payoff chart puts everything on a layout `width` pixels wide whose symbol cells are
// `cell` pixels square. Everything but the pattern captions, whose places follow their own
// measured size, is settled here, so the chart can be checked at any width without a screen.

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
    int band;  // of the four font-size bands, 0 for the narrowest layouts
    int smallSide;
    std::array<ChartSymbolBox, 5> jackpotBalls;
    std::array<ChartSymbolBox, 5> symbolBoxes;
    std::array<ChartSymbolBox, 8> smallSymbolBoxes;
    std::vector<ChartText> texts;        // the pays and rules, in the order they are written
    std::vector<ChartText> explanation;  // the bonus game's, between the rules and the diagrams
    std::array<int, 2> separators;       // the rules across the layout, by their y
    int separatorLength;
    QRect closeButton;
    int closeButtonPoints;
    // By place: 0 to 5 above the explanation, 6 to 12 below it, left to right.
    std::array<QPoint, kPatternCount> diagrams;
    std::array<int, kPatternCount> diagramPictures;  // the pattern picture shown at each place
    std::array<QString, kPatternCount> captions;
    int captionPoints;
};

inline constexpr int kDiagramSize = 44;

// The band of a layout width: below 1000, 1000 to 1190, 1191 to 1299, 1300 and above.
int ChartFontBand(int width);
PaychartLayout LayOutPaychart(int width, int cell);

}  // namespace quillane
