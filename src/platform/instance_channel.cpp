// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/instance_channel.h"

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <cerrno>
#include <cstdlib>

namespace quillane {
namespace {

// Qt wants room for two terminating bytes in sun_path, one more than the system does.
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
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path_)) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [server = server_.get(), comeForward = std::move(comeForward)] {
                         while (QLocalSocket* socket = server->nextPendingConnection()) {
                             socket->disconnectFromServer();
                             socket->deleteLater();
                             comeForward();
                         }
                     });
    return true;
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
    QLocalSocket socket;
    socket.connectToServer(path_);
    const bool called = socket.state() == QLocalSocket::ConnectedState;
    socket.abort();
    return called;
}

}  // namespace quillane
