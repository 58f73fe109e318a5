// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/account_rules.h"

#include <cstdio>
#include <limits>

#include "core/digit_groups.h"

namespace quillane {
namespace {

constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();

// "%7.2f" with the locale's decimal point.
std::string Amount(std::int32_t amount, const NumberStyle& style) {
    char text[32];
    std::snprintf(text, sizeof text, "%7.2f", static_cast<double>(amount));
    std::string s = text;
    if (const auto dot = s.find('.'); dot != std::string::npos && !style.decimalPoint.empty())
        s.replace(dot, 1, style.decimalPoint);
    return s;
}

}  // namespace

std::optional<std::string> PayBackRefusal(std::int32_t amount, std::int32_t credits,
                                          std::int32_t borrowed, const NumberStyle& style) {
    if (amount > credits)
        return "You do not have " + Amount(amount, style) + " credits!";
    if (amount > borrowed)
        return "You cannot pay back more credits than you have borrowed!";
    return std::nullopt;
}

std::optional<std::string> BorrowRefusal(std::int32_t amount, std::int32_t credits,
                                         std::int32_t borrowed, const NumberStyle& style) {
    // In 64 bits, so that no amount makes the test itself overflow.
    if (std::int64_t{credits} + amount > kMost || std::int64_t{borrowed} + amount > kMost) {
        return "You cannot borrow " + std::to_string(amount) +
               " more credits: the credits and the borrowed credits cannot go past " +
               GroupedDigits(kMost, style.thousandsSeparator) + ".";
    }
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
