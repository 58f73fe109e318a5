// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quillane::durations {

// The cabinet.
inline constexpr int kStartupMs = 250;         // from the window's creation to the first spin
inline constexpr int kWinDisplayTickMs = 300;  // the wilds' frames and the win display
inline constexpr int kMusicPollMs = 100;       // a track waiting to start is started
inline constexpr int kBonusLaunchMs = 100;     // from a three-ball spin to the bonus window
inline constexpr std::uint32_t kReelTickMs = 25;
inline constexpr std::uint32_t kCountUpStepMs = 75;
inline constexpr std::uint32_t kQuickReelTickMs = kReelTickMs / 3;  // the reels stop in a third
inline constexpr int kAutoplayGapMs = 600;  // between one autoplay spin's end and the next
// The play reminder: how long its notice stays over the meters, and how soon a reminder that
// came due during a spin or over another window looks again whether it can be given.
inline constexpr int kReminderNoticeMs = 12000;
inline constexpr int kReminderRetryMs = 1000;
// How often the reels look again whether the spin they are about to show has been stored.
inline constexpr std::uint32_t kStoreCheckMs = 5;

// The bonus game.
inline constexpr int kFirstCallMs = 10;  // after the card is chosen
inline constexpr int kNormalCallMs = 1000;
inline constexpr int kQuickCallMs = 100;
inline constexpr int kPauseAfterWinMs = 5000;  // after a call that won a pattern
inline constexpr int kClosingMs = 6000;        // after the blackout
inline constexpr int kPromptFlashMs = 200;     // "Select Your Card"
inline constexpr int kPatternBlinkMs = 200;

}  // namespace quillane::durations
