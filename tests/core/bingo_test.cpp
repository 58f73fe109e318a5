// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/bingo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/bingo_deal.h"

namespace quillane {
namespace {

struct Dealt {
    std::array<std::array<std::uint16_t, kCardCells>, kCardCount> cards{};
    std::array<std::uint16_t, kBingoNumbers> sequence{};
};

// The deal written the plain way, one draw after another.
Dealt DealOneDrawAtATime(RandomGenerator& random) {
    Dealt dealt;
    for (auto& card : dealt.cards) {
        for (int column = 0; column < 5; ++column) {
            int list[15];
            std::iota(std::begin(list), std::end(list), 1);
            for (int pass = 0; pass < 101; ++pass) {
                for (int j = 0; j < 15; ++j)
                    std::swap(list[j], list[random.Draw(15)]);
            }
            for (int row = 0; row < 5; ++row)
                card[static_cast<std::size_t>(column * 5 + row)] =
                    static_cast<std::uint16_t>(list[row] + 15 * column);
        }
    }
    int list[75];
    std::iota(std::begin(list), std::end(list), 1);
    for (int pass = 0; pass < 1001; ++pass) {
        for (int j = 0; j < 75; ++j)
            std::swap(list[j], list[random.Draw(75)]);
    }
    std::copy(std::begin(list), std::end(list), dealt.sequence.begin());
    return dealt;
}

TEST(BingoDeal, CardsAndCallsAreExactlyThoseOfTheDrawsInOrder) {
    std::vector<std::uint32_t> seeds = {0u, 1u, 86399999u, 0x7fffffffu, 0xffffffffu};
    for (std::uint32_t i = 0; i < 1000; ++i)
        seeds.push_back(i * 2654435761u + 12345u);
    for (std::uint32_t seed : seeds) {
        RandomGenerator random(seed);
        const BingoGame game(random, 1);
        RandomGenerator plain(seed);
        const Dealt expected = DealOneDrawAtATime(plain);
        for (int c = 0; c < kCardCount; ++c)
            ASSERT_EQ(game.card(c).numbers, expected.cards[static_cast<std::size_t>(c)])
                << "seed " << seed << ", card " << c;
        for (int call = 1; call <= kBingoNumbers; ++call)
            ASSERT_EQ(game.CallNumber(call), expected.sequence[static_cast<std::size_t>(call - 1)])
                << "seed " << seed << ", call " << call;
        ASSERT_EQ(random.seed(), plain.seed()) << "seed " << seed;
    }
}

TEST(BingoDeal, TheGeneratorEndsAfterTheDealsDrawsAndTheSameSeedDealsTheSameGame) {
    constexpr int kDraws = 5 * 5 * 101 * 15 + 1001 * 75;
    static_assert(kBingoDealDraws == kDraws);
    RandomGenerator a(4242);
    RandomGenerator b(4242);
    const BingoGame first(a, 9);
    const BingoGame second(b, 9);
    RandomGenerator counted(4242);
    for (int i = 0; i < kDraws; ++i)
        counted.Draw(1);
    EXPECT_EQ(a.seed(), counted.seed());
    EXPECT_EQ(b.seed(), counted.seed());
    for (int c = 0; c < kCardCount; ++c)
        EXPECT_EQ(first.card(c).numbers, second.card(c).numbers);
    for (int call = 1; call <= kBingoNumbers; ++call)
        EXPECT_EQ(first.CallNumber(call), second.CallNumber(call));

    RandomGenerator other(4243);
    const BingoGame third(other, 9);
    EXPECT_NE(first.card(0).numbers, third.card(0).numbers);
}

TEST(BingoDeal, ColumnsHoldFiveDistinctNumbersOfTheirRangeAndTheGameStartsClear) {
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        RandomGenerator random(seed * 7919u);
        const BingoGame game(random, 7);
        for (int c = 0; c < kCardCount; ++c) {
            const BingoCard& card = game.card(c);
            for (int column = 0; column < 5; ++column) {
                std::set<int> seen;
                for (int row = 0; row < 5; ++row) {
                    const int n = card.numbers[static_cast<std::size_t>(column * 5 + row)];
                    EXPECT_GE(n, 15 * column + 1);
                    EXPECT_LE(n, 15 * column + 15);
                    seen.insert(n);
                }
                EXPECT_EQ(seen.size(), 5u) << "seed " << seed << ", card " << c;
            }
            for (int cell = 0; cell < kCardCells; ++cell)
                EXPECT_EQ(card.marked[static_cast<std::size_t>(cell)], cell == kFreeCell ? 1 : 0);
            EXPECT_EQ(game.total(c), 0);
        }
        EXPECT_EQ(game.callsMade(), 0);
        EXPECT_FALSE(game.Over());
        for (int n = 1; n <= kBingoNumbers; ++n)
            EXPECT_FALSE(game.Called(n));
        for (const PatternInfo& info : kPatterns)
            EXPECT_FALSE(game.Won(info.pattern));
        EXPECT_EQ(game.patternPay(), 28);
        EXPECT_EQ(game.jackpot(), 350'000.0);
    }
}

TEST(BingoDeal, TheCallSequenceIsAPermutationOfOneTo75) {
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        RandomGenerator random(seed * 104729u + 1u);
        const BingoGame game(random, 1);
        std::vector<int> calls;
        for (int call = 1; call <= kBingoNumbers; ++call)
            calls.push_back(game.CallNumber(call));
        std::sort(calls.begin(), calls.end());
        std::vector<int> all(kBingoNumbers);
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(calls, all) << "seed " << seed;
    }
}

TEST(BingoDeal, LettersFollowTheColumns) {
    const std::pair<int, char> cases[] = {{1, 'B'},  {15, 'B'}, {16, 'I'}, {30, 'I'}, {31, 'N'},
                                          {45, 'N'}, {46, 'G'}, {60, 'G'}, {61, 'O'}, {75, 'O'}};
    for (const auto& [number, letter] : cases)
        EXPECT_EQ(LetterOf(number), letter) << number;
    EXPECT_THROW(LetterOf(0), std::out_of_range);
    EXPECT_THROW(LetterOf(76), std::out_of_range);
}

// "B1 O5 N3": cells by column letter and row 1 (top) to 5.
std::uint32_t Cells(const std::string& names) {
    std::uint32_t marks = 0;
    for (std::size_t i = 0; i + 1 < names.size(); i += 3) {
        const int column = static_cast<int>(std::strchr("BINGO", names[i]) - "BINGO");
        marks |= 1u << (column * 5 + (names[i + 1] - '1'));
    }
    return marks;
}

constexpr std::uint32_t kFree = 1u << kFreeCell;
constexpr std::uint32_t kAll = (1u << 25) - 1;

// A shape holds with exactly its cells marked, and with any one of them missing it does not.
void ExpectExactly(Pattern pattern, const std::string& names) {
    const std::uint32_t shape = Cells(names);
    EXPECT_TRUE(HasPattern(shape, pattern)) << names;
    EXPECT_TRUE(HasPattern(shape | kFree, pattern)) << names;
    for (int cell = 0; cell < kCardCells; ++cell) {
        const std::uint32_t bit = 1u << cell;
        if ((shape & bit) != 0 && cell != kFreeCell) {
            EXPECT_FALSE(HasPattern(shape & ~bit, pattern)) << names << " less cell " << cell;
        }
    }
}

TEST(BingoPatterns, FixedShapesNeedAllTheirCellsAndTheFreeSpaceIsAlwaysMarked) {
    ExpectExactly(Pattern::LargePlus, "B3 I3 G3 O3 N1 N2 N4 N5");
    ExpectExactly(Pattern::LargeX, "B1 I2 G4 O5 O1 G2 I4 B5");
    ExpectExactly(Pattern::FourCorners, "B1 O1 B5 O5");
    ExpectExactly(Pattern::InsideCorners, "I2 G2 I4 G4");
    ExpectExactly(Pattern::SolidDiamond, "N1 I2 N2 G2 B3 I3 G3 O3 I4 N4 G4 N5");
    ExpectExactly(Pattern::SmallDiamond, "N2 I3 G3 N4");
    ExpectExactly(Pattern::LargeDiamond, "N1 I2 G2 B3 O3 I4 G4 N5");
    ExpectExactly(Pattern::PictureFrame, "B1 I1 N1 G1 O1 B5 I5 N5 G5 O5 B2 B3 B4 O2 O3 O4");
    ExpectExactly(Pattern::SmallFrame, "I2 N2 G2 I3 G3 I4 N4 G4");
    ExpectExactly(Pattern::Blackout,
                  "B1 B2 B3 B4 B5 I1 I2 I3 I4 I5 N1 N2 N4 N5 G1 G2 G3 G4 G5 "
                  "O1 O2 O3 O4 O5");
    EXPECT_FALSE(HasPattern(0, Pattern::FourCorners));
    EXPECT_FALSE(HasPattern(kAll & ~Cells("B1"), Pattern::Blackout));
}

TEST(BingoPatterns, ShapesElsewhereOnTheCardDoNotCount) {
    EXPECT_FALSE(HasPattern(Cells("I2 G2 I4 G4"), Pattern::FourCorners));
    EXPECT_FALSE(HasPattern(Cells("B1 O1 B5 O5"), Pattern::InsideCorners));
    EXPECT_FALSE(HasPattern(Cells("B2 I2 G2 O2 N1 N3 N4 N5"), Pattern::LargePlus));
    EXPECT_FALSE(HasPattern(Cells("I2 N2 I3 N3"), Pattern::PostageStamp));
    EXPECT_FALSE(HasPattern(Cells("I1 N1 I2 N2"), Pattern::PostageStamp));
    EXPECT_FALSE(HasPattern(Cells("I1 I2 I3 I4 G1 G2 G3 G4"), Pattern::DoubleHardWay));
}

const char* const kLines[] = {
    "B1 B2 B3 B4 B5", "I1 I2 I3 I4 I5", "N1 N2 N3 N4 N5", "G1 G2 G3 G4 G5",
    "O1 O2 O3 O4 O5", "B1 I1 N1 G1 O1", "B2 I2 N2 G2 O2", "B3 I3 N3 G3 O3",
    "B4 I4 N4 G4 O4", "B5 I5 N5 G5 O5", "B1 I2 N3 G4 O5", "O1 G2 N3 I4 B5",
};

TEST(BingoPatterns, AnyBingoIsAnyOfTheTwelveLinesWithTheFreeSpaceFilledIn) {
    for (const char* line : kLines)
        ExpectExactly(Pattern::AnyBingo, line);
    // The diagonals, the N column and row 3 need only their four dealt cells.
    EXPECT_TRUE(HasPattern(Cells("B1 I2 G4 O5"), Pattern::AnyBingo));
    EXPECT_TRUE(HasPattern(Cells("O1 G2 I4 B5"), Pattern::AnyBingo));
    EXPECT_TRUE(HasPattern(Cells("N1 N2 N4 N5"), Pattern::AnyBingo));
    EXPECT_TRUE(HasPattern(Cells("B3 I3 G3 O3"), Pattern::AnyBingo));
    EXPECT_FALSE(HasPattern(Cells("B1 I2 G4 O1 G2 I4"), Pattern::AnyBingo));
}

TEST(BingoPatterns, DoubleHardWayNeedsTwoLinesThatAvoidTheFreeSpace) {
    const std::vector<std::string> hard = {"B1 B2 B3 B4 B5", "I1 I2 I3 I4 I5", "G1 G2 G3 G4 G5",
                                           "O1 O2 O3 O4 O5", "B1 I1 N1 G1 O1", "B2 I2 N2 G2 O2",
                                           "B4 I4 N4 G4 O4", "B5 I5 N5 G5 O5"};
    const std::vector<std::string> throughCentre = {"N1 N2 N3 N4 N5", "B3 I3 N3 G3 O3",
                                                    "B1 I2 N3 G4 O5", "O1 G2 N3 I4 B5"};
    for (std::size_t a = 0; a < hard.size(); ++a) {
        EXPECT_FALSE(HasPattern(Cells(hard[a]) | kFree, Pattern::DoubleHardWay)) << hard[a];
        for (std::size_t b = a + 1; b < hard.size(); ++b) {
            const std::uint32_t two = Cells(hard[a]) | Cells(hard[b]);
            EXPECT_TRUE(HasPattern(two, Pattern::DoubleHardWay)) << hard[a] << " + " << hard[b];
            const std::uint32_t onlyB = Cells(hard[b]) & ~Cells(hard[a]);
            const std::uint32_t broken = two & ~(onlyB & (~onlyB + 1));
            EXPECT_FALSE(HasPattern(broken, Pattern::DoubleHardWay))
                << hard[a] << " + broken " << hard[b];
        }
        for (const std::string& centre : throughCentre) {
            EXPECT_FALSE(HasPattern(Cells(hard[a]) | Cells(centre), Pattern::DoubleHardWay))
                << hard[a] << " + " << centre;
        }
    }
    EXPECT_FALSE(HasPattern(Cells("N1 N2 N3 N4 N5 B3 I3 G3 O3"), Pattern::DoubleHardWay));
    // Column B and row 1 cross at B1.
    ExpectExactly(Pattern::DoubleHardWay, "B1 B2 B3 B4 B5 I1 N1 G1 O1");
}

TEST(BingoPatterns, PostageStampIsAnyCornerBlockOfFour) {
    for (const char* block : {"B1 I1 B2 I2", "B4 I4 B5 I5", "G1 O1 G2 O2", "G4 O4 G5 O5"})
        ExpectExactly(Pattern::PostageStamp, block);
}

TEST(BingoPatterns, ACardTestsItsMarkedCells) {
    BingoCard card;
    for (int cell : {0, 4, 20, 24})
        card.marked[static_cast<std::size_t>(cell)] = 1;
    EXPECT_EQ(card.Marks(), Cells("B1 B5 O1 O5"));
    EXPECT_TRUE(card.Has(Pattern::FourCorners));
    EXPECT_FALSE(card.Has(Pattern::InsideCorners));
    card.marked[24] = 0;
    EXPECT_FALSE(card.Has(Pattern::FourCorners));
}

TEST(BingoPatterns, TheTableListsThePatternsInTestOrderWithTheirCaptionsAndPictures) {
    std::set<int> pictures;
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kPatterns[i].pattern), i);
        EXPECT_FALSE(kPatterns[i].chartName.empty());
        pictures.insert(kPatterns[i].picture);
    }
    EXPECT_EQ(pictures.size(), 13u);
    EXPECT_EQ(*pictures.begin(), 0);
    EXPECT_EQ(*pictures.rbegin(), 12);
    const PatternInfo& small = kPatterns[static_cast<std::size_t>(Pattern::SmallDiamond)];
    EXPECT_EQ(small.chartName, "Inside Diamond");
    EXPECT_EQ(small.picture, 8);
    const PatternInfo& blackout = kPatterns.back();
    EXPECT_EQ(blackout.pattern, Pattern::Blackout);
    EXPECT_EQ(blackout.chartName, "Blackout Bingo");
    EXPECT_EQ(blackout.picture, 0);
}

// What a blackout on `call` pays before sharing.
std::int32_t BlackoutPay(int lastSlotBet, int call) {
    double jackpot = 50'000.0 * lastSlotBet;
    for (int n = 1; n <= call; ++n)
        jackpot = NextJackpot(jackpot, n, 4 * lastSlotBet);
    return JackpotCredits(jackpot);
}

TEST(BingoJackpot, ShrinksFromCall25AndNeverFallsBelowThePatternPay) {
    const std::pair<int, std::int32_t> oneCredit[] = {
        {1, 50'000},  {24, 50'000}, {25, 41'250}, {26, 34'031}, {27, 28'076},
        {30, 15'765}, {40, 2'303},  {50, 336},    {60, 49},     {70, 7},
        {71, 6},      {72, 5},      {73, 4},      {74, 4},      {75, 4}};
    for (const auto& [call, pay] : oneCredit)
        EXPECT_EQ(BlackoutPay(1, call), pay) << "call " << call;
    EXPECT_EQ(BlackoutPay(9, 25), 371'250);
    EXPECT_EQ(BlackoutPay(9, 72), 44);
    EXPECT_EQ(BlackoutPay(9, 73), 36);
    double thirtieth = 50'000.0;
    for (int n = 1; n <= 30; ++n)
        thirtieth = NextJackpot(thirtieth, n, 4);
    EXPECT_EQ(thirtieth, 15'764.989855957032) << "multiplying in double would give ...9703";
    EXPECT_EQ(NextJackpot(1234.5, 24, 4), 1234.5);
    EXPECT_EQ(NextJackpot(4.5, 60, 4), 4.0);
}

TEST(BingoJackpot, HalvesRoundToTheEvenCredit) {
    double jackpot = 100'000.0;
    for (int n = 1; n <= 26; ++n)
        jackpot = NextJackpot(jackpot, n, 8);
    EXPECT_EQ(jackpot, 68'062.5);
    EXPECT_EQ(JackpotCredits(jackpot), 68'062);
    EXPECT_EQ(JackpotCredits(68'063.5), 68'064);
    EXPECT_EQ(JackpotCredits(41'250.49), 41'250);
    EXPECT_EQ(JackpotCredits(41'250.51), 41'251);
}

// Column c, row r holds 15c + r + 1 + shift: shifts 0, 5 and 10 make three cards with no number in
// common and with every number on one of them.
BingoCard Layout(int shift) {
    BingoCard card;
    for (int cell = 0; cell < kCardCells; ++cell)
        card.numbers[static_cast<std::size_t>(cell)] =
            static_cast<std::uint16_t>(15 * (cell / 5) + cell % 5 + 1 + shift);
    return card;
}

int CellNamed(const std::string& name) {
    return static_cast<int>(std::strchr("BINGO", name[0]) - "BINGO") * 5 + (name[1] - '1');
}

BingoCard With(BingoCard card, const std::string& cell, int number) {
    card.numbers[static_cast<std::size_t>(CellNamed(cell))] = static_cast<std::uint16_t>(number);
    return card;
}

int NumberAt(const BingoCard& card, const std::string& cell) {
    return card.numbers[static_cast<std::size_t>(CellNamed(cell))];
}

// `first` in order, then every other number from 1 up, then `last` in order.
std::array<std::uint16_t, kBingoNumbers> Calls(const std::vector<int>& first,
                                               const std::vector<int>& last = {}) {
    std::array<std::uint16_t, kBingoNumbers> calls{};
    std::size_t next = 0;
    for (int n : first)
        calls[next++] = static_cast<std::uint16_t>(n);
    for (int n = 1; n <= kBingoNumbers; ++n) {
        if (std::find(first.begin(), first.end(), n) == first.end() &&
            std::find(last.begin(), last.end(), n) == last.end())
            calls[next++] = static_cast<std::uint16_t>(n);
    }
    for (int n : last)
        calls[next++] = static_cast<std::uint16_t>(n);
    return calls;
}

// The 24 dealt numbers of a card other than the free space's, in cell order.
std::vector<int> DealtNumbers(const BingoCard& card) {
    std::vector<int> numbers;
    for (int cell = 0; cell < kCardCells; ++cell) {
        if (cell != kFreeCell)
            numbers.push_back(card.numbers[static_cast<std::size_t>(cell)]);
    }
    return numbers;
}

std::vector<BingoGame::CallResult> CallUpTo(BingoGame& game, int lastCall) {
    std::vector<BingoGame::CallResult> results;
    while (game.callsMade() < lastCall)
        results.push_back(game.Call());
    return results;
}

std::vector<Pattern> PatternsWon(const BingoGame::CallResult& result) {
    std::vector<Pattern> patterns;
    for (const auto& win : result.wins)
        patterns.push_back(win.pattern);
    return patterns;
}

TEST(BingoGame, ACallDobsEveryCardHoldingItsNumberTheFreeSpaceIncluded) {
    const BingoCard s = Layout(0);
    const BingoCard t = With(Layout(5), "B1", 1);
    BingoGame game({s, t, Layout(10), Layout(10), s}, Calls({1, NumberAt(s, "N3"), 75}), 1);

    const BingoGame::CallResult first = game.Call();
    EXPECT_EQ(first.call, 1);
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.dobbed, (std::vector<int>{0, 1, 4}));
    EXPECT_TRUE(first.wins.empty());
    EXPECT_TRUE(game.Called(1));
    EXPECT_FALSE(game.Called(2));
    EXPECT_EQ(game.card(1).marked[0], 1);
    EXPECT_EQ(game.card(2).marked[0], 0);

    const BingoGame::CallResult free = game.Call();
    EXPECT_EQ(free.number, 33);
    EXPECT_EQ(free.dobbed, (std::vector<int>{0, 4}));
    EXPECT_EQ(game.card(0).marked[kFreeCell], 1);

    const BingoGame::CallResult third = game.Call();
    EXPECT_EQ(third.dobbed, (std::vector<int>{2, 3}));
    EXPECT_EQ(game.card(2).marked[static_cast<std::size_t>(CellNamed("O5"))], 1);
    EXPECT_EQ(game.callsMade(), 3);
    EXPECT_EQ(game.CallNumber(3), 75);
}

TEST(BingoGame, CardsCompletingAVariationOnTheSameCallShareItsPay) {
    const BingoCard s = Layout(0);
    BingoCard t = Layout(5);
    for (const char* corner : {"B1", "O1", "B5", "O5"})
        t = With(t, corner, NumberAt(s, corner));
    const BingoCard u = Layout(10);
    BingoGame game({s, t, u, u, u}, Calls({1, 61, 5, 65, 27, 57, 29, 59}), 1);

    const auto calls = CallUpTo(game, 8);
    for (int i : {0, 1, 2, 4, 5, 6})
        EXPECT_TRUE(calls[static_cast<std::size_t>(i)].wins.empty()) << "call " << i + 1;
    ASSERT_EQ(calls[3].wins.size(), 1u);
    EXPECT_EQ(calls[3].wins[0].pattern, Pattern::FourCorners);
    EXPECT_EQ(calls[3].wins[0].cards, (std::vector<int>{0, 1}));
    EXPECT_EQ(calls[3].wins[0].share, 2);
    ASSERT_EQ(calls[7].wins.size(), 1u);
    EXPECT_EQ(calls[7].wins[0].pattern, Pattern::InsideCorners);
    EXPECT_EQ(calls[7].wins[0].cards, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(calls[7].wins[0].share, 1) << "4 credits among three: one is lost";
    for (int c = 0; c < kCardCount; ++c)
        EXPECT_EQ(game.total(c), c < 2 ? 2 : 1);
    EXPECT_TRUE(game.Won(Pattern::FourCorners));
    EXPECT_TRUE(game.Won(Pattern::InsideCorners));
    EXPECT_FALSE(game.Won(Pattern::LargeX));
}

TEST(BingoGame, AVariationIsPaidOnlyOnce) {
    const BingoCard s = Layout(0);
    const BingoCard t = Layout(5);
    BingoGame game({s, t, Layout(10), Layout(10), Layout(10)}, Calls({1, 61, 5, 65, 6, 66, 10, 70}),
                   5);
    const auto calls = CallUpTo(game, 8);
    ASSERT_EQ(calls[3].wins.size(), 1u);
    EXPECT_EQ(calls[3].wins[0].cards, (std::vector<int>{0}));
    EXPECT_EQ(calls[3].wins[0].share, 20);
    EXPECT_TRUE(game.card(1).Has(Pattern::FourCorners));
    EXPECT_TRUE(calls[7].wins.empty()) << "card 1 completes the four corners too late";
    EXPECT_EQ(game.total(0), 20);
    EXPECT_EQ(game.total(1), 0);
}

TEST(BingoGame, BlackoutOnCall24PaysTheWholeJackpotAfterTheVariationsItCompletes) {
    const BingoCard s = Layout(0);
    std::vector<int> numbers = DealtNumbers(s);
    numbers.erase(std::find(numbers.begin(), numbers.end(), NumberAt(s, "N1")));
    numbers.push_back(NumberAt(s, "N1"));
    const BingoCard t = Layout(5);
    const BingoCard u = Layout(10);
    BingoGame game({s, t, u, t, u}, Calls(numbers), 1);

    const auto calls = CallUpTo(game, 24);
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(
        PatternsWon(calls.back()),
        (std::vector<Pattern>{Pattern::LargePlus, Pattern::SolidDiamond, Pattern::LargeDiamond,
                              Pattern::PictureFrame, Pattern::Blackout}));
    const BingoGame::PatternWin& blackout = calls.back().wins.back();
    EXPECT_EQ(blackout.cards, (std::vector<int>{0}));
    EXPECT_EQ(blackout.share, 50'000);
    for (const PatternInfo& info : kPatterns)
        EXPECT_TRUE(game.Won(info.pattern));
    EXPECT_EQ(game.total(0), 12 * 4 + 50'000);
    for (int c = 1; c < kCardCount; ++c)
        EXPECT_EQ(game.total(c), 0) << "card " << c << " wins nothing";
    EXPECT_THROW(game.Call(), std::logic_error);
}

TEST(BingoGame, BlackoutOnCall26AtTwoCreditsRoundsTheHalfToEven) {
    const BingoCard s = Layout(0);
    std::vector<int> numbers = {6, 7};
    for (int n : DealtNumbers(s))
        numbers.push_back(n);
    BingoGame game({s, Layout(5), Layout(10), Layout(5), Layout(10)}, Calls(numbers), 2);
    const auto calls = CallUpTo(game, 26);
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(calls.back().wins.back().pattern, Pattern::Blackout);
    EXPECT_EQ(calls.back().wins.back().share, 68'062);
    EXPECT_EQ(game.jackpot(), 68'062.5);
}

TEST(BingoGame, BlackoutOnCall74PaysThePatternPay) {
    const BingoCard s = Layout(0);  // completed by 1, the 74th call
    const BingoCard t = Layout(5);  // holds 6, the 75th
    const BingoCard u = With(Layout(10), "B1", 6);
    BingoGame game({s, t, u, t, u}, Calls({}, {1, 6}), 1);
    game.PlayOut();
    EXPECT_EQ(game.callsMade(), 74);
    EXPECT_EQ(JackpotCredits(game.jackpot()), 4);

    BingoGame two({t, s, u, s, u}, Calls({}, {1, 6}), 1);
    const auto calls = CallUpTo(two, 74);
    EXPECT_TRUE(two.Over());
    EXPECT_EQ(calls.back().wins.back().pattern, Pattern::Blackout);
    EXPECT_EQ(calls.back().wins.back().cards, (std::vector<int>{1, 3}));
    EXPECT_EQ(calls.back().wins.back().share, 2);
}

TEST(BingoGame, OnCall75AllFiveCardsBlackOutTogether) {
    const BingoCard s = Layout(0);
    const BingoCard t = With(Layout(5), "B1", 1);
    const BingoCard u = With(Layout(10), "B1", 1);
    for (const auto& [bet, share] : {std::pair{9, 7}, std::pair{1, 0}}) {
        BingoGame game({s, t, u, s, t}, Calls({}, {1}), bet);
        const auto calls = CallUpTo(game, 75);
        EXPECT_TRUE(game.Over());
        const BingoGame::PatternWin& blackout = calls.back().wins.back();
        EXPECT_EQ(blackout.pattern, Pattern::Blackout);
        EXPECT_EQ(blackout.cards, (std::vector<int>{0, 1, 2, 3, 4}));
        EXPECT_EQ(blackout.share, share) << "a jackpot of " << 4 * bet << " among five";
    }
}

TEST(BingoGame, HandMadeGamesMustBeRealCardsAndARealSequence) {
    const BingoCard s = Layout(0);
    auto calls = Calls({});
    calls[74] = 1;
    EXPECT_THROW(BingoGame({s, s, s, s, s}, calls, 1), std::invalid_argument);
    const BingoCard twice = With(Layout(0), "B2", 1);
    EXPECT_THROW(BingoGame({s, twice, s, s, s}, Calls({}), 1), std::invalid_argument);
    const BingoCard zero = With(Layout(0), "B2", 0);
    EXPECT_THROW(BingoGame({s, s, s, zero, s}, Calls({}), 1), std::invalid_argument);
}

// Whatever the deal, each pattern goes on the first call that completes it, shared among exactly
// the cards that have it then, and the game ends with the first blackout.
TEST(BingoGame, DealtGamesPayEachPatternToTheCardsThatCompleteItFirst) {
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        RandomGenerator random(seed * 2246822519u + 3u);
        const int bet = 1 + static_cast<int>(seed % 90);
        BingoGame game(random, bet);
        double jackpot = 50'000.0 * bet;
        std::array<bool, kPatternCount> won{};
        std::array<std::int32_t, kCardCount> totals{};
        while (!game.Over()) {
            const BingoGame::CallResult result = game.Call();
            jackpot = NextJackpot(jackpot, result.call, 4 * bet);
            ASSERT_EQ(result.number, game.CallNumber(result.call));
            std::vector<int> holding;
            for (int c = 0; c < kCardCount; ++c) {
                if (game.card(c).CellOf(result.number) >= 0)
                    holding.push_back(c);
            }
            ASSERT_EQ(result.dobbed, holding);

            std::size_t w = 0;
            for (const PatternInfo& info : kPatterns) {
                const auto p = static_cast<std::size_t>(info.pattern);
                if (won[p])
                    continue;
                std::vector<int> having;
                for (int c = 0; c < kCardCount; ++c) {
                    if (game.card(c).Has(info.pattern))
                        having.push_back(c);
                }
                if (having.empty())
                    continue;
                ASSERT_LT(w, result.wins.size()) << "seed " << seed << ", call " << result.call;
                const BingoGame::PatternWin& win = result.wins[w++];
                ASSERT_EQ(win.pattern, info.pattern);
                ASSERT_EQ(win.cards, having);
                const std::int32_t pay =
                    info.pattern == Pattern::Blackout ? JackpotCredits(jackpot) : 4 * bet;
                ASSERT_EQ(win.share, pay / static_cast<std::int32_t>(having.size()));
                for (int c : having)
                    totals[static_cast<std::size_t>(c)] += win.share;
                won[p] = true;
            }
            ASSERT_EQ(w, result.wins.size());
            ASSERT_EQ(game.Over(), won[static_cast<std::size_t>(Pattern::Blackout)]);
        }
        EXPECT_GE(game.callsMade(), 24);
        for (int c = 0; c < kCardCount; ++c)
            EXPECT_EQ(game.total(c), totals[static_cast<std::size_t>(c)]);

        RandomGenerator again(seed * 2246822519u + 3u);
        BingoGame quick(again, bet);
        quick.PlayOut();
        EXPECT_EQ(quick.callsMade(), game.callsMade());
        for (int c = 0; c < kCardCount; ++c)
            EXPECT_EQ(quick.total(c), game.total(c));
    }
}

}  // namespace
}  // namespace quillane
