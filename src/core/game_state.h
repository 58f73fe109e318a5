#pragma once

#include <cstdint>

#include "core/account.h"
#include "core/reels.h"
#include "core/spin_result.h"

namespace quillane {

// Everything the main window plays with. Only the account is saved with a game; the rest starts
// from these values at every program start.
struct GameState {
    Account account;

    // The bet settings: keys 5 and 6 lit, 9 lines at 1 credit.
    int linesBet = 9;
    int creditsPerLine = 1;
    int linesKey = 5;
    int creditsKey = 6;
    std::int32_t bet = 0;      // staked on the spin under way, 0 between spins
    std::int32_t lastBet = 0;  // staked again by the next spin; any bet key clears it

    ReelSymbols reelSymbols = DecodeStrips();
    ReelStops reelStops = kStartStops;

    // The last spin; its win cursor moves on as the win display cycles.
    SpinResult spin;
    std::int32_t bonusWin = 0;
    std::int32_t gamePaid = 0;  // line and scatter wins, plus the bonus once it has paid

    int cursorTicks = 0;
    bool blinkOn = false;
    int wildFrame = 4;
    int wildFrameStep = 1;

    bool busy = false;     // clicks and keys on the cabinet are ignored while set
    bool closing = false;  // ends a reel animation at once
    bool soundOn = true;
    bool musicOn = true;
};

}  // namespace quillane
