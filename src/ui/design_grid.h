// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include "core/scale.h"

// Marks the bet keys' captions for the translators without needing Qt here; where Qt is
// included first, its own marker is used.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// The places on the 800 by 600 design grid, and in the marker and digit sheets, that the
// committed pictures are drawn to: the art program draws them and the game draws over them or
// copies from them. Plain numbers, so that the art program includes them without the widgets.
namespace quillane::design_grid {

// A rectangle on the design grid; a click on any edge counts as inside.
struct Box {
    int left, top, right, bottom;

    bool Contains(int x, int y, int layoutWidth) const {
        return ScaleToScreen(left, layoutWidth) <= x && x <= ScaleToScreen(right, layoutWidth) &&
               ScaleToScreen(top, layoutWidth) <= y && y <= ScaleToScreen(bottom, layoutWidth);
    }
};

// The reels: the top-left cell and the distance from one reel to the next.
inline constexpr int kReelLeft = 207;
inline constexpr int kReelTop = 210;
inline constexpr int kReelPitch = 92;
inline constexpr int kCellSize = 76;
inline constexpr int kReelRows = 3;

inline constexpr Box kMeterPanel = {169, 27, 627, 64};
inline constexpr Box kBadgeArea = {560, 99, 644, 184};
// The coin slot's metal plate, whose captions the game writes on it.
inline constexpr Box kCoinSlot = {688, 455, 732, 517};

// The bet keys 1 to 10: five lines keys over five credits keys.
struct BetKey {
    const char* caption;
    int left;
    int top;
    int width;          // as painted; a credits key answers only its first kBetKeyHitWidth
    int captionMiddle;  // the caption's vertical middle, below the key's top
};
inline constexpr int kBetKeyHeight = 10;
// The captions are painted by the game, translated as it paints them (context "CabinetPainter");
// the art program paints the keys without them.
inline constexpr std::array<BetKey, 10> kBetKeys = {{
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "1 Payline"), 167, 487, 51, 4},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "3 Paylines"), 227, 487, 51, 4},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "5 Paylines"), 287, 487, 51, 4},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "7 Paylines"), 347, 487, 51, 4},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "9 Paylines"), 407, 487, 51, 4},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "1 Credit"), 193, 503, 53, 5},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "2 Credits"), 254, 503, 53, 5},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "3 Credits"), 315, 503, 53, 5},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "5 Credits"), 376, 503, 53, 5},
    //: A bet key's caption, painted on a small key: keep it short
    {QT_TRANSLATE_NOOP("CabinetPainter", "10 Credits"), 437, 503, 53, 5},
}};

// The payline markers on both sides of the reels, one row of kMarkerRowHeight each, and the
// marker sheet that holds the left marker of every row, a gap, then the right one.
inline constexpr std::array<int, 9> kMarkerRow = {4, 1, 7, 0, 8, 2, 6, 3, 5};  // by payline
inline constexpr int kMarkerTop = 212;
inline constexpr int kMarkerRowHeight = 25;
inline constexpr std::array<int, 2> kMarkerColumnLefts = {162, 654};
inline constexpr int kMarkerColumnWidth = 42;
inline constexpr int kMarkerSheetWidth = 90;
inline constexpr int kLeftMarkerRight = 42;  // past the left marker's last column
inline constexpr int kRightMarkerLeft = 49;
// Each payline's colour: its markers', its path's and its "Line paid" message's.
inline constexpr std::array<unsigned, 9> kLineColours = {
    0xE42424, 0x2864FA, 0x18A028, 0xE26400, 0xD624C4, 0x0098A4, 0xEC488C, 0x8840EC, 0xB88600};

// The digit strips: ten digit cells, then a point and a colon each kDigitPointWidth wide.
inline constexpr int kDigitWidth = 16;
inline constexpr int kDigitHeight = 21;
inline constexpr int kDigitPointWidth = 14;
inline constexpr int kDigitStripWidth = 10 * kDigitWidth + 2 * kDigitPointWidth;

}  // namespace quillane::design_grid
