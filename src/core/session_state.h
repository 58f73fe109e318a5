// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "core/account.h"
#include "core/reels.h"
#include "core/spin_result.h"

namespace quillane {

// The bet the keys show; at every program start keys 5 and 6 are lit, 9 lines at 1 credit.
struct BetSettings {
    int linesBet = 9;
    int creditsPerLine = 1;
    int linesKey = 5;
    int creditsKey = 6;

    bool operator==(const BetSettings&) const = default;
};

// Where a game stands as the cabinet shows it; the account alone is saved with it.
struct SessionState {
    Account account;
    BetSettings settings;
    std::int32_t bet = 0;      // staked on the spin under way; 0 between spins
    std::int32_t lastBet = 0;  // staked again while the credits cover it; any bet key clears it
    ReelStops reelStops = kStartStops;
    SpinResult spin;            // the last spin; its win cursor moves as the win display cycles
    std::int32_t bonusWin = 0;  // the bonus game's win, once it has been played
    std::int32_t gamePaid = 0;  // line and scatter wins, plus the bonus once it has paid
};

}  // namespace quillane
