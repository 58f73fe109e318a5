// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// The window tests run on Qt's offscreen platform with a screen of the size QUILLANE_TEST_SCREEN
// names ("1024x900"), 800 by 700 by default.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::string size =
        std::getenv("QUILLANE_TEST_SCREEN") ? std::getenv("QUILLANE_TEST_SCREEN") : "800x700";
    const auto x = size.find('x');
    const std::string width = size.substr(0, x), height = size.substr(x + 1);
    const auto config = std::filesystem::temp_directory_path() /
                        ("quillane-screen-" + std::to_string(::getpid()) + ".json");
    std::ofstream(config) << R"({"windowFrameMargins": false, "screens": [{"name": "s", "width": )"
                          << width << R"(, "height": )" << height << R"(, "logicalDpi": 96}]})";
    const std::string platform = "offscreen:configfile=" + config.string();
    ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove(config);
    return result;
}
