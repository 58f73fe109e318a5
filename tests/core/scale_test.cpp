// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/scale.h"

namespace quillane {
namespace {

TEST(ScaleToScreen, LeavesTheDesignGridAtWidth800) {
    for (int v : {0, 1, 76, 207, 599, 600, 800})
        EXPECT_EQ(ScaleToScreen(v, 800), v);
}

TEST(ScaleToScreen, TruncatesTheExtendedProduct) {
    EXPECT_EQ(ScaleToScreen(76, 1024), 97);
    EXPECT_EQ(ScaleToScreen(207, 1024), 264);
    EXPECT_EQ(ScaleToScreen(210, 1024), 268);
    EXPECT_EQ(ScaleToScreen(92, 1024), 117);
    EXPECT_EQ(ScaleToScreen(600, 1024), 768);
    EXPECT_EQ(ScaleToScreen(76, 1280), 121);
    EXPECT_EQ(ScaleToScreen(76, 1366), 129);
    EXPECT_EQ(ScaleToScreen(912, 1600), 1824);
}

TEST(ScaleToScreen, LosesAPixelWhereTheRatioFallsJustShort) {
    EXPECT_EQ(ScaleToScreen(800, 1152), 1151);
    EXPECT_EQ(ScaleToScreen(600, 1152), 863);
    EXPECT_EQ(ScaleToScreen(800, 1920), 1919);
}

}  // namespace
}  // namespace quillane
