// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/win_cursor.h"

#include "core/spin_result.h"

namespace quillane {

int AdvanceWinCursor(int cursor, const std::array<bool, kPaylineCount>& lineWon,
                     std::int32_t scatterWin) {
    // Eleven places at most: a cursor with nothing to find must not spin forever.
    for (int tries = 0; tries <= kScatterCursor; ++tries) {
        cursor = cursor >= kScatterCursor ? 1 : cursor + 1;
        if (cursor == kScatterCursor
                ? scatterWin > 0
                : cursor >= 1 && lineWon[static_cast<std::size_t>(cursor - 1)]) {
            return cursor;
        }
    }
    return kNoWinCursor;
}

}  // namespace quillane
