// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/instance_lock.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace quillane {
namespace {

namespace fs = std::filesystem;

class InstanceLockTest : public ::testing::Test {
  protected:
    InstanceLockTest() {
        dir_ = fs::temp_directory_path() / ("quillane-lock-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    ~InstanceLockTest() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(InstanceLockTest, OneCopyAtATimeAndTheNextWhenItHasGone) {
    const fs::path file = LockFileFor(dir_ / "quillane" / "quillane.ini");
    EXPECT_EQ(file.filename(), "quillane.lock");
    {
        InstanceLock first(file);
        ASSERT_EQ(first.state(), InstanceLock::State::Held);
        EXPECT_EQ(InstanceLock(file).state(), InstanceLock::State::Taken);
    }
    EXPECT_EQ(InstanceLock(file).state(), InstanceLock::State::Held);
}

TEST_F(InstanceLockTest, AKilledHolderLeavesTheLockFree) {
    const fs::path file = dir_ / "quillane.lock";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceLock held(file);
        const char state = held.state() == InstanceLock::State::Held ? 'H' : '?';
        (void)!::write(ready[1], &state, 1);
        ::pause();
        ::_exit(0);
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    ASSERT_EQ(state, 'H');
    EXPECT_EQ(InstanceLock(file).state(), InstanceLock::State::Taken);
    std::ifstream pid(file);
    int holder = 0;
    pid >> holder;
    EXPECT_EQ(holder, child) << "the file names its holder";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(InstanceLock(file).state(), InstanceLock::State::Held);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(InstanceLockTest, WithoutAPlaceForTheFileTheGameGoesOnUnguarded) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "taken") << "a file where the directory should be";
    const InstanceLock lock(dir_ / "taken" / "quillane.lock");
    EXPECT_EQ(lock.state(), InstanceLock::State::Unusable);
    EXPECT_FALSE(lock.reason().empty());
}

}  // namespace
}  // namespace quillane
