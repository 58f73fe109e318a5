// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>

#include "platform/canvas.h"
#include "ui/design_grid.h"

namespace quillane {

using design_grid::kDigitHeight;
using design_grid::kDigitWidth;

// A number in seven-segment digits copied from a digit strip (cells of `cell` size, the strip's
// own being 16 by 21), on a black box. Right-aligned, x is the right edge and one spare cell on
// the left wipes a longer earlier number; otherwise x is the left edge and, unless tight, a
// spare cell on the right.
void DrawDigits(Canvas& canvas, const QImage& digits, std::int64_t number, int x, int y,
                bool rightAligned, bool tight, QSize cell = {kDigitWidth, kDigitHeight});

// A digit strip redrawn smoothly for cells `width` pixels wide, from the sharpest strip given.
QImage DigitStripFor(const QImage& small, const QImage& large, int width);

// How many cells a number takes, its sign included.
int DigitCount(std::int64_t number);

}  // namespace quillane
