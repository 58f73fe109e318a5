// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/progress.h"

#include <gtest/gtest.h>

namespace quillane::sim {
namespace {

TEST(ProgressLine, ShowsTheShareDoneTheRateAndTheTimeLeft) {
    EXPECT_EQ(ProgressLine(500, 1000, 2.0),
              "[###############...............]  50%  250 spins/s  2 s left");
    EXPECT_EQ(ProgressLine(30'000'000, 1'000'000'000, 15.0),
              "[..............................]   3%  2.00 M spins/s  8 min 5 s left");
    EXPECT_EQ(ProgressLine(45'000, 10'000'000'000, 1.0),
              "[..............................]   0%  45.0 k spins/s  61 h 43 min left");
    EXPECT_EQ(ProgressLine(0, 10, 0.0), "[..............................]   0%");
    EXPECT_EQ(ProgressLine(10, 10, 4.0),
              "[##############################] 100%  2 spins/s  0 s left");
}

}  // namespace
}  // namespace quillane::sim
