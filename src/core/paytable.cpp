// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/paytable.h"

namespace quillane {

bool RowAcceptsAt(const PayRow& row, int reel, Symbol s) {
    if (reel >= row.count)
        return true;
    switch (row.combination) {
        case Combination::Wilds:
            return s == sym::Wild;
        case Combination::BingoBalls:
            return s == sym::BallB + reel;
        case Combination::SymbolRun:
            return s == row.symbol || s == sym::Wild;
    }
    return false;
}

bool RowMatches(const PayRow& row, const LineSymbols& line) {
    for (int reel = 0; reel < row.count; ++reel) {
        if (!RowAcceptsAt(row, reel, line[static_cast<std::size_t>(reel)]))
            return false;
    }
    return true;
}

LinePay MatchPayline(const LineSymbols& line) {
    for (const PayRow& row : kPayTable) {
        if (RowMatches(row, line))
            return {row.pays, row.count};
    }
    return {};
}

int PayFor(Symbol s, int count) {
    for (const PayRow& row : kPayTable) {
        if (row.count != count)
            continue;
        if (s == sym::Wild ? row.combination == Combination::Wilds
                           : row.combination == Combination::SymbolRun && row.symbol == s) {
            return row.pays;
        }
    }
    return 0;
}

}  // namespace quillane
