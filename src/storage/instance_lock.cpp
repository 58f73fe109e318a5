// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "storage/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace quillane {

InstanceLock::InstanceLock(const std::filesystem::path& lockFile) {
    std::error_code error;
    std::filesystem::create_directories(lockFile.parent_path(), error);
    fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd_ < 0) {
        reason_ = std::strerror(errno);
        return;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int cause = errno;
        ::close(fd_);
        fd_ = -1;
        if (cause == EWOULDBLOCK) {
            state_ = State::Taken;
        } else {
            reason_ = std::strerror(cause);
        }
        return;
    }
    state_ = State::Held;
    // The holder's process number, for a person looking at the file.
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0 && ::write(fd_, pid.data(), pid.size()) < 0)
        reason_ = std::strerror(errno);
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::filesystem::path LockFileFor(const std::filesystem::path& gameFile) {
    std::filesystem::path lock = gameFile;
    lock.replace_extension(".lock");
    return lock;
}

}  // namespace quillane
