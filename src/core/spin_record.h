// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/bingo.h"
#include "core/reels.h"
#include "core/session_state.h"

namespace quillane {

// One payline's win on a spin.
struct LineWinRecord {
    int line = 0;          // 1 to 9
    int count = 0;         // how many symbols from reel 1 it matched
    std::int32_t pay = 0;  // in credits, at the spin's credits per line

    bool operator==(const LineWinRecord&) const = default;
};

// A pattern the chosen card won in a bonus game.
struct PatternRecord {
    int pattern = 0;         // the index in kPatterns (test order); 12 is the blackout
    int call = 0;            // the call that completed it, 1 for the first
    std::int32_t share = 0;  // what it paid the card

    bool operator==(const PatternRecord&) const = default;
};

// A bonus game as the history keeps it.
struct BonusRecord {
    int card = -1;                        // 0 to 4, Blue to Yellow; -1 when not known
    std::vector<int> calls;               // the numbers called, in order, up to the blackout
    std::vector<PatternRecord> patterns;  // what the chosen card won, in the order won
    std::int32_t payout = 0;              // the chosen card's total

    bool operator==(const BonusRecord&) const = default;
};

// One spin of the game history, with its bonus game when it opened one.
struct SpinRecord {
    std::int64_t time = 0;  // seconds since the epoch
    std::int32_t bet = 0;
    int lines = 0;
    int creditsPerLine = 0;
    ReelWindow window{};                  // window[reel][row]
    std::vector<LineWinRecord> lineWins;  // by payline
    std::int32_t scatterWin = 0;
    int ballCount = 0;
    std::int64_t creditsAfter = 0;  // the balance once the spin (and its bonus) has paid
    std::optional<BonusRecord> bonus;

    bool operator==(const SpinRecord&) const = default;
};

// The spin `state` has just scored, at `time`: its staked bet, window and wins. Whatever of the
// win is still to be counted up counts as paid in the balance.
SpinRecord RecordSpin(const SessionState& state, std::int64_t time);

// The bonus game dealt as `dealt`, replayed to its blackout, for `card` (when it is not known,
// the first card whose total is `payout`), which was paid `payout`.
BonusRecord RecordBonus(const BingoGame& dealt, std::optional<int> card, std::int32_t payout);

}  // namespace quillane
