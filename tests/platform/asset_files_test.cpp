// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/asset_files.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QResource>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace quillane {
namespace {

namespace fs = std::filesystem;

fs::path MakeTemporaryDirectory() {
    std::string pattern = (fs::temp_directory_path() / "quillane-assets-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    return pattern;
}

class FindFileNoCaseTest : public testing::Test {
  protected:
    void SetUp() override { dir_ = MakeTemporaryDirectory(); }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }

    void Touch(const std::string& name) const { std::ofstream(dir_ / name) << "x"; }

    std::optional<fs::path> Find(std::string_view name) const { return FindFileNoCase(dir_, name); }

    fs::path dir_;
};

TEST_F(FindFileNoCaseTest, MatchesWithoutRegardToCase) {
    Touch("tester.jpg");
    EXPECT_EQ(Find("TESTER.jpg"), dir_ / "tester.jpg");
    EXPECT_EQ(Find("tester.jpg"), dir_ / "tester.jpg");
    fs::rename(dir_ / "tester.jpg", dir_ / "Tester.JPG");
    EXPECT_EQ(Find("TESTER.jpg"), dir_ / "Tester.JPG");

    EXPECT_EQ(Find("TESTER.jpeg"), std::nullopt);
    EXPECT_EQ(Find("TESTER.jp"), std::nullopt);
    EXPECT_EQ(Find("MOTIONX.jpg"), std::nullopt);
}

TEST_F(FindFileNoCaseTest, PrefersTheExactSpellingThenTheSmallestName) {
    for (const char* name : {"tester.jpg", "Tester.jpg", "TESTER.jpg", "TesTer.jpg"}) {
        Touch(name);
    }
    EXPECT_EQ(Find("TESTER.jpg"), dir_ / "TESTER.jpg");
    EXPECT_EQ(Find("Tester.jpg"), dir_ / "Tester.jpg");
    EXPECT_EQ(Find("tester.jpg"), dir_ / "tester.jpg");
    EXPECT_EQ(Find("TESTER.JPG"), dir_ / "TESTER.jpg");
}

TEST_F(FindFileNoCaseTest, CountsOnlyFilesAndLinksToThem) {
    fs::create_directory(dir_ / "TESTER.JPG");
    EXPECT_EQ(Find("TESTER.jpg"), std::nullopt);
    Touch("tester.jpg");
    EXPECT_EQ(Find("TESTER.JPG"), dir_ / "tester.jpg");

    fs::create_symlink(dir_ / "nowhere.jpg", dir_ / "MOTIONX.jpg");
    EXPECT_EQ(Find("MOTIONX.jpg"), std::nullopt);
    Touch("motion-strip.jpg");
    fs::create_symlink(dir_ / "motion-strip.jpg", dir_ / "motionx.JPG");
    EXPECT_EQ(Find("MOTIONX.jpg"), dir_ / "motionx.JPG");

    ASSERT_EQ(::mkfifo((dir_ / "spinbut.jpg").c_str(), 0600), 0);
    EXPECT_EQ(Find("SpinBut.jpg"), std::nullopt);
}

TEST_F(FindFileNoCaseTest, LooksOnlyInTheDirectoryItself) {
    fs::create_directory(dir_ / "sub");
    Touch("tester.jpg");
    EXPECT_EQ(FindFileNoCase(dir_ / "sub", "../tester.jpg"), std::nullopt);
    EXPECT_EQ(FindFileNoCase(dir_ / "sub", ".."), std::nullopt);
    EXPECT_EQ(FindFileNoCase(dir_, "sub/"), std::nullopt);
    EXPECT_EQ(FindFileNoCase(dir_, ""), std::nullopt);
}

TEST_F(FindFileNoCaseTest, FoldsOnlyAsciiLetters) {
    Touch("\xc3\xa9t\xc3\xa9.jpg");  // été.jpg
    EXPECT_EQ(Find("\xc3\xa9T\xc3\xa9.JPG"), dir_ / "\xc3\xa9t\xc3\xa9.jpg");
    EXPECT_EQ(Find("\xc3\x89T\xc3\x89.jpg"), std::nullopt);  // ÉTÉ.jpg
}

TEST_F(FindFileNoCaseTest, GivesNothingForADirectoryThatIsNotThere) {
    EXPECT_EQ(FindFileNoCase(dir_ / "missing", "tester.jpg"), std::nullopt);
    Touch("tester.jpg");
    EXPECT_EQ(FindFileNoCase(dir_ / "tester.jpg", "tester.jpg"), std::nullopt);
}

TEST_F(FindFileNoCaseTest, GivesNothingForADirectoryItCannotList) {
    Touch("tester.jpg");
    fs::permissions(dir_, fs::perms::owner_exec);
    if (::access(dir_.c_str(), R_OK) == 0) {
        GTEST_SKIP() << "this user reads any directory";
    }
    EXPECT_EQ(Find("tester.jpg"), std::nullopt);
}

// An installed program lies in games/ (or bin/) with its files in share/quillane; a build
// tree's program has its files beside it.
TEST_F(FindFileNoCaseTest, FindsTheProgramsFilesWhereverItIsInstalled) {
    fs::create_directories(dir_ / "bin");
    EXPECT_EQ(ProgramDataDirectory(dir_ / "bin" / "quillane"), dir_ / "bin");
    fs::create_directories(dir_ / "share" / "quillane");
    EXPECT_EQ(ProgramDataDirectory(dir_ / "bin" / "quillane"), dir_ / "share" / "quillane");
    EXPECT_EQ(ProgramDataDirectory(dir_ / "games" / "quillane"), dir_ / "share" / "quillane");
    fs::create_directories(dir_ / "app");
    EXPECT_EQ(ProgramDataDirectory(dir_ / "app" / "quillane"), dir_ / "app");
}

TEST_F(FindFileNoCaseTest, ThePlayersFilesComeFirst) {
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
    const auto directories = AssetDirectories(dir_ / "app" / "quillane");
    if (saved) {
        ::setenv("XDG_DATA_HOME", saved->c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
    ASSERT_EQ(directories, (std::vector<fs::path>{dir_ / "data" / "quillane", dir_ / "app"}));

    fs::create_directories(dir_ / "data" / "quillane");
    fs::create_directories(dir_ / "app");
    std::ofstream(dir_ / "app" / "Bingo0.wav") << "x";
    std::ofstream(dir_ / "app" / "Bingo3.wav") << "x";
    std::ofstream(dir_ / "data" / "quillane" / "bingo3.WAV") << "x";
    EXPECT_EQ(FindAsset(directories, "Bingo0.wav"), dir_ / "app" / "Bingo0.wav");
    EXPECT_EQ(FindAsset(directories, "Bingo3.wav"), dir_ / "data" / "quillane" / "bingo3.WAV");
    EXPECT_EQ(FindAsset(directories, "Bingo5.wav"), std::nullopt);
}

// Built-in pictures come from a resource file made for the test by Qt's own resource compiler.
class LoadBuiltinPictureTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = MakeTemporaryDirectory();
        QImage sheet(40, 24, QImage::Format_RGB32);
        sheet.fill(qRgb(200, 40, 60));
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 16; ++x) {
                sheet.setPixel(x, y, qRgb(20, 180, 240));
            }
        }
        ASSERT_TRUE(sheet.save(QString::fromStdString((dir_ / "sheet.jpg").string()), "JPG", 95));
        ASSERT_TRUE(Mask().save(QString::fromStdString((dir_ / "mask.png").string()), "PNG"));
        // Qt's own reader accepts a file without its end marker; DecodeJpeg refuses it.
        fs::copy_file(dir_ / "sheet.jpg", dir_ / "cut.jpg");
        fs::resize_file(dir_ / "cut.jpg", fs::file_size(dir_ / "sheet.jpg") - 2);
        std::ofstream(dir_ / "pictures.qrc")
            << "<RCC><qresource prefix=\"/test-pictures\">"
               "<file>sheet.jpg</file><file alias=\"SHEET.JPEG\">sheet.jpg</file>"
               "<file>cut.jpg</file><file alias=\"CUT.JPG\">cut.jpg</file>"
               "<file alias=\"Cut.Jpeg\">cut.jpg</file>"
               "<file>mask.png</file>"
               "</qresource></RCC>\n";

        const std::string qrc = (dir_ / "pictures.qrc").string();
        const std::string rcc = (dir_ / "pictures.rcc").string();
        const char* argv[] = {QUILLANE_RCC, "--binary", "-o", rcc.c_str(), qrc.c_str(), nullptr};
        pid_t child = 0;
        ASSERT_EQ(
            ::posix_spawn(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "rcc failed";
        ASSERT_TRUE(QResource::registerResource(QString::fromStdString(rcc)));
    }

    static void TearDownTestSuite() {
        QResource::unregisterResource(QString::fromStdString((dir_ / "pictures.rcc").string()));
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // A one-bit picture, as the masks are, so that the conversion to ARGB32 shows.
    static QImage Mask() {
        QImage mask(9, 5, QImage::Format_Mono);
        mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mask.fill(1);
        mask.setPixel(2, 3, 0);
        return mask;
    }

    static fs::path dir_;
};

fs::path LoadBuiltinPictureTest::dir_;

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TEST_F(LoadBuiltinPictureTest, DecodesJpegResources) {
    for (const char* path : {":/test-pictures/sheet.jpg", ":/test-pictures/SHEET.JPEG"}) {
        const QImage image = LoadBuiltinPicture(path);
        ASSERT_EQ(image.format(), QImage::Format_ARGB32) << path;
        ASSERT_EQ(image.size(), QSize(40, 24)) << path;
        EXPECT_LE(Distance(image.pixel(4, 3), qRgb(20, 180, 240)), 12) << path;
        EXPECT_LE(Distance(image.pixel(30, 16), qRgb(200, 40, 60)), 12) << path;
        EXPECT_EQ(qAlpha(image.pixel(30, 16)), 255) << path;
    }
}

TEST_F(LoadBuiltinPictureTest, ConvertsPngResourcesExactly) {
    const QImage image = LoadBuiltinPicture(":/test-pictures/mask.png");
    ASSERT_EQ(image.format(), QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(9, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(image.pixel(x, y), x == 2 && y == 3 ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
        }
    }
}

TEST_F(LoadBuiltinPictureTest, GivesANullPictureForAMissingOrBrokenResource) {
    EXPECT_TRUE(LoadBuiltinPicture(":/test-pictures/none.jpg").isNull());
    EXPECT_TRUE(LoadBuiltinPicture(":/test-pictures/none.png").isNull());
    EXPECT_TRUE(LoadBuiltinPicture(":/test-pictures/cut.jpg").isNull());
    EXPECT_TRUE(LoadBuiltinPicture(":/test-pictures/CUT.JPG").isNull());
    EXPECT_TRUE(LoadBuiltinPicture(":/test-pictures/Cut.Jpeg").isNull());
    EXPECT_TRUE(LoadBuiltinPicture(":/test-pictures").isNull());
}

}  // namespace
}  // namespace quillane
