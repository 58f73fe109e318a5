// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/bingo.h"
#include "core/reels.h"
#include "core/spin_result.h"

namespace quillane::sim {

struct Bonus {
    std::int32_t bet = 0;  // the last slot bet, lines times credits per line
    int card = 0;
    int calls = 0;  // the call that won the blackout
    std::array<std::int32_t, kCardCount> totals{};
    std::int32_t payout = 0;  // the player's card's total
};

struct Spin {
    ReelStops stops;
    SpinResult result;
    std::optional<Bonus> bonus;  // only after a spin that opened the bonus game
};

}  // namespace quillane::sim
