// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "core/reels.h"

namespace quillane {

// The base game's figures over the whole cycle of 30^5 equally likely stop combinations.
struct ExactReturn {
    std::uint64_t combinations = 0;
    double lineReturn = 0;        // line pay per credit staked on a line
    double scatterReturn = 0;     // scatter pay per credit of total bet
    double lineHitRate = 0;       // some played line pays
    double hitRate = 0;           // a played line or the scatter pays
    double bonusTriggerRate = 0;  // three balls or more

    // Return per credit bet, without the bonus game.
    double Rtp() const { return lineReturn + scatterReturn; }
};

ExactReturn ComputeExactReturn(const ReelSymbols& reels, int linesBet);

// How many of the 30^5 stop combinations leave one payline in each state of the line evaluator
// after the fifth reel: the same for every payline, as each sees every position of a strip at
// exactly one stop.
std::vector<std::uint64_t> FinalLineStates(const ReelSymbols& reels);

// Element b: the stop combinations showing b balls, for b from 0 to one per cell.
std::vector<std::uint64_t> BallCombinations(const ReelSymbols& reels);

}  // namespace quillane
