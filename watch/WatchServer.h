#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "watch/AccessToken.h"
#include "watch/PageCommand.h"

class QWebSocket;

namespace ravemo {

// The phone page's server: the page at "/" and the live channel (a WebSocket) at "/live", both
// only with the token (see WatchAccess). Every message published goes to each phone watching;
// a phone that does not keep up misses messages rather than having them queue up, and is
// dropped when it keeps missing them. A phone that connects gets the latest message at once.
//
// A WebSocket upgrade without the token or from another origin is refused with 403 before any
// WebSocket exists. The limit of kMostWatchers is checked as the socket arrives: the ninth is
// closed at once with the reason, which the page shows, and is sent nothing.
//
// The page may send only PageCommand messages, and only while commandsAllowed(); everything
// else is dropped unread past its size limit.
class WatchServer final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMostWatchers = 8;
    // Open connections on each address, the watchers' included; one more is closed at once.
    static constexpr int kMostConnections = 32;
    // A phone with more than this still to be written to it misses the next messages...
    static constexpr qint64 kMostUnsentBytes = 256 * 1024;
    // ... and is dropped after missing this many in a row (about half a minute of sweeps).
    static constexpr int kMostMissedMessages = 60;

    // A fresh token at each start(); tests give a fixed one.
    explicit WatchServer(std::optional<AccessToken> fixedToken = std::nullopt,
                         QObject* parent = nullptr);
    ~WatchServer() override;

    // Listens on each address at `port` (0: a port the system chooses, the same on every
    // address). Empty on success, else what went wrong, with nothing left listening.
    QString start(const QList<QHostAddress>& addresses, std::uint16_t port);
    // Closes every channel (the page then says the connection is lost) and stops listening.
    void stop();
    bool running() const;

    const AccessToken& token() const { return token_; }
    std::uint16_t port() const { return port_; }
    const QList<QHostAddress>& addresses() const { return addresses_; }
    // "http://ADDRESS:PORT/?t=TOKEN" for each address.
    QStringList pageUrls() const;
    int watchers() const { return static_cast<int>(channels_.size()); }
    // Connections open on all addresses, the watchers' included.
    int openConnections() const;

    void setCommandsAllowed(bool allowed) { commandsAllowed_ = allowed; }
    bool commandsAllowed() const { return commandsAllowed_; }

    // Sends `message` (one JSON text) to every phone watching and keeps it for those that come.
    // A message over kMostWatchMessageBytes is not sent.
    void publish(const QByteArray& message);

  Q_SIGNALS:
    void watchersChanged(int count);
    void commandReceived(const ravemo::PageCommand& command);

  private:
    class HttpFront;
    struct Channel {
        QWebSocket* socket = nullptr;
        qint64 unsentBytes = 0;
        int missedInARow = 0;
    };

    void takeNewChannels();
    void admit(std::unique_ptr<QWebSocket> socket);
    void send(Channel& channel, const QByteArray& message);
    void drop(QWebSocket* socket);
    void refuse(std::unique_ptr<QWebSocket> socket, const QString& reason);
    void onText(const QString& text);

    std::optional<AccessToken> fixedToken_;
    AccessToken token_;
    std::unique_ptr<HttpFront> http_;
    QList<QHostAddress> addresses_;
    QStringList origins_;
    std::uint16_t port_ = 0;
    std::vector<Channel> channels_;
    QByteArray latest_;
    bool commandsAllowed_ = false;
};

}  // namespace ravemo
