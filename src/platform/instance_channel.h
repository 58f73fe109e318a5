// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

namespace quillane {

// How a second copy of the game asks the copy already running to come forward. The running copy
// listens on a socket of this user's: in XDG_RUNTIME_DIR under a name made from its lock file's
// path, or else beside the lock file; the second copy calls in once.
class InstanceChannel {
  public:
    explicit InstanceChannel(const QString& lockFile);
    ~InstanceChannel();
    InstanceChannel(const InstanceChannel&) = delete;
    InstanceChannel& operator=(const InstanceChannel&) = delete;

    // Answers every call by running `comeForward`. The caller holds the instance lock, so a socket
    // of this user's already at the path is stale and replaced; false when anything else is there
    // or there is no usable path.
    bool Listen(std::function<void()> comeForward);
    // Asks the copy listening on this user's socket to come forward; false when none answers.
    bool CallRunningCopy() const;

    // The socket's full path; empty when it would be too long for a Unix socket.
    const QString& path() const { return path_; }

  private:
    QString path_;
    int listening_ = -1;  // the socket listened on, a plain one: Qt's network module is not loaded
    std::unique_ptr<QSocketNotifier> calls_;
};

}  // namespace quillane
