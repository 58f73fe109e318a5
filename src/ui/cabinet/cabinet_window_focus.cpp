// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/cabinet/cabinet_key_tips.h"
#include "ui/cabinet/cabinet_keys.h"
#include "ui/cabinet/cabinet_layout.h"
#include "ui/cabinet/cabinet_window.h"

namespace quillane {

bool CabinetWindow::TakeFocusKey(int key) {
    namespace layout = cabinet_layout;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        // Like any key, Tab and Escape first stop autoplay; the ring moves on the next press.
        if (InterruptWith(false))
            return true;
        const int step = key == Qt::Key_Tab ? 1 : layout::kKeyStops - 1;
        SetKeyFocus(keyFocus_            ? (*keyFocus_ + step) % layout::kKeyStops
                    : key == Qt::Key_Tab ? 0
                                         : layout::kKeyStops - 1);
        return true;
    }
    if (!keyFocus_)
        return false;
    if (key == Qt::Key_Escape) {
        if (!InterruptWith(false))
            SetKeyFocus(std::nullopt);
        return true;
    }
    if (IsSpinKey(key)) {
        PressCabinetKey(*keyFocus_);
        return true;
    }
    return false;
}

void CabinetWindow::SetKeyFocus(std::optional<int> stop) {
    if (stop == keyFocus_)
        return;
    keyFocus_ = stop;
    painter_->ShowKeyFocus(stop ? std::optional(cabinet_layout::StopFace(*stop)) : std::nullopt);
}

void CabinetWindow::PressCabinetKey(int stop) {
    namespace layout = cabinet_layout;
    if (stop == layout::kCoinSlotStop) {
        if (!InterruptWith(false))
            BorrowCommand();
        return;
    }
    if (stop < 0 || stop >= layout::kKeyStops)
        return;
    const layout::Box box = layout::StopHitBox(stop);
    const CabinetGeometry& g = cabinetGeometry();
    Click(g.Scale((box.left + box.right) / 2), g.Scale((box.top + box.bottom) / 2));
}

std::optional<CabinetView::Tip> CabinetWindow::KeyTipAt(int x, int y) const {
    namespace layout = cabinet_layout;
    if (!created_)
        return std::nullopt;
    const CabinetGeometry& g = cabinetGeometry();
    for (int stop = 0; stop < layout::kKeyStops; ++stop) {
        const layout::Box face = layout::StopFace(stop);
        if (face.Contains(x, y, g.layoutWidth))
            return CabinetView::Tip{CabinetKeyTip(stop),
                                    QRect(QPoint(g.Scale(face.left), g.Scale(face.top)),
                                          QPoint(g.Scale(face.right), g.Scale(face.bottom)))};
    }
    return std::nullopt;
}

}  // namespace quillane
