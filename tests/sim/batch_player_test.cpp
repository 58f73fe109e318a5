// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/batch_player.h"

#include <gtest/gtest.h>

#include "sim/report.h"
#include "sim/simulator.h"

namespace quillane::sim {
namespace {

// Batches of any size on any number of threads play the spins one at a time would.
TEST(BatchPlayer, PlaysWhatTheSimulatorPlaysOneSpinAtATime) {
    for (int threads : {1, 2, 3}) {
        PlaySettings settings;
        settings.seed = 606;
        settings.lines = 7;
        settings.credits = 3;
        settings.card = 4;
        settings.jsonl = true;
        BatchPlayer player(settings, threads);
        Simulator simulator(606, 7, 3, 4);
        std::uint64_t number = 0;
        for (std::size_t count : {1000, 1, 7777}) {
            std::string expected;
            for (std::size_t i = 0; i < count; ++i)
                expected += SpinJson(++number, simulator.Play()) + "\n";
            ASSERT_EQ(player.Play(count), expected) << threads << " threads";
        }
        EXPECT_EQ(SummaryJson(player.summary(), true), SummaryJson(simulator.summary(), true));
        EXPECT_GT(player.summary().bonusGames, 400u);
    }
}

}  // namespace
}  // namespace quillane::sim
