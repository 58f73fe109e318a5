// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/digit_groups.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillane {
namespace {

TEST(GroupedDigits, GroupsThreesFromTheRightAndKeepsTheSignOutside) {
    EXPECT_EQ(GroupedDigits(0, ","), "0");
    EXPECT_EQ(GroupedDigits(999, ","), "999");
    EXPECT_EQ(GroupedDigits(1000, "."), "1.000");
    EXPECT_EQ(GroupedDigits(-123456, ","), "-123,456");
    EXPECT_EQ(GroupedDigits(std::numeric_limits<std::int64_t>::min(), "\u202f"),
              "-9\u202f223\u202f372\u202f036\u202f854\u202f775\u202f808");
}

}  // namespace
}  // namespace quillane
