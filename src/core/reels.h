// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "core/symbols.h"

namespace quillane {

inline constexpr int kReelCount = 5;
inline constexpr int kRowCount = 3;
inline constexpr int kStripLength = 30;

// The strips exactly as the machine stores them, positions 1 to 30 from the left.
inline constexpr std::array<std::string_view, kReelCount> kReelStrips = {
    "G0E5HAJBCDKGEF5DHLCBHKIFJDGEAL", "6CGKBHLEAC0FDK6GHFCLADEIHBIFGJ",
    "AELHFCG7BKDCFEGAHDB7IG0FHCJKLJ", "G08BFHKCIAD0EFVEGD8KHAEFVCIHJL",
    "ALEB0HC9GDJEHFAGBEG0FDLHF9IJDK"};

// Index 0 holds strip position 1.
using ReelStrip = std::array<Symbol, kStripLength>;
using ReelSymbols = std::array<ReelStrip, kReelCount>;

// A stop is the strip position (1 to 30) shown in the top row.
using ReelStops = std::array<int, kReelCount>;
inline constexpr ReelStops kStartStops = {3, 30, 7, 2, 7};

enum Row { kTop = 0, kMiddle = 1, kBottom = 2 };

// window[reel][row]
using ReelWindow = std::array<std::array<Symbol, kRowCount>, kReelCount>;

Symbol SymbolFromLetter(char letter);
ReelSymbols DecodeStrips();

// The symbol a reel stopped at `stop` shows in `row`, counting around the strip.
inline Symbol SymbolInRow(const ReelStrip& strip, int stop, int row) {
    int index = stop - 1 + row;
    if (index >= kStripLength)
        index -= kStripLength;
    return strip[static_cast<std::size_t>(index)];
}

// The balls a reel stopped at `stop` shows.
inline int BallsShown(const ReelStrip& strip, int stop) {
    int balls = 0;
    for (int row = 0; row < kRowCount; ++row)
        balls += IsBall(SymbolInRow(strip, stop, row));
    return balls;
}

ReelWindow FormWindow(const ReelSymbols& reels, const ReelStops& stops);

}  // namespace quillane
