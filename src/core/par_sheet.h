// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/exact_return.h"
#include "core/paytable.h"
#include "core/reels.h"

namespace quillane {

// The base game's PAR sheet: what each pay brings over the whole cycle of stop combinations, for
// one number of lines played. Figures per credit bet do not depend on the credits per line.
struct ParSheet {
    int lines = 0;
    ExactReturn exact;
    // Per pay-table row, the times a played line pays it in one cycle.
    std::array<std::uint64_t, kPayTable.size()> rowHits{};
    // Element b: the stop combinations showing b balls.
    std::vector<std::uint64_t> ballCombinations;
    double volatility = 0;  // standard deviation of the win per spin, in bets

    // Return per credit bet from one pay-table row, and from the scatter pay for b balls.
    double RowReturn(std::size_t row) const;
    double ScatterReturn(std::size_t balls) const;
};

ParSheet ComputeParSheet(const ReelSymbols& reels, int linesBet);

}  // namespace quillane
