// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/random.h"

namespace quillane {

inline constexpr int kCardCount = 5;   // Blue, Red, White, Green, Yellow
inline constexpr int kCardCells = 25;  // column-major: cell = column * 5 + row
inline constexpr int kFreeCell = 12;   // column N, row 2: marked from the start
inline constexpr int kBingoNumbers = 75;
inline constexpr int kColumnNumbers = 15;  // B holds 1-15, I 16-30, N 31-45, G 46-60, O 61-75
inline constexpr int kVariationCount = 12;
inline constexpr int kPatternCount = 13;  // the twelve variations, then the blackout
inline constexpr int kFirstShrinkingCall = 25;
inline constexpr int kCardShufflePasses = 101;
inline constexpr int kCallShufflePasses = 1001;

enum class CardColour { Blue, Red, White, Green, Yellow };

// The patterns in the order they are tested after every call; the blackout is always last.
enum class Pattern {
    LargePlus,
    LargeX,
    FourCorners,
    InsideCorners,
    SolidDiamond,
    SmallDiamond,
    LargeDiamond,
    PictureFrame,
    SmallFrame,
    AnyBingo,
    DoubleHardWay,
    PostageStamp,
    Blackout,
};

struct PatternInfo {
    Pattern pattern;
    std::string_view chartName;  // as the payoff chart captions it, which finds it by this
    int picture;                 // the number of its diagram, Bingo0 to Bingo12
};

// In test order.
extern const std::array<PatternInfo, kPatternCount> kPatterns;

// "B" for 1-15, "I" for 16-30, "N" for 31-45, "G" for 46-60, "O" for 61-75.
char LetterOf(int number);

struct BingoCard {
    std::array<std::uint16_t, kCardCells> numbers{};
    std::array<std::uint8_t, kCardCells> marked{};

    bool Has(Pattern pattern) const;
    // Bit c set when cell c is marked.
    std::uint32_t Marks() const;
    // The cell holding `number`, or -1.
    int CellOf(int number) const;
};

// Whether a card whose marked cells are the set bits of `marks` (bit c for cell c) has the
// pattern. The free space counts as marked whether its bit is set or not.
bool HasPattern(std::uint32_t marks, Pattern pattern);

// For each cell, the call that marks it (1 to 75).
using CellCalls = std::array<std::uint8_t, kCardCells>;
// The first call after which a card marked at those calls has the pattern; the free space counts
// as marked from the start.
int CompletingCall(const CellCalls& calls, Pattern pattern);

// The jackpot for call `call` (1 for the first): it shrinks by 17.5% a call from the 25th,
// multiplied at extended precision, and never falls below the pattern pay.
double NextJackpot(double jackpot, int call, std::int32_t patternPay);
// The jackpot paid in whole credits: rounded to the nearest, ties to the even one.
std::int32_t JackpotCredits(double jackpot);

// One game of blackout bingo on five cards against one sequence of the 75 numbers.
class BingoGame {
  public:
    // Deals the five cards, column by column, then draws the call sequence, all from `random`
    // (which the caller has seeded). `lastSlotBet` is lines bet times credits per line.
    BingoGame(RandomGenerator& random, std::int32_t lastSlotBet);
    // A game on cards and a call sequence made by hand, for tests. Only the cards' numbers are
    // taken; their marks start as dealt ones do. Throws std::invalid_argument unless each card
    // holds 25 distinct numbers from 1 to 75 and the sequence is a permutation of 1 to 75.
    BingoGame(const std::array<BingoCard, kCardCount>& cards,
              const std::array<std::uint16_t, kBingoNumbers>& sequence, std::int32_t lastSlotBet);

    struct PatternWin {
        Pattern pattern;
        std::vector<int> cards;  // the cards that completed it on this call, in card order
        std::int32_t share;      // paid to each of them
    };

    struct CallResult {
        int call = 0;                  // 1 for the first call
        int number = 0;                // the number called
        std::vector<int> dobbed;       // the cards holding the number, in card order
        std::vector<PatternWin> wins;  // in test order; a blackout comes last
    };

    // Makes the next call: the jackpot for this call, the number, the dobs, then the
    // variations not yet won and the blackout. Only valid while !Over().
    CallResult Call();
    // Ends the game as the remaining calls would, without making them one by one.
    void PlayOut();

    bool Over() const;
    int callsMade() const;
    int CallNumber(int call) const;  // the number announced by call `call` (1 to 75)
    bool Called(int number) const;
    const BingoCard& card(int index) const;
    std::int32_t total(int card) const;
    bool Won(Pattern pattern) const;
    std::int32_t patternPay() const;
    double jackpot() const;

  private:
    void Start(std::int32_t lastSlotBet);
    void MakeCall(CallResult& report);
    // Only the cards whose bits are set in `candidates` can have the pattern.
    void TestPattern(Pattern pattern, unsigned candidates, CallResult& report);
    // Each card's completing call for a pattern.
    using Completing = std::array<int, kCardCount>;
    // Shares `pay` among the cards completing the pattern on `call`.
    void Award(Pattern pattern, const Completing& completing, int call, std::int32_t pay);

    std::array<BingoCard, kCardCount> cards_{};
    std::array<std::uint16_t, kBingoNumbers> sequence_{};
    std::array<bool, kBingoNumbers> called_{};
    std::array<std::int32_t, kCardCount> totals_{};
    std::array<bool, kPatternCount> won_{};
    int callsMade_ = 0;
    std::int32_t patternPay_ = 0;
    double jackpot_ = 0;
    // The cards' marks as bits, and for each card the cell of each number (-1 when absent), so a
    // call and its pattern tests need no search.
    std::array<std::uint32_t, kCardCount> marks_{};
    std::array<std::array<std::int8_t, kBingoNumbers + 1>, kCardCount> cellOf_{};
};

}  // namespace quillane
