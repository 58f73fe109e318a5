// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/bonus_play.h"

namespace quillane::sim {

Bonus PlayBonus(std::uint32_t seed, std::int32_t bet, int card) {
    RandomGenerator random(seed);
    BingoGame game(random, bet);
    game.PlayOut();
    Bonus bonus;
    bonus.bet = bet;
    bonus.card = card;
    bonus.calls = game.callsMade();
    for (int c = 0; c < kCardCount; ++c)
        bonus.totals[static_cast<std::size_t>(c)] = game.total(c);
    bonus.payout = game.total(card);
    return bonus;
}

}  // namespace quillane::sim
