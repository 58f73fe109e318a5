// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>

#include "art.h"
#include "ui/design_grid.h"

// The payline markers are drawn pixel by pixel: they are combined with the screen by AND and
// OR, which only works with hard edges, and the game reads the line colour back from them.
namespace art {

namespace {

using namespace quillane::design_grid;

constexpr int kSheetHeight = static_cast<int>(kMarkerRow.size()) * kMarkerRowHeight;
constexpr int kSquare = 16;
constexpr int kSquareTop = 5;  // rows 5..20 of a marker row, centred on 13 like the number
constexpr int kBarTop = 10;    // bar rows 10..16
constexpr int kBarBottom = 16;
constexpr int kLeftEdge = kLeftMarkerRight - 1;  // last column of the left marker
constexpr int kRightEdge = kRightMarkerLeft;     // first column of the right marker

QColor dimmed(const QColor& line) {
    return shade(line, 0.45);
}

enum class Part { None, Square, SquareRim, Bar, BarTop, BarBottom };

// What a pixel of one marker row is; `x` and `y` are local to the row.
Part classify(int x, int y, bool oddRow) {
    const int leftSquare = oddRow ? 22 : 2;
    const int rightSquare = oddRow ? 72 : 53;
    for (int sx : {leftSquare, rightSquare}) {
        const int dx = x - sx;
        const int dy = y - kSquareTop;
        if (dx < 0 || dx >= kSquare || dy < 0 || dy >= kSquare) {
            continue;
        }
        const bool cornerX = dx == 0 || dx == kSquare - 1;
        const bool cornerY = dy == 0 || dy == kSquare - 1;
        if (cornerX && cornerY) {
            return Part::None;  // clipped corners make the squares read as bubbles
        }
        // The side facing the bar has no rim across the bar rows, so bar and square are one.
        const bool towardBar = (sx == leftSquare) ? dx == kSquare - 1 : dx == 0;
        const bool inBarRows = y > kBarTop && y < kBarBottom;
        if (cornerX && !(towardBar && inBarRows)) {
            return Part::SquareRim;
        }
        if (cornerY) {
            return Part::SquareRim;
        }
        return Part::Square;
    }
    if (y < kBarTop || y > kBarBottom) {
        return Part::None;
    }
    const bool leftBar = x >= leftSquare + kSquare && x <= kLeftEdge;
    const bool rightBar = x >= kRightEdge && x < rightSquare;
    if (!leftBar && !rightBar) {
        return Part::None;
    }
    if (y == kBarTop) {
        return Part::BarTop;
    }
    if (y == kBarBottom) {
        return Part::BarBottom;
    }
    return Part::Bar;
}

QColor partColour(Part part, const QColor& line, bool lit) {
    const QColor base = lit ? line : dimmed(line);
    switch (part) {
        case Part::Square:
        case Part::Bar:
            return base;
        case Part::SquareRim:
        case Part::BarTop:
            return lit ? mix(line, Qt::white, 0.55) : shade(line, 0.62);
        case Part::BarBottom:
            return lit ? shade(line, 0.6) : shade(line, 0.3);
        case Part::None:
            break;
    }
    return Qt::black;
}

}  // namespace

QColor paylineColour(int payline) {
    return QColor::fromRgb(kLineColours.at(static_cast<size_t>(payline - 1)));
}

QColor paylineDimColour(int payline) {
    return dimmed(paylineColour(payline));
}

LineMarkers drawLineMarkers() {
    LineMarkers m{QImage(kMarkerSheetWidth, kSheetHeight, QImage::Format_RGB32),
                  QImage(kMarkerSheetWidth, kSheetHeight, QImage::Format_RGB32),
                  QImage(kMarkerSheetWidth, kSheetHeight, QImage::Format_RGB32)};
    m.lit.fill(Qt::black);
    m.dim.fill(Qt::black);
    m.mask.fill(Qt::white);
    for (int payline = 1; payline <= 9; ++payline) {
        const int row = kMarkerRow[static_cast<size_t>(payline - 1)];
        const QColor line = paylineColour(payline);
        for (int y = 0; y < kMarkerRowHeight; ++y) {
            for (int x = 0; x < kMarkerSheetWidth; ++x) {
                const Part part = classify(x, y, row % 2 == 1);
                if (part == Part::None) {
                    continue;
                }
                const int py = row * kMarkerRowHeight + y;
                m.lit.setPixelColor(x, py, partColour(part, line, true));
                m.dim.setPixelColor(x, py, partColour(part, line, false));
                m.mask.setPixelColor(x, py, Qt::black);
            }
        }
    }
    return m;
}

}  // namespace art
