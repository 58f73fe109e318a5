// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/window_style.h"

namespace quillane {

QFont GameFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace quillane
