#include "platform/qt/running_copy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace velmaris::platform {
namespace {

constexpr QByteArrayView kRaise = "raise\n";

}  // namespace

RunningCopyChannel::RunningCopyChannel(const QString& appFolder, QObject* parent)
    : QObject(parent), name_(ChannelName(appFolder)) {}

RunningCopyChannel::~RunningCopyChannel() = default;

QString RunningCopyChannel::ChannelName(const QString& appFolder) {
    const QByteArray folder = QDir::cleanPath(QDir(appFolder).absolutePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("velmaris-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.left(16)));
}

bool RunningCopyChannel::Listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the copy that holds the lock listens, so a socket left by one that crashed is stale.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_)) {
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().startsWith(QByteArray(kRaise.data(), kRaise.size()))) {
                    emit raiseRequested();
                }
                socket->disconnectFromServer();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return true;
}

bool RunningCopyChannel::AskToRaise(const QString& appFolder, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(ChannelName(appFolder));
    if (!socket.waitForConnected(timeoutMs)) {
        return false;
    }
    socket.write(kRaise.data(), kRaise.size());
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace velmaris::platform
