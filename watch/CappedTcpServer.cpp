#include "watch/CappedTcpServer.h"

#include <QTcpSocket>

namespace ravemo {

CappedTcpServer::CappedTcpServer(int most, QObject* parent) : QTcpServer(parent), most_(most) {}

void CappedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (open_ >= most_) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // The HTTP server deletes a connection's socket when it closes, the WebSocket that took it
    // over when it goes: either way the socket's end frees its place.
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    addPendingConnection(socket);
}

}  // namespace ravemo
