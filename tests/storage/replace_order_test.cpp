// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "storage/profile.h"
#include "test_files.h"

// This program's own fsync and rename stand in for the C library's, so that the order in which a
// file is replaced can be watched: a rename the disk may see before the data would leave an
// empty file after a power cut.
namespace {

struct Call {
    std::string name;
    std::string path;  // the file synced, or the one renamed into place
    std::string to;

    bool operator==(const Call&) const = default;
};

bool watching = false;
std::vector<Call> calls;

std::string PathOf(int fd) {
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), path, sizeof path);
    return length < 0 ? std::string() : std::string(path, static_cast<std::size_t>(length));
}

template <class Function>
Function* Real(const char* name) {
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
    if (watching)
        calls.push_back({"fsync", PathOf(fd), ""});
    return Real<int(int)>("fsync")(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    if (watching)
        calls.push_back({"rename", from, to});
    return Real<int(const char*, const char*)>("rename")(from, to);
}

namespace quillane::profile {
namespace {

TEST(ReplaceFile, SyncsTheDataBeforeTheRenameAndTheDirectoryAfter) {
    const test_support::TemporaryDirectory dir("quillane-replace");
    const std::filesystem::path file = dir.path() / "quillane.ini";
    test_support::Put(file, "old");
    watching = true;
    ReplaceFile(file, "new");
    watching = false;
    ASSERT_EQ(calls.size(), 3u);
    const std::string temporary = calls[1].path;
    EXPECT_EQ(calls, (std::vector<Call>{{"fsync", temporary, ""},
                                        {"rename", temporary, file.string()},
                                        {"fsync", dir.path().string(), ""}}));
    EXPECT_EQ(test_support::Contents(file), "new");
}

}  // namespace
}  // namespace quillane::profile
