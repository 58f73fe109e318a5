#include "ui/meter_digits.h"

#include <string>

namespace quillane {
namespace {

// Where the middle bar of a digit lies in its 16 by 21 cell.
constexpr int kMinusLeft = 2;
constexpr int kMinusTop = 9;
constexpr int kMinusWidth = 12;
constexpr int kMinusHeight = 3;

}  // namespace

void DrawDigits(Canvas& canvas, const QImage& digits, std::int64_t number, int x, int y,
                bool rightAligned, bool tight) {
    const std::string text = std::to_string(number);
    const int n = static_cast<int>(text.size());
    if (rightAligned)
        x -= kDigitWidth * n;
    canvas.SetBrushClear(false);
    canvas.SetBrushColor(Qt::black);
    canvas.SetPenColor(Qt::black);
    if (rightAligned) {
        canvas.Rectangle(x - kDigitWidth, y, x + kDigitWidth * n, y + kDigitHeight);
    } else {
        canvas.Rectangle(x, y, x + kDigitWidth * n + (tight ? 0 : kDigitWidth), y + kDigitHeight);
    }
    canvas.SetCopyMode(Canvas::CopyMode::Copy);
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            const int d = ch - '0';
            canvas.Draw(QRect(x, y, kDigitWidth, kDigitHeight), digits,
                        QRect(kDigitWidth * d, 0, kDigitWidth, kDigitHeight));
        } else if (ch == '-') {
            // The strips have no minus sign: it is the middle bar of their 8.
            canvas.Draw(QRect(x + kMinusLeft, y + kMinusTop, kMinusWidth, kMinusHeight), digits,
                        QRect(kDigitWidth * 8 + kMinusLeft, kMinusTop, kMinusWidth, kMinusHeight));
        }
        x += kDigitWidth;
    }
}

}  // namespace quillane
