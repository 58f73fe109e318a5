// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "core/bingo_deal.h"
#include "core/seed_jump.h"
#include "sim/spin.h"

namespace quillane::sim {

// Past a bonus game's draws at once: every game takes the same number.
inline constexpr SeedJump kBonusGameJump = JumpOver(kBingoDealDraws);

// The bonus game dealt from `seed`, played to the blackout; `card` is the player's card, 0 to 4.
Bonus PlayBonus(std::uint32_t seed, std::int32_t bet, int card);

}  // namespace quillane::sim
