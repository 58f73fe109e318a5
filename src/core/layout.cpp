// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/layout.h"

#include "core/scale.h"

namespace quillane {

int LayoutWidth(int clientWidth, int clientHeight) {
    if (clientHeight <= 0)
        return clientWidth > 0 ? 1 : clientWidth;
    int width = clientWidth;
    // Start just above the answer; the truncation of the scale can let one more pixel fit.
    const long long fit = static_cast<long long>(clientHeight) * kDesignWidth / kDesignHeight + 3;
    if (width > fit)
        width = static_cast<int>(fit);
    while (width > 1 && ScaleToScreen(kDesignHeight, width) > clientHeight)
        --width;
    return width;
}

}  // namespace quillane
