// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/profile.h"
#include "test_files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace quillane::profile {
namespace {

namespace fs = std::filesystem;
using test_support::Contents;
using test_support::Put;

using std::nullopt;

std::optional<std::string> Find(std::string_view text, std::string_view section,
                                std::string_view key) {
    return FindValue(text, section, key, 2047);
}

TEST(FindValue, MatchesSectionAndKeyWithoutRegardToCase) {
    const std::string text = "[currentGAME]\ncREDITS=5\n";
    EXPECT_EQ(Find(text, "CurrentGame", "Credits"), "5");
    EXPECT_EQ(Find(text, "CURRENTGAME", "credits"), "5");
    EXPECT_EQ(Find(text, "CurrentGam", "Credits"), nullopt);
    EXPECT_EQ(Find(text, "CurrentGame", "Credit"), nullopt);
}

TEST(FindValue, TrimsBlanksAroundNamesAndValues) {
    const std::string text = "  [ Game ]  \n \t Credits \t=  12 \t\n";
    EXPECT_EQ(Find(text, "Game", "Credits"), "12");
}

TEST(FindValue, RemovesOnePairOfMatchingOuterQuotes) {
    const std::string text =
        "[S]\n"
        "double=\" a b \"\n"
        "single='x'\n"
        "twice=\"\"x\"\"\n"
        "mixed=\"x'\n"
        "lone=\"\n"
        "inner=a \"b\" c\n"
        "empty=\"\"\n";
    EXPECT_EQ(Find(text, "S", "double"), " a b ");
    EXPECT_EQ(Find(text, "S", "single"), "x");
    EXPECT_EQ(Find(text, "S", "twice"), "\"x\"");
    EXPECT_EQ(Find(text, "S", "mixed"), "\"x'");
    EXPECT_EQ(Find(text, "S", "lone"), "\"");
    EXPECT_EQ(Find(text, "S", "inner"), "a \"b\" c");
    EXPECT_EQ(Find(text, "S", "empty"), "");
}

TEST(FindValue, TellsAnEmptyValueFromAMissingKey) {
    const std::string text = "[S]\nempty=\nblank=   \nnoequals\n";
    EXPECT_EQ(Find(text, "S", "empty"), "");
    EXPECT_EQ(Find(text, "S", "blank"), "");
    EXPECT_EQ(Find(text, "S", "noequals"), nullopt);
    EXPECT_EQ(Find(text, "S", "missing"), nullopt);
}

TEST(FindValue, TheFirstOfDuplicateKeysAndSectionsWins) {
    const std::string text = "[S]\nk=1\nK=2\n[s]\nk=3\nonlyLater=4\n";
    EXPECT_EQ(Find(text, "S", "k"), "1");
    EXPECT_EQ(Find(text, "S", "onlyLater"), nullopt);
}

TEST(FindValue, SkipsCommentsAndKeysOfOtherSections) {
    const std::string text =
        "k=outside\n"
        "[Other]\nk=other\n"
        "[S]\n;k=commented\n   ; k=indented comment\nk=mine\n";
    EXPECT_EQ(Find(text, "S", "k"), "mine");
    EXPECT_EQ(Find("[S]\n;k=1\n", "S", "k"), nullopt);
    EXPECT_EQ(Find("[S]\n;k=1\n", "S", ";k"), nullopt);
}

TEST(FindValue, ReadsCrLfTextAndALeadingByteOrderMark) {
    EXPECT_EQ(Find("[S]\r\nk=v\r\nj=w", "S", "k"), "v");
    EXPECT_EQ(Find("[S]\r\nk=v\r\nj=w", "S", "j"), "w");
    EXPECT_EQ(Find("\xEF\xBB\xBF[S]\nk=v\n", "S", "k"), "v");
}

TEST(FindValue, CutsTheValueToTheLengthAsked) {
    EXPECT_EQ(FindValue("[S]\nk=abcdef\n", "S", "k", 4), "abcd");
    EXPECT_EQ(FindValue("[S]\nk=abcdef\n", "S", "k", 0), "");
    const std::string longValue(5000, 'x');
    EXPECT_EQ(Find("[S]\nk=" + longValue + "\n", "S", "k"), std::string(2047, 'x'));
}

TEST(FindValue, SurvivesGarbage) {
    const std::string binary("\0\xFF\x01[S\0]\n=\n[\n]\n\xFE=\xFF\r\r\r\n[S]\nk=\0v\0", 30);
    EXPECT_EQ(Find(binary, "S", "k"), std::string("\0v\0", 3));
    EXPECT_EQ(Find(std::string(3'000'000, '['), "S", "k"), nullopt);
    EXPECT_EQ(Find("", "S", "k"), nullopt);
    EXPECT_EQ(Find("[S]\nk=unterminated", "S", "k"), "unterminated");
    EXPECT_EQ(Find("[S", "S", "k"), nullopt);
}

TEST(SetValue, StartsAnEmptyFileWithTheSection) {
    EXPECT_EQ(SetValue("", "CurrentGame", "GameName", "CurrentGame"),
              "[CurrentGame]\nGameName=CurrentGame\n");
}

TEST(SetValue, RewritesInPlaceKeepingSpellingSpacingAndComments) {
    const std::string text =
        "; saved games\n[currentGAME]\n  CREDITS = 5\n; keep me\nSpins=1\n\n[Other]\nx=1\n";
    EXPECT_EQ(SetValue(text, "CurrentGame", "Credits", "70"),
              "; saved games\n[currentGAME]\n  CREDITS = 70\n; keep me\nSpins=1\n\n[Other]\nx=1\n");
    EXPECT_EQ(SetValue("[S]\nk=old value  \n", "S", "k", ""), "[S]\nk=\n");
}

TEST(SetValue, AddsAKeyAfterTheLastKeyOfItsSection) {
    EXPECT_EQ(SetValue("[A]\nk1=1\n\n\n[B]\nk=2\n", "a", "k2", "3"),
              "[A]\nk1=1\nk2=3\n\n\n[B]\nk=2\n");
    EXPECT_EQ(SetValue("[A]\nk1=1\n; about B\n[B]\n", "A", "k2", "3"),
              "[A]\nk1=1\nk2=3\n; about B\n[B]\n");
    EXPECT_EQ(SetValue("[A]\n; nothing yet\n[B]\n", "A", "k", "1"),
              "[A]\nk=1\n; nothing yet\n[B]\n");
    EXPECT_EQ(SetValue("[A]\nk=1", "A", "j", "2"), "[A]\nk=1\nj=2\n");
    EXPECT_EQ(SetValue("[A]", "A", "j", "2"), "[A]\nj=2\n");
}

TEST(SetValue, AddsANewSectionAtTheEndAfterABlankLine) {
    EXPECT_EQ(SetValue("[A]\nk=1\n", "B", "k", "2"), "[A]\nk=1\n\n[B]\nk=2\n");
    EXPECT_EQ(SetValue("[A]\nk=1", "B", "k", "2"), "[A]\nk=1\n\n[B]\nk=2\n");
    EXPECT_EQ(SetValue("[A]\nk=1\n\n", "B", "k", "2"), "[A]\nk=1\n\n[B]\nk=2\n");
    EXPECT_EQ(SetValue("; comment only\n", "B", "k", "2"), "; comment only\n\n[B]\nk=2\n");
}

TEST(SetValue, ChangesOnlyTheFirstOfDuplicates) {
    EXPECT_EQ(SetValue("[A]\nk=1\nk=2\n[A]\nk=3\n", "A", "k", "9"), "[A]\nk=9\nk=2\n[A]\nk=3\n");
    const std::string later = SetValue("[A]\nx=1\n[A]\nk=3\n", "A", "k", "9");
    EXPECT_EQ(later, "[A]\nx=1\nk=9\n[A]\nk=3\n");
    EXPECT_EQ(Find(later, "A", "k"), "9");
}

TEST(RemoveSection, RemovesEverySectionOfTheNameAndNothingElse) {
    const std::pair<std::string, std::string> cases[] = {
        {"[A]\nk=1\n\n[Bonus]\nx=1\n; note\n[B]\n", "[A]\nk=1\n\n[B]\n"},
        {"[bonus]\r\nx=1\r\n[A]\r\n[BONUS]\r\ny=2", "[A]\r\n"},
        {"[A]\nBonus=1\n", "[A]\nBonus=1\n"},
        {"", ""},
    };
    for (const auto& [text, without] : cases)
        EXPECT_EQ(RemoveSection(text, "Bonus"), without) << text;
}

TEST(SetValue, KeepsCrLfLineEndings) {
    EXPECT_EQ(SetValue("[A]\r\nk=1\r\n", "A", "k", "22"), "[A]\r\nk=22\r\n");
    EXPECT_EQ(SetValue("[A]\r\nk=1\r\n", "A", "j", "2"), "[A]\r\nk=1\r\nj=2\r\n");
    EXPECT_EQ(SetValue("[A]\r\nk=1\r\n", "B", "j", "2"), "[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n");
    EXPECT_EQ(SetValue("[A]\r\nk=1", "A", "j", "2"), "[A]\r\nk=1\r\nj=2\r\n");
}

TEST(SetValue, QuotesValuesThatReadingWouldOtherwiseChange) {
    const std::string values[] = {"  padded  ", "\"quoted\"", "'single'", "\"",
                                  "a \"b\" c",  "",           "\t"};
    for (const std::string& value : values) {
        EXPECT_EQ(Find(SetValue("", "S", "k", value), "S", "k"), value) << value;
    }
    EXPECT_EQ(SetValue("", "S", "k", "a \"b\" c"), "[S]\nk=a \"b\" c\n");
}

TEST(SetValue, RefusesWhatALineCannotHold) {
    EXPECT_TRUE(CanStore("CurrentGame", "GameName", "any text; [even] = this"));
    const std::string_view nul("a\0b", 3);
    const std::pair<std::string_view, std::string_view> names[] = {
        {"S\n", "k"}, {"S", "k\r"}, {"S]", "k"}, {"", "k"},   {" ", "k"}, {"S", ""},
        {"S", "  "},  {"S", "k=j"}, {"S", ";k"}, {"S", "[k"}, {nul, "k"}, {"S", nul},
    };
    for (const auto& [section, key] : names) {
        EXPECT_FALSE(CanStore(section, key, "v")) << section << " / " << key;
        EXPECT_THROW(SetValue("", section, key, "v"), std::invalid_argument);
    }
    for (const std::string_view value : {std::string_view("a\nb"), std::string_view("a\r"), nul}) {
        EXPECT_FALSE(CanStore("S", "k", value));
    }
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Whatever the text, a key that is set reads back and no other key changes.
TEST(SetValue, ReadsBackFromRandomText) {
    const char alphabet[] = "[]=;\r\n \t\"'aAkKsS\xC3\xFF";
    std::mt19937 generator(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<std::size_t> length(0, 60);
    const char* const names[] = {"a", "A", "k", "K", "s"};
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        for (std::size_t n = length(generator); n > 0; --n) {
            text += alphabet[pick(generator)];  // the last index picks the terminating NUL
        }
        const std::string section = names[round % 5];
        const std::string key = names[(round / 5) % 5];
        const std::string otherSection = names[(round / 25) % 5];
        const std::string otherKey = names[(round / 125) % 5];
        const std::string changed = SetValue(text, section, key, "value");
        ASSERT_EQ(Find(changed, section, key), "value") << testing::PrintToString(text);
        if (!SameIgnoringCase(section, otherSection) || !SameIgnoringCase(key, otherKey)) {
            ASSERT_EQ(Find(changed, otherSection, otherKey), Find(text, otherSection, otherKey))
                << testing::PrintToString(text);
        }
    }
}

std::vector<std::string> Entries(const fs::path& directory) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ProfileFile : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillane-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Expects `file` to be refused and reported as the player sees it.
    template <typename Write>
    WriteError ExpectRefused(const fs::path& file, Write write) {
        try {
            write();
        } catch (const WriteError& error) {
            EXPECT_EQ(std::string(error.what()),
                      "Unable to write to " + file.string() + "\n" + error.reason());
            EXPECT_EQ(error.file(), file);
            EXPECT_TRUE(error.code());
            EXPECT_EQ(error.reason(), std::strerror(error.code().value()));
            return error;
        }
        ADD_FAILURE() << "the write to " << file << " was not refused";
        return WriteError(file, {});
    }

    fs::path dir_;
};

TEST_F(ProfileFile, MissingEmptyAndNonRegularFilesReadAsMissingKeys) {
    EXPECT_EQ(ReadString(dir_ / "none.ini", "S", "k", 2047), nullopt);
    Put(dir_ / "empty.ini", "");
    EXPECT_EQ(ReadString(dir_ / "empty.ini", "S", "k", 2047), nullopt);
    EXPECT_EQ(ReadString(dir_, "S", "k", 2047), nullopt);
    ASSERT_EQ(::mkfifo((dir_ / "fifo.ini").c_str(), 0600), 0);
    EXPECT_EQ(ReadString(dir_ / "fifo.ini", "S", "k", 2047), nullopt);
    EXPECT_EQ(LoadText("/dev/zero"), "");
}

TEST_F(ProfileFile, WriteCreatesTheDirectoriesAndTheFile) {
    const fs::path file = dir_ / "config" / "quillane" / "game.ini";
    WriteString(file, "CurrentGame", "Credits", "1000");
    EXPECT_EQ(Contents(file), "[CurrentGame]\nCredits=1000\n");
    EXPECT_EQ(ReadString(file, "currentgame", "CREDITS", 2047), "1000");
    EXPECT_EQ(Entries(file.parent_path()), std::vector<std::string>{"game.ini"});
}

TEST_F(ProfileFile, EachWriteReadsTheFileAfresh) {
    const fs::path file = dir_ / "game.ini";
    WriteString(file, "S", "mine", "1");
    Put(file, Contents(file) + "theirs=2\n; their note\n");
    WriteString(file, "S", "mine", "3");
    WriteString(file, "T", "more", "4");
    EXPECT_EQ(Contents(file), "[S]\nmine=3\ntheirs=2\n; their note\n\n[T]\nmore=4\n");
}

TEST_F(ProfileFile, RewriteKeepsCommentsAndCrLf) {
    const fs::path file = dir_ / "game.ini";
    Put(file, "; Quillane\r\n[CurrentGame]\r\nCredits=5\r\n; end\r\n");
    WriteString(file, "CurrentGame", "Credits", "123");
    WriteString(file, "CurrentGame", "Spins", "7");
    EXPECT_EQ(Contents(file), "; Quillane\r\n[CurrentGame]\r\nCredits=123\r\nSpins=7\r\n; end\r\n");
}

TEST_F(ProfileFile, WriteKeepsTheFilesPermissions) {
    const fs::path file = dir_ / "game.ini";
    Put(file, "[S]\nk=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    WriteString(file, "S", "k", "2");
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    const mode_t previous = ::umask(022);
    WriteString(dir_ / "new.ini", "S", "k", "1");
    ::umask(previous);
    ASSERT_EQ(::stat((dir_ / "new.ini").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}

TEST_F(ProfileFile, WritesThroughSymbolicLinksToTheirTargets) {
    fs::create_directory(dir_ / "real");
    const fs::path target = dir_ / "real" / "game.ini";
    Put(target, "[S]\nk=1\n");
    fs::create_symlink("real/game.ini", dir_ / "relative.ini");
    fs::create_symlink(dir_ / "relative.ini", dir_ / "chained.ini");

    WriteString(dir_ / "chained.ini", "S", "k", "2");
    EXPECT_TRUE(fs::is_symlink(dir_ / "chained.ini"));
    EXPECT_TRUE(fs::is_symlink(dir_ / "relative.ini"));
    EXPECT_EQ(Contents(target), "[S]\nk=2\n");
    EXPECT_EQ(Entries(dir_ / "real"), std::vector<std::string>{"game.ini"});

    fs::create_symlink("later/game.ini", dir_ / "dangling.ini");
    WriteString(dir_ / "dangling.ini", "S", "k", "3");
    EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.ini"));
    EXPECT_EQ(Contents(dir_ / "later" / "game.ini"), "[S]\nk=3\n");
}

TEST_F(ProfileFile, WriteIntoGarbageKeepsTheGarbage) {
    const fs::path file = dir_ / "game.ini";
    const std::string garbage(
        "\x7F"
        "ELF\0\0\xFF\xFE[\0]\r=\x01\x02",
        16);
    Put(file, garbage);
    EXPECT_EQ(ReadString(file, "S", "k", 2047), nullopt);
    WriteString(file, "S", "k", "v");
    EXPECT_EQ(ReadString(file, "S", "k", 2047), "v");
    EXPECT_EQ(Contents(file).substr(0, garbage.size()), garbage);

    const std::string hugeLine(4'000'000, 'x');
    Put(file, hugeLine);
    EXPECT_EQ(ReadString(file, "S", "k", 2047), nullopt);
    WriteString(file, "S", "k", "v");
    EXPECT_EQ(Contents(file), hugeLine + "\n\n[S]\nk=v\n");
}

TEST_F(ProfileFile, RefusesAFileTooLargeToBeOneOfOurs) {
    const fs::path file = dir_ / "game.ini";
    { std::ofstream create(file); }
    fs::resize_file(file, kMaxFileSize + 1);
    EXPECT_EQ(ReadString(file, "S", "k", 2047), nullopt);
    const WriteError error = ExpectRefused(file, [&] { WriteString(file, "S", "k", "v"); });
    EXPECT_EQ(error.code(), std::errc::file_too_large);
    EXPECT_EQ(fs::file_size(file), kMaxFileSize + 1);
    EXPECT_EQ(Contents(file).find_first_not_of('\0'), std::string::npos);
}

TEST_F(ProfileFile, RefusesWhenTheDirectoryIsARegularFile) {
    const fs::path blocker = dir_ / "quillane";
    Put(blocker, "[S]\r\nk=1\r\n");
    const fs::path file = blocker / "game.ini";
    ExpectRefused(file, [&] { WriteString(file, "S", "k", "2"); });
    EXPECT_EQ(Contents(blocker), "[S]\r\nk=1\r\n");
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"quillane"});
}

TEST_F(ProfileFile, RefusesWhenTheFileIsADirectory) {
    const fs::path file = dir_ / "game.ini";
    fs::create_directory(file);
    const WriteError error = ExpectRefused(file, [&] { WriteString(file, "S", "k", "2"); });
    EXPECT_EQ(std::string(error.what()),
              "Unable to write to " + file.string() + "\nIs a directory");
    EXPECT_TRUE(fs::is_empty(file));
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"game.ini"});
}

TEST_F(ProfileFile, RefusesALineBreakAndLeavesTheFileAlone) {
    const fs::path file = dir_ / "game.ini";
    const std::string before = "; mine\n[S]\nk=1\n";
    Put(file, before);
    ExpectRefused(file, [&] { WriteString(file, "S", "k", "two\nlines"); });
    ExpectRefused(file, [&] { WriteString(file, "S", "k=", "2"); });
    ExpectRefused(file, [&] { WriteString(file, "S]", "k", "2"); });
    EXPECT_EQ(Contents(file), before);
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"game.ini"});
}

TEST_F(ProfileFile, RefusesAFileItsOwnerMadeReadOnly) {
    const fs::path file = dir_ / "game.ini";
    Put(file, "[S]\nk=1\n");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    const WriteError error = ExpectRefused(file, [&] { WriteString(file, "S", "k", "2"); });
    EXPECT_EQ(error.code(), std::errc::permission_denied);
    EXPECT_EQ(Contents(file), "[S]\nk=1\n");
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"game.ini"});
}

// A process that has ended: its pid is free until the system hands it out again.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(ProfileFile, TheSweepRemovesOnlyTemporariesOfThisFileWhoseWriterHasEnded) {
    const fs::path file = dir_ / "game.ini";
    Put(file, "[S]\nk=1\n");
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getpid());
    const std::vector<std::string> kept = {
        ".game.ini." + running + ".0.tmp",
        ".other.ini." + ended + ".0.tmp",
        ".game.ini.x." + ended + ".0.tmp",
        ".game.ini." + ended + ".tmp",
        ".game.ini.0.1.tmp",
        ".game.ini." + ended + ".1.tmp.bak",
        ".game.ini.99999999999999.1.tmp",
        "game.ini",
    };
    for (const std::string& name : kept) {
        if (name != "game.ini") {
            Put(dir_ / name, "");
        }
    }
    Put(dir_ / (".game.ini." + ended + ".0.tmp"), "[S]\n");
    Put(dir_ / (".game.ini." + ended + ".17.tmp"), "");
    fs::create_directory(dir_ / (".game.ini." + ended + ".2.tmp"));
    fs::create_symlink("game.ini", dir_ / "link.ini");

    EXPECT_EQ(SweepStaleTemporaries(dir_ / "link.ini"), 2u);
    std::vector<std::string> expected = kept;
    expected.push_back(".game.ini." + ended + ".2.tmp");
    expected.push_back("link.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(dir_), expected);
    EXPECT_EQ(SweepStaleTemporaries(dir_ / "missing" / "game.ini"), 0u);
}

// Holds the file size limit low, as a full disc would; root is bound by it too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int);
};

TEST_F(ProfileFile, AFailedWriteLeavesTheOldFileByteForByte) {
    const fs::path file = dir_ / "game.ini";
    std::string before = "; The current game\r\n[CurrentGame]\r\nGameName=CurrentGame\r\n";
    before += "Credits=1000\r\n; a comment that makes the file longer than the limit\r\n";
    Put(file, before);
    WriteError error(file, {});
    {
        FileSizeLimit limit(64);
        error = ExpectRefused(file, [&] { WriteString(file, "CurrentGame", "Credits", "5"); });
    }
    EXPECT_EQ(error.code(), std::errc::file_too_large);
    EXPECT_EQ(Contents(file), before);
    EXPECT_EQ(Entries(dir_), std::vector<std::string>{"game.ini"});
}

}  // namespace
}  // namespace quillane::profile
