#include "app/raise_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace pelorin::app {

bool AskRunningInstanceToRaise(const QString& channel) {
    QLocalSocket socket;
    socket.connectToServer(channel);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

RaiseListener::RaiseListener(const QString& channel, std::function<void()> raise, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), raise_(std::move(raise)) {
    // We hold the guard, so a socket left by a crashed instance is stale.
    QLocalServer::removeServer(channel);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(channel);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            raise_();
        }
    });
}

} // namespace pelorin::app
