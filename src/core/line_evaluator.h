// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "core/paytable.h"

namespace quillane {

// The pay table compiled into a state machine over the symbols of a payline, read from reel 1:
// five table look-ups score a line. Equivalent to MatchPayline, which walks the table.
class LineEvaluator {
  public:
    using State = std::uint8_t;

    static const LineEvaluator& Instance();

    State start() const { return 0; }
    State Next(State state, Symbol s) const { return next_[state * kStride + s]; }
    // The best row matched so far; after five symbols, the line's pay.
    LinePay Pay(State state) const { return pay_[state]; }
    // The index in kPayTable of the row paid, or -1.
    int Row(State state) const { return row_[state]; }
    // No later symbol can change the pay.
    bool Settled(State state) const { return settled_[state] != 0; }
    int StateCount() const { return static_cast<int>(pay_.size()); }

    // The state after reels 1 and 2, in one look-up.
    State AfterTwo(Symbol first, Symbol second) const {
        return afterTwo_[first * kStride + second];
    }

    LinePay Evaluate(const LineSymbols& line) const {
        State s = AfterTwo(line[0], line[1]);
        for (std::size_t r = 2; r < line.size(); ++r)
            s = Next(s, line[r]);
        return Pay(s);
    }

  private:
    // Rows of the tables are a power of two wide, so indexing is a shift.
    static constexpr int kStride = 32;
    static_assert(kSymbolCount <= kStride);

    LineEvaluator();

    std::vector<State> next_;
    std::vector<State> afterTwo_;
    std::vector<LinePay> pay_;
    std::vector<int> row_;
    std::vector<std::uint8_t> settled_;
};

}  // namespace quillane
