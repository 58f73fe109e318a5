// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>

namespace quillane {

// One copy of the game at a time on one settings directory. The lock is an advisory lock on a
// file beside the game file, held for as long as this object lives; the system releases it when
// the holding process ends in any way, so a crashed copy never keeps the next one out.
class InstanceLock {
  public:
    enum class State {
        Held,      // this process holds it
        Taken,     // another running copy holds it
        Unusable,  // the lock file cannot be made: the game goes on unguarded
    };

    explicit InstanceLock(const std::filesystem::path& lockFile);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Why the lock file cannot be used, when Unusable.
    const std::string& reason() const { return reason_; }

  private:
    int fd_ = -1;
    State state_ = State::Unusable;
    std::string reason_;
};

// The lock file for a game file: beside it, with ".lock" for its extension.
std::filesystem::path LockFileFor(const std::filesystem::path& gameFile);

}  // namespace quillane
