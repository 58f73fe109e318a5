// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/reels.h"

namespace quillane {

Symbol SymbolFromLetter(char letter) {
    if (letter >= '0' && letter <= '9')
        return static_cast<Symbol>(letter - '0');
    if (letter >= 'A' && letter <= 'K')
        return static_cast<Symbol>(sym::Card + (letter - 'A'));
    return sym::Bag;
}

ReelSymbols DecodeStrips() {
    ReelSymbols reels{};
    for (std::size_t r = 0; r < reels.size(); ++r) {
        for (std::size_t p = 0; p < reels[r].size(); ++p) {
            reels[r][p] = SymbolFromLetter(kReelStrips[r][p]);
        }
    }
    return reels;
}

ReelWindow FormWindow(const ReelSymbols& reels, const ReelStops& stops) {
    ReelWindow window{};
    for (std::size_t r = 0; r < window.size(); ++r) {
        for (int row = 0; row < kRowCount; ++row) {
            window[r][static_cast<std::size_t>(row)] = SymbolInRow(reels[r], stops[r], row);
        }
    }
    return window;
}

}  // namespace quillane
