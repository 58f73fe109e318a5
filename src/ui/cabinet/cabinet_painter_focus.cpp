// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "ui/cabinet/cabinet_painter.h"

namespace quillane {
namespace {

// Light between two dark edges, so the ring shows on the dark panels and on a lit white key.
const QColor kRingLight(255, 226, 64);
const QColor kRingDark(0, 0, 0);

// The four strips of width `width` just inside `outer`.
template <class Fill>
void ForEachStrip(const QRect& outer, int width, Fill fill) {
    const QRect inner = outer.adjusted(width, width, -width, -width);
    fill(QRect(outer.left(), outer.top(), outer.width(), width));
    fill(QRect(outer.left(), inner.bottom() + 1, outer.width(), width));
    fill(QRect(outer.left(), inner.top(), width, inner.height()));
    fill(QRect(inner.right() + 1, inner.top(), width, inner.height()));
}

}  // namespace

int CabinetPainter::FocusRingWidth() const {
    return 2 * std::max(1, Scale(1)) + std::max(2, Scale(2));
}

QRect CabinetPainter::FocusRingArea(const design_grid::Box& face) const {
    // Outside the face, which is painted up to but not including its right and bottom edges.
    const int w = FocusRingWidth();
    return QRect(QPoint(Scale(face.left) - w, Scale(face.top) - w),
                 QPoint(Scale(face.right) + w - 1, Scale(face.bottom) + w - 1));
}

void CabinetPainter::DrawFocusRing() {
    const QRect outer = FocusRingArea(*focusFace_);
    const int dark = std::max(1, Scale(1));
    const QColor brush = canvas_.brushColor();
    auto fill = [this](const QColor& colour) {
        return [this, colour](const QRect& r) {
            canvas_.SetBrushColor(colour);
            canvas_.FillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        };
    };
    ForEachStrip(outer, FocusRingWidth(), fill(kRingDark));
    ForEachStrip(outer.adjusted(dark, dark, -dark, -dark), FocusRingWidth() - 2 * dark,
                 fill(kRingLight));
    canvas_.SetBrushColor(brush);
}

void CabinetPainter::ShowKeyFocus(std::optional<design_grid::Box> face) {
    if (focusFace_) {
        ForEachStrip(FocusRingArea(*focusFace_), FocusRingWidth(),
                     [this](const QRect& r) { RestoreBackground(r); });
    }
    focusFace_ = face;
    if (focusFace_ && !surface_.isNull())
        DrawFocusRing();
}

}  // namespace quillane
