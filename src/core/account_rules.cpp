// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/account_rules.h"

#include <limits>

namespace quillane {
namespace {

constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();

}  // namespace

std::optional<Refusal> PayBackRefusal(std::int32_t amount, std::int32_t credits,
                                      std::int32_t borrowed) {
    if (amount > credits)
        return Refusal{Refusal::Kind::PayBackUncovered, amount, credits, 0};
    if (amount > borrowed)
        return Refusal{Refusal::Kind::PayBackUnborrowed, amount, borrowed, 0};
    return std::nullopt;
}

std::optional<Refusal> BorrowRefusal(std::int32_t amount, std::int32_t credits,
                                     std::int32_t borrowed) {
    // In 64 bits, so that no amount makes the test itself overflow.
    if (std::int64_t{credits} + amount > kMost || std::int64_t{borrowed} + amount > kMost)
        return Refusal{Refusal::Kind::BorrowPastLimit, amount, credits, kMost};
    return std::nullopt;
}

Statistics TakeStatistics(const Account& account) {
    Statistics s;
    s.spins = account.spins;
    s.credits = account.credits;
    s.borrowed = account.borrowed;
    s.totalBets = account.totalBets;
    s.bonus = account.bonusTotal;
    s.payoffs = std::int64_t{account.credits} - account.borrowed + account.totalBets;
    s.normalPayoffs = s.payoffs - account.bonusTotal;
    if (account.totalBets > 0)
        s.payoffPercentage = static_cast<double>(s.payoffs) / account.totalBets * 100.0;
    return s;
}

}  // namespace quillane
