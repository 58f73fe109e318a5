// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/instance_channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace quillane {
namespace {

// Room is kept for two terminating bytes in sun_path, as Qt's sockets keep, one more than the
// system needs: a path that fitted there fits here.
constexpr qsizetype kLongestPath = sizeof(sockaddr_un::sun_path) - 2;

bool OwnedByUser(const struct stat& status) {
    return status.st_uid == ::geteuid();
}

// XDG_RUNTIME_DIR when it names a directory of this user's, else empty.
QString RuntimeDirectory() {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    struct stat status {};
    if (dir == nullptr || dir[0] != '/' || ::stat(dir, &status) != 0 || !S_ISDIR(status.st_mode) ||
        !OwnedByUser(status))
        return {};
    return QFile::decodeName(dir);
}

sockaddr_un Address(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

}  // namespace

InstanceChannel::InstanceChannel(const QString& lockFile) {
    if (const QString runtime = RuntimeDirectory(); !runtime.isEmpty()) {
        // One runtime directory serves every settings directory: the lock file's hash tells
        // them apart.
        const QByteArray hash =
            QCryptographicHash::hash(lockFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
        path_ = runtime + QStringLiteral("/quillane-") + QString::fromLatin1(hash);
    } else {
        const QFileInfo lock(lockFile);
        path_ = lock.path() + u'/' + lock.completeBaseName() + QStringLiteral(".socket");
    }
    if (QFile::encodeName(path_).size() > kLongestPath)
        path_.clear();
}

bool InstanceChannel::Listen(std::function<void()> comeForward) {
    if (path_.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(path_);
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0) {
        // Only one of our own sockets may be replaced; anything else there is not ours to remove.
        if (!S_ISSOCK(status.st_mode) || !OwnedByUser(status) || ::unlink(path.constData()) != 0)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const sockaddr_un address = Address(path);
    // Only this user may call: the socket is made without rights for anyone else.
    const mode_t mask = ::umask(077);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(fd, 8) != 0) {
        if (bound)
            ::unlink(path.constData());
        ::close(fd);
        return false;
    }
    listening_ = fd;
    calls_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(calls_.get(), &QSocketNotifier::activated, calls_.get(),
                     [fd, comeForward = std::move(comeForward)] {
                         for (int call;
                              (call = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                             ::close(call);
                             comeForward();
                         }
                     });
    return true;
}

InstanceChannel::~InstanceChannel() {
    if (listening_ < 0)
        return;
    calls_.reset();
    ::close(listening_);
    ::unlink(QFile::encodeName(path_).constData());
}

bool InstanceChannel::CallRunningCopy() const {
    if (path_.isEmpty())
        return false;
    struct stat status {};
    if (::lstat(QFile::encodeName(path_).constData(), &status) != 0 || !S_ISSOCK(status.st_mode) ||
        !OwnedByUser(status))
        return false;
    // A local connection is made or refused at once: a listening copy queues it without waiting
    // for its event loop, so there is nothing to wait for.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const sockaddr_un address = Address(QFile::encodeName(path_));
    const bool called =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return called;
}

}  // namespace quillane
