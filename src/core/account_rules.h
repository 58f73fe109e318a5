// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "core/account.h"
#include "core/refusal.h"

namespace quillane {

// The refusal of a pay-back, or nothing when it may go ahead.
std::optional<Refusal> PayBackRefusal(std::int32_t amount, std::int32_t credits,
                                      std::int32_t borrowed);
// The refusal of a borrow that would take a counter past its largest value.
std::optional<Refusal> BorrowRefusal(std::int32_t amount, std::int32_t credits,
                                     std::int32_t borrowed);

// How a game stands. Every bet left the credits and every win came into them, and a game starts
// with as many credits as it has borrowed: so the payoffs are credits - borrowed + total bets.
struct Statistics {
    std::int32_t spins = 0;
    std::int32_t credits = 0;
    std::int32_t borrowed = 0;
    std::int32_t totalBets = 0;
    std::int32_t bonus = 0;
    std::int64_t payoffs = 0;
    std::int64_t normalPayoffs = 0;  // the payoffs less the bonus games'
    double payoffPercentage = 0;     // of the total bets; 0 before the first bet
};

// Counted in 64 bits: counters at their 32-bit limits must not wrap.
Statistics TakeStatistics(const Account& account);

}  // namespace quillane
