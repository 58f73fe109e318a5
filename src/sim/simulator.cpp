// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/simulator.h"

#include <stdexcept>

#include "sim/bonus_play.h"

namespace quillane::sim {

Simulator::Simulator(std::uint32_t seed, int lines, int credits, int card, bool playBonus)
    : base_(seed, lines, credits, playBonus), card_(card) {
    if (card < 0 || card >= kCardCount)
        throw std::invalid_argument("the player's card is 0 to 4");
}

const Simulator::Spin& Simulator::Play() {
    if (const auto bonusSeed = base_.Play(spin_))
        spin_.bonus = PlayBonus(*bonusSeed, base_.bet(), card_);
    summary_.Add(spin_, base_.bet());
    return spin_;
}

}  // namespace quillane::sim
