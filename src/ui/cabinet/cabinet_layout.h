// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "core/scale.h"
#include "ui/design_grid.h"

// Where everything on the cabinet stands, on its 800 by 600 design grid. Hit testing and
// painting both read these, so a key is answered where it is drawn.
namespace quillane::cabinet_layout {

// The places the pictures are drawn to, read here as part of the layout.
using namespace design_grid;

// The two push buttons: their pictures' top-left corners, and where they answer a click.
inline constexpr int kButtonTop = 485;
inline constexpr int kBetMaxLeft = 542;
inline constexpr int kSpinLeft = 606;
inline constexpr Box kBetMaxButton = {kBetMaxLeft, kButtonTop, 600, 528};
inline constexpr Box kSpinButton = {kSpinLeft, kButtonTop, 666, 528};

inline constexpr int kBetKeyHitWidth = 51;
inline constexpr int kBetKeyCaptionCentre = 25;  // from the key's left

constexpr const BetKey& KeyAt(int key) {
    return kBetKeys[static_cast<std::size_t>(key - 1)];
}
constexpr Box HitBox(int key) {
    const BetKey& k = KeyAt(key);
    return {k.left, k.top, k.left + kBetKeyHitWidth, k.top + kBetKeyHeight};
}

// The cabinet's keys as Tab steps through them, in reading order: the ten bet keys, Bet Max,
// Spin, and the coin slot, which borrows.
inline constexpr int kBetMaxStop = 10;
inline constexpr int kSpinStop = 11;
inline constexpr int kCoinSlotStop = 12;
inline constexpr int kKeyStops = 13;
// Where a stop answers a click; the coin slot answers none, its key borrows.
constexpr Box StopHitBox(int stop) {
    return stop < kBetMaxStop    ? HitBox(stop + 1)
           : stop == kBetMaxStop ? kBetMaxButton
           : stop == kSpinStop   ? kSpinButton
                                 : kCoinSlot;
}
// What the focus ring goes around: a bet key as it is painted, the others as they answer.
constexpr Box StopFace(int stop) {
    if (stop >= kBetMaxStop)
        return StopHitBox(stop);
    const BetKey& k = KeyAt(stop + 1);
    return {k.left, k.top, k.left + k.width, k.top + kBetKeyHeight};
}

inline constexpr int kReelStep = 61;  // how far the motion picture moves in a tick

// The message strip beneath the meter panel's captions. Its texts stand on its bottom, or a little
// lower where their letters would reach up to the digits; it reaches down to the panel's foot.
inline constexpr Box kMessageStrip = {172, 50, 624, 61};
inline constexpr int kMeterCaptionTop = 29;
inline constexpr int kCoinsCaptionLeft = 172;
inline constexpr int kWinningsCaptionLeft = 309;
inline constexpr int kCreditsCaptionLeft = 489;
inline constexpr int kCoinsRight = 250;  // the meters' digits are right-aligned here
inline constexpr int kWinningsRight = 428;
inline constexpr int kCreditsRight = 620;
inline constexpr int kLineMessageLeft = 202;  // "Line paid" and "Scatter paid"
inline constexpr int kGamePaidRight = 594;
inline constexpr int kBonusMessageRight = 452;
inline constexpr int kMessageGap = 8;  // kept clear between two messages in the strip
// The bonus game's message takes at most this per cent of the strip it shares with a line's.
inline constexpr int kBonusMessageShare = 55;
// A meter's caption takes at most this per cent of the room from its left to the meter's right.
inline constexpr int kMeterCaptionShare = 60;
inline constexpr int kInsertCoinsX = 710;         // the coin slot's two words, centred
inline constexpr int kCoinSlotCaptionWidth = 36;  // the most either word takes
inline constexpr int kInsertY = 471;
inline constexpr int kCoinsY = 486;

// The play reminder's notice lies over the meter panel, its words this tall on the design grid.
inline constexpr int kReminderTextHeight = 13;

// "ENTER = SPIN  M = MAX" beneath the bet keys' captions, as the background has it.
inline constexpr Box kKeyHint = {18, 514, 134, 532};

// Where the unlit bet keys take their face colour from on the background.
inline constexpr int kKeyFaceX = 188;
inline constexpr int kKeyFaceY = 492;
inline constexpr int kBetKeyCaptionMargin = 2;  // screen pixels kept clear around a caption
inline constexpr int kMeterDigitsDrop = 3;      // screen pixels from the panel's top to the digits

// The payline numbers on the markers: their middle below a row's top, and across the left and
// right markers in odd and even rows.
inline constexpr int kMarkerNumberMiddle = 13;
inline constexpr int kLeftNumberOdd = 29;
inline constexpr int kLeftNumberEven = 10;
inline constexpr int kRightNumberOdd = 31;
inline constexpr int kRightNumberEven = 12;

// The payline paths: how far they reach past the outer reels, their pen widths, and how far the
// V-shaped lines stop short of the window's edge and the zig-zags bend past a cell's middle.
inline constexpr int kPathOverhang = 3;
inline constexpr int kThinPath = 2;
inline constexpr int kThickPath = 3;
inline constexpr int kPathTurnInset = 5;
inline constexpr int kPathBendOffset = 6;

// The reels' rims, copied back from the background to wipe the paths off them.
inline constexpr int kRimLeftReach = 3;  // how far left of its reel the rim begins
inline constexpr int kRimLeftWidth = 4;
inline constexpr int kRimRightWidth = 3;
// A copy of a reel leaves out the bottom screen pixels, where a path may cross.
inline constexpr int kReelCopyTrim = 8;

// The logo keeps its own size, centred on the left panel, and grows with the fonts beyond; on a
// cabinet smaller than the design it shrinks with it, or its first ball would be cut off.
inline constexpr int kLogoPanelWidth = 140;
inline constexpr int kLogoTop = 10;

// Above this width the fonts grow in proportion, where the steps below stop.
inline constexpr int kLargestSteppedWidth = 1600;
constexpr int Grown(int points, int layoutWidth) {
    return layoutWidth <= kLargestSteppedWidth
               ? points
               : (points * layoutWidth + kLargestSteppedWidth / 2) / kLargestSteppedWidth;
}

// A side of the logo, `side` pixels at its own size, on a layout `layoutWidth` pixels wide.
constexpr int LogoSide(int side, int layoutWidth) {
    return layoutWidth < kDesignWidth ? (side * layoutWidth + kDesignWidth / 2) / kDesignWidth
                                      : Grown(side, layoutWidth);
}

// The point size of the meters' captions and the message strip, by layout width.
constexpr int MeterFontPoints(int layoutWidth) {
    return Grown(layoutWidth < 851     ? 8
                 : layoutWidth <= 1150 ? 10
                 : layoutWidth <= 1300 ? 12
                                       : 14,
                 layoutWidth);
}
constexpr bool MeterFontBold(int layoutWidth) {
    return layoutWidth > 1150;
}
// The largest size the bet keys' captions take; a caption too wide for its key takes less.
constexpr int BetKeyFontPoints(int layoutWidth) {
    return Grown(layoutWidth <= 1150 ? 8 : 10, layoutWidth);
}
constexpr bool BetKeyFontBold(int layoutWidth) {
    return layoutWidth > 900;
}
constexpr int MarkerNumberPoints(int layoutWidth) {
    return Grown(layoutWidth <= 900    ? 8
                 : layoutWidth <= 1190 ? 10
                 : layoutWidth <= 1400 ? 14
                                       : 18,
                 layoutWidth);
}

// The meters' digits grow and shrink with the cabinet: kept at the strips' own size on a smaller
// cabinet, they would reach down into the message strip beneath them.
constexpr int DigitCellWidth(int layoutWidth) {
    return (kDigitWidth * layoutWidth + kDesignWidth / 2) / kDesignWidth;
}
constexpr int DigitCellHeight(int cellWidth) {
    return (cellWidth * kDigitHeight + kDigitWidth / 2) / kDigitWidth;
}

}  // namespace quillane::cabinet_layout
