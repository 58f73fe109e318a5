// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <cstdio>
#include <cstdlib>

// find_cabinet SCREEN.png X Y WIDTH HEIGHT: where the cabinet shows inside the window whose
// client area is that rectangle of the screenshot, as "LEFT TOP RIGHT BOTTOM" (inclusive), found
// from the dark margins around it and the menu bar above it; exit status 1 when it is not
// whole: cut by the window's or the screen's edge, or not 4:3.
namespace {

const QRgb kMargin = qRgb(16, 8, 24);

bool Margin(const QImage& shot, int x, int y) {
    return (shot.pixel(x, y) & 0xFFFFFF) == (kMargin & 0xFFFFFF);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: find_cabinet SCREEN.png X Y WIDTH HEIGHT\n");
        return 2;
    }
    const QImage shot =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const int x0 = std::atoi(argv[2]), y0 = std::atoi(argv[3]);
    const int w = std::atoi(argv[4]), h = std::atoi(argv[5]);
    if (shot.isNull() || x0 < 0 || y0 < 0 || x0 + w > shot.width() || y0 + h > shot.height()) {
        std::fprintf(stderr, "the window is not wholly on the screen\n");
        return 1;
    }
    // The menu bar is one colour at its left end; the cabinet's view starts below it.
    const QRgb bar = shot.pixel(x0 + 2, y0 + 2);
    int top = y0;
    while (top < y0 + h && shot.pixel(x0 + 2, top) == bar)
        ++top;
    // Margins lie left and right of the cabinet or above and below it, which is centred.
    auto marginRow = [&](int x, int y) {
        return Margin(shot, x, y) && Margin(shot, x - 7, y) && Margin(shot, x + 7, y);
    };
    // The menu bar may end in a line or two of its own.
    for (int y = top; y < top + 3 && y < y0 + h; ++y) {
        if (marginRow(x0 + w / 2, y)) {
            top = y;
            while (top < y0 + h - 1 && marginRow(x0 + w / 2, top))
                ++top;
            break;
        }
    }
    const int probe = top + 4;
    int left = x0, right = x0 + w - 1;
    while (left < right && Margin(shot, left, probe))
        ++left;
    while (right > left && Margin(shot, right, probe))
        --right;
    const int centre = (left + right) / 2;
    int bottom = y0 + h - 1;
    while (bottom > top && marginRow(centre, bottom))
        --bottom;
    std::printf("%d %d %d %d\n", left, top, right, bottom);
    const int width = right - left + 1, height = bottom - top + 1;
    if (std::abs(width * 3 - height * 4) > 4 * 4) {
        std::fprintf(stderr, "the cabinet shows %d by %d, not 4:3: it is cut\n", width, height);
        return 1;
    }
    return 0;
}
