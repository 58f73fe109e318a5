#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/bingo.h"
#include "core/random.h"
#include "core/reels.h"
#include "core/spin_result.h"

namespace quillane::sim {

struct Summary {
    std::uint64_t spins = 0;
    std::uint64_t bet = 0;
    std::uint64_t won = 0;  // the spins' own wins and the bonus payouts
    std::uint64_t baseWon = 0;
    std::uint64_t bonusWon = 0;
    std::uint64_t hits = 0;
    std::uint64_t bonusTriggers = 0;

    double RtpPercent() const { return PercentOfBet(won); }
    double BaseRtpPercent() const { return PercentOfBet(baseWon); }
    double BonusRtpPercent() const { return PercentOfBet(bonusWon); }
    double HitRatePercent() const {
        return spins == 0 ? 0.0 : 100.0 * static_cast<double>(hits) / static_cast<double>(spins);
    }

  private:
    double PercentOfBet(std::uint64_t credits) const {
        return bet == 0 ? 0.0 : 100.0 * static_cast<double>(credits) / static_cast<double>(bet);
    }
};

// Plays spins as the cabinet does on an 800-pixel layout, never reseeding: a spin with three
// balls or more is followed by a bonus game drawn from the generator as the spin left it.
class Simulator {
  public:
    // `card` is the player's card in the bonus games, 0 to 4. Without `playBonus` the bonus games
    // are skipped, and their draws with them: quick runs of the base game alone.
    Simulator(std::uint32_t seed, int lines, int credits, int card = 0, bool playBonus = true);

    struct Bonus {
        std::int32_t bet = 0;  // the last slot bet, lines times credits per line
        int card = 0;
        int calls = 0;  // the call that won the blackout
        std::array<std::int32_t, kCardCount> totals{};
        std::int32_t payout = 0;  // the player's card's total
    };
    struct Spin {
        ReelStops stops;
        SpinResult result;
        std::optional<Bonus> bonus;  // only after a spin that opened the bonus game
    };
    const Spin& Play();

    const Summary& summary() const { return summary_; }

  private:
    Bonus PlayBonus();

    RandomGenerator random_;
    SpinScorer scorer_;
    int lines_;
    int credits_;
    int card_;
    bool playBonus_;
    Summary summary_;
    Spin spin_;
};

}  // namespace quillane::sim
