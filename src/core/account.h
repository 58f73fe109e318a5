// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quillane {

// The part of the game state that is saved with a game; the defaults are a new game's.
struct Account {
    std::int32_t credits = 1000;
    std::int32_t borrowed = 1000;
    std::int32_t spins = 0;
    std::int32_t totalBets = 0;
    std::int32_t bonusTotal = 0;

    bool operator==(const Account&) const = default;
};

}  // namespace quillane
