// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/random.h"

namespace quillane {

// What a run of draws does to the seed: it takes s to multiplier * s + increment, whatever s is,
// so the generator can be moved past any number of draws at once.
struct SeedJump {
    std::uint32_t multiplier = 1;
    std::uint32_t increment = 0;

    constexpr std::uint32_t From(std::uint32_t seed) const { return multiplier * seed + increment; }
    // This jump followed by `next`.
    constexpr SeedJump Then(const SeedJump& next) const {
        return {next.multiplier * multiplier, next.multiplier * increment + next.increment};
    }
};

// The jump over `draws` draws, built by doubling: at most 64 steps for any count.
constexpr SeedJump JumpOver(std::uint64_t draws) {
    SeedJump jump;
    SeedJump step{RandomGenerator::kMultiplier, 1u};
    for (; draws != 0; draws >>= 1) {
        if ((draws & 1u) != 0)
            jump = jump.Then(step);
        step = step.Then(step);
    }
    return jump;
}

// jumps[k] skips k draws, for k from 0 to K.
template <std::size_t K>
constexpr std::array<SeedJump, K + 1> SeedJumps() {
    std::array<SeedJump, K + 1> jumps{};
    for (std::size_t k = 1; k <= K; ++k)
        jumps[k] = jumps[k - 1].Then(JumpOver(1));
    return jumps;
}

// The seed before the draw that left `seed`: the multiplier is odd, so it has an inverse modulo
// 2^32, which Newton's iteration finds (each step doubles the bits that are right).
constexpr std::uint32_t SeedBefore(std::uint32_t seed) {
    constexpr std::uint32_t kInverse = [] {
        std::uint32_t x = RandomGenerator::kMultiplier;
        for (int i = 0; i < 5; ++i)
            x *= 2u - RandomGenerator::kMultiplier * x;
        return x;
    }();
    static_assert(kInverse * RandomGenerator::kMultiplier == 1u);
    return (seed - 1u) * kInverse;
}

}  // namespace quillane
