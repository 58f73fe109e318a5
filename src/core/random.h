// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quillane {

// The one generator shared by the slot and the bonus game: a 32-bit linear congruential seed,
// where a draw with range n takes the upper half of seed × n.
class RandomGenerator {
  public:
    static constexpr std::uint32_t kMultiplier = 134775813u;

    explicit RandomGenerator(std::uint32_t seed = 0) : seed_(seed) {}

    void Seed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // A number from 0 to n - 1; n must be at least 1.
    std::uint32_t Draw(std::uint32_t n) {
        seed_ = seed_ * kMultiplier + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }

  private:
    std::uint32_t seed_;
};

// The seed taken from the time of day: milliseconds since midnight.
constexpr std::uint32_t TimeOfDaySeed(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

}  // namespace quillane
