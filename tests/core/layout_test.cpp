// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/layout.h"
#include "core/scale.h"

namespace quillane {
namespace {

TEST(LayoutWidth, TheScreensWidthWhenTheCabinetFits) {
    EXPECT_EQ(LayoutWidth(800, 600), 800);
    EXPECT_EQ(LayoutWidth(1024, 800), 1024);
    EXPECT_EQ(LayoutWidth(1280, 1000), 1280);
}

TEST(LayoutWidth, NarrowsSoTheKeysStayOnAWideScreen) {
    // 1920 by 1080, maximised under a 25-pixel menu bar.
    const int width = LayoutWidth(1920, 1055);
    EXPECT_LE(ScaleToScreen(600, width), 1055);
    EXPECT_GT(ScaleToScreen(600, width + 1), 1055) << "the largest width that fits";
    EXPECT_EQ(width, 1407);
    for (int height : {1, 2, 3, 100, 567, 568, 599, 863, 1044}) {
        const int w = LayoutWidth(5000, height);
        EXPECT_LE(ScaleToScreen(600, w), height) << height;
        EXPECT_GT(ScaleToScreen(600, w + 1), height) << height;
    }
}

TEST(LayoutWidth, SurvivesADegenerateWindow) {
    EXPECT_GE(LayoutWidth(800, 0), 0);
    EXPECT_GE(LayoutWidth(800, -50), 0);
}

}  // namespace
}  // namespace quillane
