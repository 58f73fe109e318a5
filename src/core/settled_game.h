// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "core/account.h"

namespace quillane {

// A bonus game that a spin has won and that has not paid yet. It is dealt at the bet of the spin
// that won it, from a seed taken when it is first dealt, so that it can be dealt again the same.
struct PendingBonus {
    int linesBet = 0;
    int creditsPerLine = 0;
    std::optional<std::uint32_t> seed;
    std::optional<int> card;  // once the player has chosen

    bool operator==(const PendingBonus&) const = default;
};

// The current game with every outcome drawn so far paid in full: what is kept, while the cabinet
// may still be turning the reels or counting the win up.
struct SettledGame {
    Account account;
    std::optional<PendingBonus> bonus;

    bool operator==(const SettledGame&) const = default;
};

}  // namespace quillane
