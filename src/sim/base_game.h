// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "core/random.h"
#include "core/spin_result.h"
#include "sim/spin.h"

namespace quillane::sim {

// The slot's spins as the cabinet draws them on an 800-pixel layout, on one generator that is
// never reseeded: a spin with three balls or more is followed by a bonus game drawn from the
// generator as the spin left it. The games themselves are left to the caller.
class BaseGame {
  public:
    // Without `playBonus` the bonus games' draws are skipped too: the base game alone.
    BaseGame(std::uint32_t seed, int lines, int credits, bool playBonus);

    // Draws and scores the next spin into `spin`, clearing its bonus. When the spin opens a bonus
    // game, returns the seed the game starts from and moves the generator past its draws.
    std::optional<std::uint32_t> Play(Spin& spin);
    // Moves past the next spin and its bonus game's draws as Play does, without scoring it: the
    // start of a part of a run is found at a fraction of the cost.
    void Skip();

    std::int32_t bet() const { return lines_ * credits_; }

  private:
    RandomGenerator random_;
    SpinScorer scorer_;
    int lines_;
    int credits_;
    bool playBonus_;
};

}  // namespace quillane::sim
