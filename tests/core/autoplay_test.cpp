// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/autoplay.h"

#include <gtest/gtest.h>

namespace quillane {
namespace {

TEST(Autoplay, CountsDownAndStopsOnTheFirstConditionMet) {
    Autoplay autoplay;
    autoplay.Start({3, false, std::nullopt, std::nullopt});
    EXPECT_EQ(autoplay.AfterSpin(0, true, 5), std::nullopt) << "a bonus game alone goes on";
    EXPECT_EQ(autoplay.spinsLeft(), 2);
    EXPECT_EQ(autoplay.AfterSpin(1000, false, 5), std::nullopt);
    EXPECT_EQ(autoplay.AfterSpin(0, false, 5), AutoplayStop::Finished);
    EXPECT_FALSE(autoplay.running());

    autoplay.Start({100, true, 50, 900});
    EXPECT_EQ(autoplay.AfterSpin(49, false, 900), std::nullopt);
    EXPECT_EQ(autoplay.AfterSpin(60, true, 100), AutoplayStop::Bonus) << "the bonus game first";
    autoplay.Start({100, true, 50, 900});
    EXPECT_EQ(autoplay.AfterSpin(50, false, 100), AutoplayStop::BigWin);
    autoplay.Start({100, true, 50, 900});
    EXPECT_EQ(autoplay.AfterSpin(0, false, 899), AutoplayStop::LowCredits);
    EXPECT_EQ(autoplay.spinsLeft(), 0);
}

}  // namespace
}  // namespace quillane
