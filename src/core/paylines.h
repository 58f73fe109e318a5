// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "core/reels.h"

namespace quillane {

inline constexpr int kPaylineCount = 9;
inline constexpr int kMaxLinesBet = 9;

// kPaylines[n - 1][reel] is the row payline n reads on that reel.
inline constexpr std::array<std::array<Row, kReelCount>, kPaylineCount> kPaylines = {{
    {kMiddle, kMiddle, kMiddle, kMiddle, kMiddle},
    {kTop, kTop, kTop, kTop, kTop},
    {kBottom, kBottom, kBottom, kBottom, kBottom},
    {kTop, kMiddle, kBottom, kMiddle, kTop},
    {kBottom, kMiddle, kTop, kMiddle, kBottom},
    {kTop, kTop, kMiddle, kTop, kTop},
    {kBottom, kBottom, kMiddle, kBottom, kBottom},
    {kMiddle, kTop, kTop, kTop, kMiddle},
    {kMiddle, kBottom, kBottom, kBottom, kMiddle},
}};

using LineSymbols = std::array<Symbol, kReelCount>;

inline LineSymbols ReadPayline(const ReelWindow& window, int payline) {
    LineSymbols line{};
    const auto& rows = kPaylines[static_cast<std::size_t>(payline - 1)];
    for (std::size_t r = 0; r < line.size(); ++r)
        line[r] = window[r][rows[r]];
    return line;
}

}  // namespace quillane
