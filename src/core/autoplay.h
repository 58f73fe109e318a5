// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

namespace quillane {

// What the player asked autoplay for: a number of spins at the current bet and when to stop
// before they are all played. A bet that can no longer be placed always stops it.
struct AutoplayPlan {
    int spins = 10;
    bool stopOnBonus = true;
    std::optional<std::int32_t> stopOnWinAtLeast;
    std::optional<std::int32_t> stopBelowCredits;

    bool operator==(const AutoplayPlan&) const = default;
};

inline constexpr int kAutoplayChoices[] = {10, 25, 50, 100};

// Why autoplay stopped.
enum class AutoplayStop { Finished, Bonus, BigWin, LowCredits, NoBet, Player };

// An autoplay run: counts the spins down and decides, after each, whether the next one goes.
// It never places a bet or borrows: the cabinet spins as the player would.
class Autoplay {
  public:
    void Start(const AutoplayPlan& plan);
    bool running() const { return left_ > 0; }
    int spinsLeft() const { return left_; }
    // Why the last run ended; nothing while one runs or before the first.
    std::optional<AutoplayStop> stopped() const { return stopped_; }

    // A spin was played: its total win (lines and scatter), whether it opens the bonus game and
    // the credits after it. Returns why autoplay stops, or nothing when it goes on.
    std::optional<AutoplayStop> AfterSpin(std::int32_t win, bool bonus, std::int64_t credits);
    // The next bet could not be placed.
    void BetRefused() { Stop(AutoplayStop::NoBet); }
    void Stop(AutoplayStop why);

  private:
    AutoplayPlan plan_;
    int left_ = 0;
    std::optional<AutoplayStop> stopped_;
};

}  // namespace quillane
