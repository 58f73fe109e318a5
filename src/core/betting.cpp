// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/betting.h"

namespace quillane {

SpinStake PlaceSpinBet(std::int32_t bet, std::int32_t lastBet, std::int32_t credits, int linesBet,
                       int creditsPerLine) {
    if (bet != 0)
        return {bet, credits};
    if (lastBet > 0 && credits >= lastBet)
        return {lastBet, credits - lastBet};
    const std::int32_t shown = linesBet * creditsPerLine;
    if (shown <= credits)
        return {shown, credits - shown};
    return {0, credits};
}

std::optional<Refusal> CreditsKeyRefusal(std::int32_t credits, int linesBet, int creditsPerLine) {
    const std::int32_t wanted = linesBet * creditsPerLine;
    if (wanted <= credits)
        return std::nullopt;
    return Refusal{Refusal::Kind::CreditsKey, wanted, credits, 0};
}

}  // namespace quillane
