// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/symbol_names.h"

#include <array>

namespace quillane {

std::string_view SymbolName(Symbol s) {
    // By symbol code; the wild's animation frames are the wild.
    static constexpr std::array<std::string_view, kSymbolCount> kNames = {
        "Wild",   "Wild",   "Wild", "Wild",     "Wild",    "B ball", "I ball", "N ball",
        "G ball", "O ball", "Card", "Tickets",  "Cage",    "Ace",    "King",   "Queen",
        "Jack",   "Ten",    "Doll", "Elephant", "Daubers", "Bag"};
    return s < kNames.size() ? kNames[s] : std::string_view();
}

}  // namespace quillane
