// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>

// read_meter SCREEN.png DIGITS.png RIGHT Y: the number a meter shows, read right to left from
// its right edge by matching 16 by 21 cells against the digit strip; -1 when nothing matches.
namespace {

// Pixel by pixel: two RGB32 images may differ in the unused byte that == compares. The message
// strip below the meters overlaps their last rows, so those are not compared.
constexpr int kRowsCompared = 18;

bool SameCell(const QImage& screen, int x, int y, const QImage& digits, int dx) {
    if (x < 0 || y < 0 || x + 16 > screen.width() || y + 21 > screen.height())
        return false;
    for (int j = 0; j < kRowsCompared; ++j) {
        for (int i = 0; i < 16; ++i) {
            if (screen.pixel(x + i, y + j) != digits.pixel(dx + i, j))
                return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: read_meter SCREEN.png DIGITS.png RIGHT Y\n");
        return 2;
    }
    const QImage screen =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage digits =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    const int right = std::atoi(argv[3]);
    const int y = std::atoi(argv[4]);
    if (screen.isNull() || digits.isNull())
        return 2;

    std::string number;
    for (int x = right - 16; x >= 0; x -= 16) {
        int match = -1;
        for (int d = 0; d < 10 && match < 0; ++d) {
            if (SameCell(screen, x, y, digits, 16 * d))
                match = d;
        }
        if (match < 0)
            break;
        number.insert(number.begin(), static_cast<char>('0' + match));
    }
    std::printf("%s\n", number.empty() ? "-1" : number.c_str());
    return 0;
}
