#pragma once

#include <cstdint>

#include "core/random.h"
#include "core/reels.h"
#include "core/spin_result.h"

namespace quillane::sim {

struct Summary {
    std::uint64_t spins = 0;
    std::uint64_t bet = 0;
    std::uint64_t won = 0;
    std::uint64_t hits = 0;
    std::uint64_t bonusTriggers = 0;

    double RtpPercent() const {
        return bet == 0 ? 0.0 : 100.0 * static_cast<double>(won) / static_cast<double>(bet);
    }
    double HitRatePercent() const {
        return spins == 0 ? 0.0 : 100.0 * static_cast<double>(hits) / static_cast<double>(spins);
    }
};

// Plays spins as the cabinet does on an 800-pixel layout, never reseeding.
class Simulator {
  public:
    Simulator(std::uint32_t seed, int lines, int credits);

    struct Spin {
        ReelStops stops;
        SpinResult result;
    };
    const Spin& Play();

    const Summary& summary() const { return summary_; }

  private:
    RandomGenerator random_;
    SpinScorer scorer_;
    int lines_;
    int credits_;
    Summary summary_;
    Spin spin_;
};

}  // namespace quillane::sim
