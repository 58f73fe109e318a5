// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/line_evaluator.h"
#include "core/paytable.h"

namespace quillane {
namespace {

using namespace sym;

LinePay Pays(LineSymbols line) {
    const LinePay walked = MatchPayline(line);
    EXPECT_EQ(LineEvaluator::Instance().Evaluate(line), walked) << "the compiled table disagrees";
    return walked;
}

TEST(PayTable, TheFirstMatchingRowPays) {
    EXPECT_EQ(Pays({Wild, Wild, Wild, Queen, Queen}), (LinePay{300, 3}));
    EXPECT_EQ(Pays({Wild, Wild, Queen, Queen, Queen}), (LinePay{120, 5}));
    EXPECT_EQ(Pays({Wild, Queen, Ace, Jack, Ten}), (LinePay{2, 1}))
        << "a wild on reel 1 comes before two queens";
    EXPECT_EQ(Pays({Wild, Wild, Wild, Wild, BallB}), (LinePay{2000, 4}));
    EXPECT_EQ(Pays({Wild, Wild, Wild, Wild, Wild}), (LinePay{2500, 5}));
    EXPECT_EQ(Pays({Doll, Doll, Doll, Doll, Wild}), (LinePay{2500, 5}));
    EXPECT_EQ(Pays({Wild, Wild, Wild, Wild, Doll}), (LinePay{2500, 5}));
    EXPECT_EQ(Pays({Wild, Wild, Wild, Wild, Card}), (LinePay{2000, 4}))
        << "four wilds beat five cards' 500";
    EXPECT_EQ(Pays({Daubers, Wild, Daubers, Ace, Wild}), (LinePay{100, 3}));
    EXPECT_EQ(Pays({Elephant, Jack, Elephant, Elephant, Elephant}), (LinePay{1, 1}));
    EXPECT_EQ(Pays({Queen, Queen, Ace, Ace, Ace}), (LinePay{2, 2}));
    EXPECT_EQ(Pays({Card, Card, Jack, Card, Card}), (LinePay{}));
}

TEST(PayTable, TheWildNeverStandsForABall) {
    EXPECT_EQ(Pays({BallB, BallI, BallN, BallG, BallO}), (LinePay{5000, 5}));
    EXPECT_EQ(Pays({Wild, BallI, BallN, BallG, BallO}), (LinePay{2, 1}));
    EXPECT_EQ(Pays({BallB, BallI, BallN, BallG, Wild}), (LinePay{}));
    EXPECT_EQ(Pays({BallB, Doll, Doll, Doll, Doll}), (LinePay{}));
    EXPECT_EQ(Pays({BallB, Wild, Wild, Wild, Wild}), (LinePay{}));
}

TEST(PayTable, CompiledTableAgreesWithTheTableOnEveryLine) {
    // Every symbol the strips hold: the wild, the balls and the paying symbols.
    std::vector<Symbol> codes{Wild};
    for (Symbol s = BallB; s <= Bag; ++s)
        codes.push_back(s);
    const LineEvaluator& evaluator = LineEvaluator::Instance();
    long mismatches = 0;
    for (Symbol a : codes)
        for (Symbol b : codes)
            for (Symbol c : codes)
                for (Symbol d : codes)
                    for (Symbol e : codes) {
                        const LineSymbols line{a, b, c, d, e};
                        if (!(evaluator.Evaluate(line) == MatchPayline(line)))
                            ++mismatches;
                    }
    EXPECT_EQ(mismatches, 0);
}

TEST(PayTable, ChartFiguresComeFromTheTable) {
    const struct {
        Symbol symbol;
        int pays[5];
    } chart[] = {
        {Wild, {2, 25, 300, 2000, 2500}},   {Doll, {1, 5, 120, 500, 2500}},
        {Elephant, {1, 5, 120, 500, 2500}}, {Daubers, {0, 5, 100, 250, 1000}},
        {Bag, {0, 5, 100, 250, 1000}},      {Card, {0, 0, 40, 75, 500}},
        {Tickets, {0, 0, 10, 50, 200}},     {Cage, {0, 0, 10, 50, 200}},
        {Ace, {0, 0, 10, 40, 150}},         {King, {0, 0, 10, 40, 150}},
        {Queen, {0, 2, 5, 20, 120}},        {Jack, {0, 0, 5, 20, 100}},
        {Ten, {0, 0, 5, 20, 100}},
    };
    for (const auto& row : chart) {
        for (int count = 1; count <= 5; ++count) {
            EXPECT_EQ(PayFor(row.symbol, count), row.pays[count - 1])
                << "symbol " << int{row.symbol} << " x" << count;
        }
    }
}

}  // namespace
}  // namespace quillane
