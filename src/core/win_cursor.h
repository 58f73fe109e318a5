// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "core/paylines.h"

namespace quillane {

// The next win to show after `cursor`, going round paylines 1 to 9 and then the scatter;
// kNoWinCursor when there is nothing to show.
int AdvanceWinCursor(int cursor, const std::array<bool, kPaylineCount>& lineWon,
                     std::int32_t scatterWin);

}  // namespace quillane
