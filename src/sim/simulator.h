// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "sim/base_game.h"
#include "sim/spin.h"
#include "sim/summary.h"

namespace quillane::sim {

// Plays spins one at a time, each followed by the bonus game it opens, as the cabinet would.
class Simulator {
  public:
    using Bonus = sim::Bonus;
    using Spin = sim::Spin;

    // `card` is the player's card in the bonus games, 0 to 4. Without `playBonus` the bonus games
    // are skipped, and their draws with them: quick runs of the base game alone.
    Simulator(std::uint32_t seed, int lines, int credits, int card = 0, bool playBonus = true);

    const Spin& Play();

    const Summary& summary() const { return summary_; }

  private:
    BaseGame base_;
    int card_;
    Summary summary_;
    Spin spin_;
};

}  // namespace quillane::sim
