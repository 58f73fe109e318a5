#pragma once

#include <QImage>
#include <cstdint>

#include "platform/canvas.h"

namespace quillane {

inline constexpr int kDigitWidth = 16;
inline constexpr int kDigitHeight = 21;

// A number in seven-segment digits copied from a 16 by 21 digit strip, on a black box. Right-
// aligned, x is the right edge and one spare cell on the left wipes a longer earlier number;
// otherwise x is the left edge and, unless tight, a spare cell on the right.
void DrawDigits(Canvas& canvas, const QImage& digits, std::int64_t number, int x, int y,
                bool rightAligned, bool tight);

}  // namespace quillane
