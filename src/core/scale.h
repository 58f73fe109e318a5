// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane {

inline constexpr int kDesignWidth = 800;
inline constexpr int kDesignHeight = 600;

// A design-grid coordinate on a layout `layoutWidth` pixels wide. The ratio is held as a double
// and the product formed at extended precision, then truncated: at 1152, 800 becomes 1151.
inline int ScaleToScreen(int v, int layoutWidth) {
    const double ratio = static_cast<double>(layoutWidth) / kDesignWidth;
    return static_cast<int>(static_cast<long double>(v) * static_cast<long double>(ratio));
}

}  // namespace quillane
