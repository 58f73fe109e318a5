// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/meter_digits.h"

#include <string>

namespace quillane {
namespace {

// Where the middle bar of a digit lies in its 16 by 21 cell.
constexpr int kMinusLeft = 2;
constexpr int kMinusTop = 9;
constexpr int kMinusWidth = 12;
constexpr int kMinusHeight = 3;

}  // namespace

int DigitCount(std::int64_t number) {
    return static_cast<int>(std::to_string(number).size());
}

QImage DigitStripFor(const QImage& small, const QImage& large, int width) {
    if (width == kDigitWidth || small.isNull())
        return small;
    const QImage& source = width > kDigitWidth && !large.isNull() ? large : small;
    const double scale = static_cast<double>(width) / kDigitWidth;
    const int height = static_cast<int>(kDigitHeight * scale + 0.5);
    const int stripWidth = static_cast<int>(small.width() * scale + 0.5);
    return source.scaled(stripWidth, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

void DrawDigits(Canvas& canvas, const QImage& digits, std::int64_t number, int x, int y,
                bool rightAligned, bool tight, QSize cell) {
    const std::string text = std::to_string(number);
    const int n = static_cast<int>(text.size());
    const int w = cell.width(), h = cell.height();
    if (rightAligned)
        x -= w * n;
    canvas.SetBrushClear(false);
    canvas.SetBrushColor(Qt::black);
    canvas.SetPenColor(Qt::black);
    if (rightAligned) {
        canvas.Rectangle(x - w, y, x + w * n, y + h);
    } else {
        canvas.Rectangle(x, y, x + w * n + (tight ? 0 : w), y + h);
    }
    // The strip's own cells, which may be drawn at another size than the cells on the meter.
    const double sx = digits.width() / static_cast<double>(design_grid::kDigitStripWidth);
    const double sy = digits.height() / static_cast<double>(kDigitHeight);
    auto source = [&](double left, double top, double width, double height) {
        return QRect(static_cast<int>(left * sx + 0.5), static_cast<int>(top * sy + 0.5),
                     static_cast<int>(width * sx + 0.5), static_cast<int>(height * sy + 0.5));
    };
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            const int d = ch - '0';
            canvas.Draw(QRect(x, y, w, h), digits,
                        source(kDigitWidth * d, 0, kDigitWidth, kDigitHeight));
        } else if (ch == '-') {
            // The strips have no minus sign: it is the middle bar of their 8.
            const double fx = static_cast<double>(w) / kDigitWidth;
            const double fy = static_cast<double>(h) / kDigitHeight;
            canvas.Draw(QRect(x + static_cast<int>(kMinusLeft * fx + 0.5),
                              y + static_cast<int>(kMinusTop * fy + 0.5),
                              static_cast<int>(kMinusWidth * fx + 0.5),
                              static_cast<int>(kMinusHeight * fy + 0.5)),
                        digits,
                        source(kDigitWidth * 8 + kMinusLeft, kMinusTop, kMinusWidth, kMinusHeight));
        }
        x += w;
    }
}

}  // namespace quillane
