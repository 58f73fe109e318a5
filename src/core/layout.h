// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane {

// The width the 800 by 600 cabinet is laid out at: the largest at which the scaled cabinet fits
// both the client area's width and its height, so nothing of it falls outside a narrow, a wide
// or a short window.
int LayoutWidth(int clientWidth, int clientHeight);

// The smallest cabinet laid out: below it the captions no longer fit their keys and meters.
inline constexpr int kMinimumLayoutWidth = 640;

}  // namespace quillane
