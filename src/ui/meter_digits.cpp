#include "ui/meter_digits.h"

#include <string>

namespace quillane {

void DrawDigits(Canvas& canvas, const QImage& digits, std::int64_t number, int x, int y,
                bool rightAligned, bool tight) {
    std::string text = std::to_string(number);
    if (text.size() > 10)
        text.resize(10);
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
        // The strips have no minus sign; a negative amount shows its digits.
        if (ch >= '0' && ch <= '9') {
            const int d = ch - '0';
            canvas.Draw(QRect(x, y, kDigitWidth, kDigitHeight), digits,
                        QRect(kDigitWidth * d, 0, kDigitWidth, kDigitHeight));
        }
        x += kDigitWidth;
    }
}

}  // namespace quillane
