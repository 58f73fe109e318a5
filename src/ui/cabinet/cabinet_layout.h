#pragma once

#include <array>

#include "core/scale.h"

// Where everything on the cabinet stands, on its 800 by 600 design grid. Hit testing and
// painting both read these, so a key is answered where it is drawn.
namespace quillane::cabinet_layout {

// A rectangle on the design grid; a click on any edge counts as inside.
struct Box {
    int left, top, right, bottom;

    bool Contains(int x, int y, int layoutWidth) const {
        return ScaleToScreen(left, layoutWidth) <= x && x <= ScaleToScreen(right, layoutWidth) &&
               ScaleToScreen(top, layoutWidth) <= y && y <= ScaleToScreen(bottom, layoutWidth);
    }
};

// The two push buttons: their pictures' top-left corners, and where they answer a click.
inline constexpr int kButtonTop = 485;
inline constexpr int kBetMaxLeft = 542;
inline constexpr int kSpinLeft = 606;
inline constexpr Box kBetMaxButton = {kBetMaxLeft, kButtonTop, 600, 528};
inline constexpr Box kSpinButton = {kSpinLeft, kButtonTop, 666, 528};

// The bet keys 1 to 10: five lines keys over five credits keys.
struct BetKey {
    const char* caption;
    int left;
    int top;
    int width;          // as painted; a credits key answers only its first kBetKeyHitWidth
    int captionMiddle;  // the caption's vertical middle, below the key's top
};
inline constexpr int kBetKeyHeight = 10;
inline constexpr int kBetKeyHitWidth = 51;
inline constexpr int kBetKeyCaptionCentre = 25;  // from the key's left
inline constexpr std::array<BetKey, 10> kBetKeys = {{{"1 Payline", 167, 487, 51, 4},
                                                     {"3 Paylines", 227, 487, 51, 4},
                                                     {"5 Paylines", 287, 487, 51, 4},
                                                     {"7 Paylines", 347, 487, 51, 4},
                                                     {"9 Paylines", 407, 487, 51, 4},
                                                     {"1 Credit", 193, 503, 53, 5},
                                                     {"2 Credits", 254, 503, 53, 5},
                                                     {"3 Credits", 315, 503, 53, 5},
                                                     {"5 Credits", 376, 503, 53, 5},
                                                     {"10 Credits", 437, 503, 53, 5}}};

constexpr const BetKey& KeyAt(int key) {
    return kBetKeys[static_cast<std::size_t>(key - 1)];
}
constexpr Box HitBox(int key) {
    const BetKey& k = KeyAt(key);
    return {k.left, k.top, k.left + kBetKeyHitWidth, k.top + kBetKeyHeight};
}

// The reels: the top-left cell and the distance from one reel to the next.
inline constexpr int kReelLeft = 207;
inline constexpr int kReelTop = 210;
inline constexpr int kReelPitch = 92;
inline constexpr int kCellSize = 76;
inline constexpr int kReelStep = 61;  // how far the motion picture moves in a tick

// The meter panel and the message strip beneath its captions.
inline constexpr Box kMeterPanel = {169, 27, 627, 64};
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
inline constexpr int kInsertCoinsX = 710;  // the coin slot's two words, centred
inline constexpr int kInsertY = 471;
inline constexpr int kCoinsY = 486;

// The payline markers on both sides of the reels, one row of kMarkerRowHeight each.
inline constexpr std::array<int, 9> kMarkerRow = {4, 1, 7, 0, 8, 2, 6, 3, 5};  // by payline
inline constexpr int kMarkerTop = 212;
// Each payline's colour: its markers', its path's and its "Line paid" message's.
inline constexpr std::array<unsigned, 9> kLineColours = {
    0xE42424, 0x2864FA, 0x18A028, 0xE26400, 0xD624C4, 0x0098A4, 0xEC488C, 0x8840EC, 0xB88600};
inline constexpr int kMarkerRowHeight = 25;

inline constexpr Box kBadgeArea = {560, 99, 644, 184};
// The logo keeps its own size, centred on the left panel, and grows with the fonts beyond.
inline constexpr int kLogoPanelWidth = 140;
inline constexpr int kLogoTop = 10;

// Above this width the fonts grow in proportion, where the steps below stop.
inline constexpr int kLargestSteppedWidth = 1600;
constexpr int Grown(int points, int layoutWidth) {
    return layoutWidth <= kLargestSteppedWidth
               ? points
               : (points * layoutWidth + kLargestSteppedWidth / 2) / kLargestSteppedWidth;
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

// The meters' digits grow with the cabinet, never below the strips' own size.
constexpr int DigitCellWidth(int layoutWidth) {
    return layoutWidth <= kDesignWidth ? 16 : (16 * layoutWidth + kDesignWidth / 2) / kDesignWidth;
}

}  // namespace quillane::cabinet_layout
