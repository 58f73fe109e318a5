#include "platform/instance_channel.h"

#include <QCryptographicHash>
#include <QLocalSocket>

namespace quillane {
namespace {

constexpr int kCallTimeoutMs = 1000;

}  // namespace

InstanceChannel::InstanceChannel(const QString& lockFile) {
    // A socket name must be short and free of slashes; the path's hash is both.
    const QByteArray hash =
        QCryptographicHash::hash(lockFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    name_ = QStringLiteral("quillane-") + QString::fromLatin1(hash);
}

bool InstanceChannel::Listen(std::function<void()> comeForward) {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock says no copy runs, so a socket left by a crashed one is stale.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_))
        return false;
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
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kCallTimeoutMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

}  // namespace quillane
