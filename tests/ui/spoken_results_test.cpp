// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/game_session.h"
#include "ui/access/spoken_results.h"

namespace quillane {
namespace {

TEST(SpinReport, TellsTheSeededSpinsOutcome) {
    const struct {
        std::uint32_t seed;
        const char* told;
    } kCases[] = {
        {1, "No win"},
        {6,
         "Line 1: two Bags pays 5; Line 8: one Wild pays 2; Line 9: one Wild pays 2; "
         "game paid 9"},
        {82,
         "Line 2: two Elephants pays 5; Line 4: one Wild pays 2; Line 6: three Elephants "
         "pays 120; 3 balls pay 45 and win the bonus game; game paid 172"},
    };
    for (const auto& c : kCases) {
        GameSession session;
        session.Seed(c.seed);
        ASSERT_TRUE(session.StakeSpin());
        session.PlaySpin(912);
        EXPECT_EQ(SpinReport(session.state(), session.bonusTriggered()).toStdString(), c.told)
            << c.seed;
    }
}

TEST(CallReport, NamesTheCallAndEachCardThatCompletedAPattern) {
    const BingoGame::CallResult call{23, 41, {1, 3}, {{Pattern::FourCorners, {1, 3}, 1250}}};
    EXPECT_EQ(CallReport(call, 3).toStdString(),
              "Call 23: N 41; Four Corners on card 2 pays 1,250; Four Corners on your card pays "
              "1,250");
}

}  // namespace
}  // namespace quillane
