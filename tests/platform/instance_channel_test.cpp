// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/instance_channel.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "test_files.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;
using test_support::ScopedEnv;

// A Unix socket bound at `path` as another program would leave it; listening when `live`.
int BoundSocket(const fs::path& path, bool live) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0) << path;
    EXPECT_TRUE(!live || ::listen(fd, 4) == 0);
    return fd;
}

class InstanceChannelTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "channel-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    QString lockFile() const { return QString::fromStdString((dir_ / "quillane.lock").string()); }

    fs::path dir_;
    ScopedEnv runtime_{"XDG_RUNTIME_DIR", nullptr};
};

TEST_F(InstanceChannelTest, LivesInTheUsersRuntimeDirectoryOrElseBesideTheLockFile) {
    const fs::path run = dir_ / "run", theirs = dir_ / "theirs";
    fs::create_directories(run);
    fs::create_directories(theirs);
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(theirs.c_str(), 65534, 65534) == 0);
    const struct {
        std::string runtime;
        bool inRuntime;
    } cases[] = {{run, true},
                 {"", false},
                 {fs::relative(run), false},
                 {dir_ / "missing", false},
                 {root ? theirs.string() : "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.runtime);
        ScopedEnv env("XDG_RUNTIME_DIR", c.runtime.empty() ? nullptr : c.runtime.c_str());
        const fs::path socket = InstanceChannel(lockFile()).path().toStdString();
        if (c.inRuntime) {
            EXPECT_EQ(socket.parent_path(), run);
            EXPECT_TRUE(
                std::regex_match(socket.filename().string(), std::regex("quillane-[0-9a-f]{16}")));
        } else {
            EXPECT_EQ(socket, dir_ / "quillane.socket");
        }
    }
}

TEST_F(InstanceChannelTest, ReplacesOnlyAStaleSocketOfItsOwnAndAnswersCalls) {
    const fs::path socket = dir_ / "quillane.socket";
    for (const bool stale : {true, false}) {
        SCOPED_TRACE(stale ? "a socket left by a killed copy" : "a file");
        if (stale)
            ::close(BoundSocket(socket, false));
        else
            std::ofstream(socket) << "kept";
        int calls = 0;
        {
            InstanceChannel running(lockFile());
            QEventLoop loop;
            QTimer::singleShot(5000, &loop, &QEventLoop::quit);
            ASSERT_EQ(running.Listen([&] {
                ++calls;
                loop.quit();
            }),
                      stale);
            EXPECT_EQ(InstanceChannel(lockFile()).CallRunningCopy(), stale);
            if (stale)
                loop.exec();
        }
        EXPECT_EQ(calls, stale ? 1 : 0);
        EXPECT_EQ(test_support::Contents(socket), stale ? "" : "kept");
    }
}

TEST_F(InstanceChannelTest, LeavesAnotherUsersSocketAlone) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a socket to another user";
    InstanceChannel channel(lockFile());
    const int squatter = BoundSocket(channel.path().toStdString(), true);
    ASSERT_EQ(::chown(channel.path().toLocal8Bit().constData(), 65534, 65534), 0);
    EXPECT_FALSE(channel.Listen([] {}));
    EXPECT_FALSE(channel.CallRunningCopy());
    struct stat status {};
    EXPECT_EQ(::lstat(channel.path().toLocal8Bit().constData(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode) && status.st_uid == 65534);
    pollfd call{squatter, POLLIN, 0};
    EXPECT_EQ(::poll(&call, 1, 0), 0) << "the squatter was called";
    ::close(squatter);
}

TEST_F(InstanceChannelTest, APathTooLongForASocketGivesNoChannel) {
    // The socket is "<lock file's directory>/quillane.socket"; 106 bytes is the longest Qt binds.
    for (const std::size_t length : {std::size_t{106}, std::size_t{107}}) {
        SCOPED_TRACE(length);
        const fs::path deep = dir_ / std::string(length - dir_.string().size() - 17, 'd');
        fs::create_directories(deep);
        InstanceChannel channel(QString::fromStdString((deep / "quillane.lock").string()));
        const bool fits = length <= 106;
        EXPECT_EQ(channel.path().size(), fits ? qsizetype(length) : 0);
        EXPECT_EQ(channel.Listen([] {}), fits);
        EXPECT_EQ(channel.CallRunningCopy(), fits);
        EXPECT_EQ(fs::exists(deep / "quillane.socket"), fits);
    }
}

}  // namespace
}  // namespace quillane

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
