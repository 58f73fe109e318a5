// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "core/return_figures.h"

namespace quillane {

// How the statistics window and the payoff chart write the game's own figures.

// "9 lines × 1 credit".
QString BetText(int lines, int credits);
// A share of the bet as a percentage, "142.63%".
QString ReturnPercentage(double share);
// The bonus game's estimated share, "≈ 65.90% ± 0.01%"; the uncertainty is rounded up, so it
// never reads as none. "not estimated" without an estimate.
QString EstimatedBonus(const TheoreticalReturn& figures);
// The whole return, "≈ 208.53%": approximate whenever the bonus is estimated.
QString TheoreticalTotal(const TheoreticalReturn& figures);
// "1,000,000 simulated games".
QString SimulatedGames(const TheoreticalReturn& figures);
// The figures in one line, as the payoff chart writes them.
QString ReturnLine(const TheoreticalReturn& figures);

}  // namespace quillane
