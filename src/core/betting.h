// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

#include "core/refusal.h"

namespace quillane {

inline constexpr int kLinesKeyCount = 5;
inline constexpr int kFirstCreditsKey = 6;
inline constexpr int kLastCreditsKey = 10;
inline constexpr std::int32_t kBetMaxStake = 90;

constexpr bool IsLinesKey(int key) {
    return key >= 1 && key <= kLinesKeyCount;
}
constexpr bool IsCreditsKey(int key) {
    return key >= kFirstCreditsKey && key <= kLastCreditsKey;
}

// Keys 1 to 5 play 1, 3, 5, 7 or 9 lines.
constexpr int LinesForKey(int key) {
    return 2 * key - 1;
}
// Keys 6 to 10 stake 1, 2, 3, 5 or 10 credits per line.
constexpr int CreditsForKey(int key) {
    constexpr int kCredits[] = {1, 2, 3, 5, 10};
    return kCredits[key - kFirstCreditsKey];
}

// The keys that show `lines` lines and `credits` credits per line, 0 where no key shows them.
constexpr int LinesKeyFor(long long lines) {
    for (int key = 1; key <= kLinesKeyCount; ++key)
        if (LinesForKey(key) == lines)
            return key;
    return 0;
}
constexpr int CreditsKeyFor(long long credits) {
    for (int key = kFirstCreditsKey; key <= kLastCreditsKey; ++key)
        if (CreditsForKey(key) == credits)
            return key;
    return 0;
}

struct SpinStake {
    std::int32_t bet = 0;
    std::int32_t credits = 0;
};

// The bet a spin takes when no key has placed one: the last bet again if the credits cover it,
// else the bet the keys show. A bet already placed is kept and takes nothing more.
SpinStake PlaceSpinBet(std::int32_t bet, std::int32_t lastBet, std::int32_t credits, int linesBet,
                       int creditsPerLine);

// The refusal of a credits key whose bet the credits do not cover, if it is refused.
std::optional<Refusal> CreditsKeyRefusal(std::int32_t credits, int linesBet, int creditsPerLine);

}  // namespace quillane
