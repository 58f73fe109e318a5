// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtCore/qnamespace.h>
#include <algorithm>
#include <array>

namespace quillane {

// The keys that spin (and, in quick play, skip what is shown): either Enter key and the Space
// bar, as the manual lists them.
inline constexpr std::array<int, 3> kSpinKeys = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space};
inline constexpr int kBetMaxKey = Qt::Key_M;

inline bool IsSpinKey(int key) {
    return std::ranges::find(kSpinKeys, key) != kSpinKeys.end();
}

}  // namespace quillane
