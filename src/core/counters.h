// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <limits>

namespace quillane {

inline constexpr std::int32_t kCounterLimit = std::numeric_limits<std::int32_t>::max();

// The counter has stopped at its limit and counts no further.
constexpr bool AtLimit(std::int32_t counter) {
    return counter == kCounterLimit;
}

// What of a positive `amount` added to `counter` goes past its limit and is lost.
constexpr std::int32_t PastLimit(std::int32_t counter, std::int64_t amount) {
    const std::int64_t over = static_cast<std::int64_t>(counter) + amount - kCounterLimit;
    return over > 0 ? static_cast<std::int32_t>(over) : 0;
}

// Adds to a 32-bit counter, stopping at its limits rather than wrapping round: a counter at
// its limit stays there.
constexpr std::int32_t SaturatingAdd(std::int32_t counter, std::int64_t amount) {
    const std::int64_t sum = static_cast<std::int64_t>(counter) + amount;
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (sum < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(sum);
}

}  // namespace quillane
