// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/paths.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>

namespace quillane {
namespace {

namespace fs = std::filesystem;
using test_support::ScopedEnv;

TEST(ExecutableStem, DropsOnlyARealExtension) {
    EXPECT_EQ(ExecutableStem("quillane"), "quillane");
    EXPECT_EQ(ExecutableStem("/usr/games/quillane"), "quillane");
    EXPECT_EQ(ExecutableStem("C:/Games/quillane.exe"), "quillane");
    EXPECT_EQ(ExecutableStem("/opt/q.exe"), "q");
    EXPECT_EQ(ExecutableStem("/opt/Quillane-1.1.bin"), "Quillane-1.1");
    EXPECT_EQ(ExecutableStem("/home/p/.quillane"), ".quillane");
    EXPECT_EQ(ExecutableStem("/home/p/my.games/slots"), "slots");
}

TEST(ExecutablePath, IsThisProgram) {
    const fs::path program = ExecutablePath();
    EXPECT_TRUE(program.is_absolute());
    EXPECT_EQ(program.filename(), "paths_test");
    EXPECT_TRUE(fs::is_regular_file(program));
    EXPECT_TRUE(fs::is_regular_file(ProgramDirectory() / "paths_test"));
}

// Sets or clears an environment variable for one test and puts the old value back.
TEST(GameFilePath, LiesInTheUsersConfigDirectory) {
    const ScopedEnv home("HOME", "/home/player");
    {
        const ScopedEnv config("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(GameFilePath("quillane"), fs::path("/srv/config/quillane/quillane.ini"));
        EXPECT_EQ(GameFilePath("Bingo"), fs::path("/srv/config/quillane/Bingo.ini"));
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        const ScopedEnv config("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(GameFilePath("quillane"), fs::path("/home/player/.config/quillane/quillane.ini"))
            << (unusable ? unusable : "unset");
    }
}

TEST(GameFilePath, WithoutHomeUsesThePasswordEntry) {
    const passwd* entry = ::getpwuid(::getuid());
    if (entry == nullptr) {
        GTEST_SKIP() << "this user has no password entry";
    }
    const ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", nullptr);
    EXPECT_EQ(GameFilePath("quillane"), fs::path(entry->pw_dir) / ".config/quillane/quillane.ini");
}

TEST(DataDirectory, LiesInTheUsersDataDirectory) {
    const ScopedEnv home("HOME", "/home/player");
    {
        const ScopedEnv data("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(DataDirectory(), fs::path("/srv/data/quillane"));
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/data"}) {
        const ScopedEnv data("XDG_DATA_HOME", unusable);
        EXPECT_EQ(DataDirectory(), fs::path("/home/player/.local/share/quillane"))
            << (unusable ? unusable : "unset");
    }
}

}  // namespace
}  // namespace quillane
