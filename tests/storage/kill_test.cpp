// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves alternate between two records in a child process that is killed at random moments.
// After every kill the game file must hold one of the records whole, and the sweep must leave
// no temporary file. Usage: kill_test [kills] [seconds]; it stops at whichever comes first.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "storage/game_file.h"
#include "storage/profile.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using namespace quillane;
using test_support::Contents;

// Every field differs between the two, so a record mixing them cannot pass for either.
const SavedGame kRecords[2] = {
    {"Alpha", "01/01/01", {111, 1000, 1, 10, 0}},
    {"A longer name for Bravo", "12/31/99", {-2000, 3000, 22222, 444444, 5555}},
};

// The other sections and the comments must come through every save untouched as well.
const std::string kOtherGames =
    "; kept by hand\r\n[GameNo1]\r\nGameName=Saturday\r\nCredits=77\r\n\r\n[GameNo2]\r\n"
    "GameName=Sunday\r\n";

// The file's bytes once `record` is the current game.
std::string FileHolding(const SavedGame& record) {
    std::string text = kOtherGames;
    for (const GameEntry& entry : GameEntries(record.name, record.date, record.account)) {
        text = profile::SetValue(text, SlotSection(kCurrentGameSlot), entry.key, entry.value);
    }
    return text;
}

[[noreturn]] void SaveForEver(const fs::path& file) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (int n = 0;; n ^= 1) {
        const SavedGame& record = kRecords[n];
        try {
            GameFile(file, [&] {
                return record.date;
            }).Write(kCurrentGameSlot, record.name, record.account);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "save refused: %s\n", error.what());
            ::_exit(2);
        }
    }
}

int OtherFiles(const fs::path& directory) {
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        count += entry.path().filename() != "quillane.ini";
    }
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10;
    std::string pattern = (fs::temp_directory_path() / "quillane-kill-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path directory = pattern;
    const fs::path file = directory / "quillane.ini";
    const std::string wholes[2] = {FileHolding(kRecords[0]), FileHolding(kRecords[1])};
    std::ofstream(file, std::ios::binary) << wholes[1];

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int made = 0, terms = 0, midSave = 0, mixed = 0, stale = 0, refused = 0;
    while (made < kills && std::chrono::steady_clock::now() < deadline) {
        const pid_t child = ::fork();
        if (child < 0) {
            std::perror("fork");
            return 1;
        }
        if (child == 0) {
            SaveForEver(file);
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        const int signal = made % 4 == 3 ? SIGTERM : SIGKILL;
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        ++made;
        terms += signal == SIGTERM;
        refused += !WIFSIGNALED(status);

        const std::string text = Contents(file);
        const SavedGame read = GameFile(file).Read(kCurrentGameSlot);
        if ((text != wholes[0] && text != wholes[1]) ||
            (read != kRecords[0] && read != kRecords[1])) {
            ++mixed;
            std::fprintf(stderr, "kill %d left a mixed file:\n%s\n", made, text.c_str());
        }
        midSave += OtherFiles(directory) > 0;
        GameFile(file).SweepStaleTemporaries();
        stale += OtherFiles(directory);
    }
    std::error_code ignored;
    fs::remove_all(directory, ignored);

    std::printf(
        "kills: %d (%d SIGTERM), killed mid-save: %d, mixed records: %d, stale temporaries after "
        "sweep: %d, refused saves: %d (seed %u)\n",
        made, terms, midSave, mixed, stale, refused, seed);
    // A run whose kills never caught a save part-way proves nothing.
    return made > 0 && midSave > 0 && mixed == 0 && stale == 0 && refused == 0 ? 0 : 1;
}
