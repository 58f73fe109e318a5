// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/return_figures.h"

#include "core/exact_return.h"
#include "core/reels.h"

namespace quillane {

static_assert(KeyBets().front() == 1 && KeyBets().back() == kBetMaxStake);

std::optional<BonusEstimate> FindBonusEstimate(std::int32_t bet) {
    for (const BonusEstimate& estimate : kBonusEstimates.byBet) {
        if (estimate.bet == bet)
            return estimate;
    }
    return std::nullopt;
}

TheoreticalReturn ComputeTheoreticalReturn(int lines, int credits) {
    const ExactReturn exact = ComputeExactReturn(DecodeStrips(), lines);
    TheoreticalReturn figures;
    figures.lines = lines;
    figures.credits = credits;
    figures.base = exact.Rtp();
    if (const auto estimate = FindBonusEstimate(lines * credits)) {
        figures.bonus = exact.bonusTriggerRate * estimate->meanPerBet;
        figures.bonusError = exact.bonusTriggerRate * estimate->standardError;
        figures.bonusGames = kBonusEstimates.games;
    }
    return figures;
}

}  // namespace quillane
