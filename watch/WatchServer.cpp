#include "watch/WatchServer.h"

#include <algorithm>
#include <utility>

#include <QAbstractHttpServer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocket>

#include "watch/CappedTcpServer.h"
#include "watch/WatchAccess.h"
#include "watch/WatchAddresses.h"
#include "watch/WatchMessage.h"

namespace ravemo {
namespace {

using Status = QHttpServerResponder::StatusCode;

// A refused socket that never answers the closing handshake is cut off after this long.
constexpr int kRefusedSocketGraceMs = 2000;

QByteArray PageBytes() {
    QFile page(QStringLiteral(":/ravemo/watch/page.html"));
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

}  // namespace

// The HTTP side: the page with the token, 403 and an empty body without it.
class WatchServer::HttpFront final : public QAbstractHttpServer {
  public:
    // `origins`: the page's own "http://ADDRESS:PORT"; the live channel is the same as "ws://".
    HttpFront(const AccessToken& token, const QStringList& origins)
        : token_(token),
          origins_(origins),
          page_(PageBytes()),
          policy_(
              "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
              "connect-src 'self' " +
              QStringList(origins)
                  .replaceInStrings(QStringLiteral("http://"), QStringLiteral("ws://"))
                  .join(u' ')
                  .toLatin1() +
              "; img-src 'self' data:; form-action 'none'; frame-ancestors 'none'; "
              "base-uri 'none'") {}

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        const WatchAccess access = DecideWatchAccess(request.url(), token_);
        // Qt 6.4 asks here before it accepts a WebSocket: true lets the upgrade go on, false
        // has missingHandler() answer. A wrong token or origin never gets a WebSocket at all.
        if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0) {
            return access == WatchAccess::Live &&
                   WatchOriginAllowed(QString::fromUtf8(request.value("origin")), origins_);
        }
        QHttpServerResponder responder = makeResponder(request, socket);
        switch (access) {
            case WatchAccess::Forbidden:
                responder.write(Status::Forbidden);
                return true;
            case WatchAccess::Page:
                if (request.method() != QHttpServerRequest::Method::Get) {
                    responder.write(Status::MethodNotAllowed);
                    return true;
                }
                // The token is in the address: no other site may learn it from a referrer,
                // and the page may reach nothing but this server.
                responder.write(page_, {{"Content-Type", "text/html; charset=utf-8"},
                                        {"Cache-Control", "no-store"},
                                        {"Referrer-Policy", "no-referrer"},
                                        {"X-Content-Type-Options", "nosniff"},
                                        {"Content-Security-Policy", policy_}});
                return true;
            case WatchAccess::Live:  // the channel is a WebSocket, never a plain request
                responder.write(Status::BadRequest);
                return true;
            case WatchAccess::NotFound:
                break;
        }
        responder.write(Status::NotFound);
        return true;
    }

    // Only a refused WebSocket upgrade comes here: every other request is answered above.
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override {
        makeResponder(request, socket).write(Status::Forbidden);
    }

  private:
    const AccessToken& token_;
    QStringList origins_;
    QByteArray page_;
    QByteArray policy_;
};

WatchServer::WatchServer(std::optional<AccessToken> fixedToken, QObject* parent)
    : QObject(parent),
      fixedToken_(std::move(fixedToken)),
      token_(fixedToken_.value_or(AccessToken::generate())) {}

WatchServer::~WatchServer() { stop(); }

QString WatchServer::start(const QList<QHostAddress>& addresses, std::uint16_t port) {
    stop();
    // An address given out before (a screenshot, a phone left on the page) ends with the run.
    token_ = fixedToken_.value_or(AccessToken::generate());
    if (addresses.isEmpty()) {
        return tr("no address to listen on: this computer has no private network address");
    }
    // The port is known only once the first address listens; the HTTP side starts after all do.
    std::vector<std::unique_ptr<CappedTcpServer>> listening;
    std::uint16_t chosen = port;
    for (const QHostAddress& address : addresses) {
        auto server = std::make_unique<CappedTcpServer>(kMostConnections);
        if (!server->listen(address, chosen)) {
            return tr("cannot listen on %1 port %2: %3")
                .arg(address.toString())
                .arg(chosen)
                .arg(server->errorString());
        }
        chosen = server->serverPort();
        listening.push_back(std::move(server));
    }
    addresses_ = addresses;
    port_ = chosen;
    origins_.clear();
    for (const QHostAddress& address : addresses_) origins_ << PageOrigin(address, port_);
    http_ = std::make_unique<HttpFront>(token_, origins_);
    connect(http_.get(), &QAbstractHttpServer::newWebSocketConnection, this,
            &WatchServer::takeNewChannels);
    for (std::unique_ptr<CappedTcpServer>& server : listening) {
        server->setParent(http_.get());
        http_->bind(server.release());
    }
    return {};
}

void WatchServer::stop() {
    const bool hadWatchers = !channels_.empty();
    for (Channel& channel : channels_) {
        channel.socket->disconnect(this);
        channel.socket->close(QWebSocketProtocol::CloseCodeGoingAway, tr("Ravemo stopped sharing"));
        channel.socket->deleteLater();
    }
    channels_.clear();
    http_.reset();
    addresses_.clear();
    origins_.clear();
    port_ = 0;
    if (hadWatchers) Q_EMIT watchersChanged(0);
}

bool WatchServer::running() const { return http_ != nullptr; }

int WatchServer::openConnections() const {
    int open = 0;
    if (http_) {
        for (const QTcpServer* server : http_->servers()) {
            if (const auto* capped = qobject_cast<const CappedTcpServer*>(server)) {
                open += capped->openConnections();
            }
        }
    }
    return open;
}

QStringList WatchServer::pageUrls() const {
    QStringList urls;
    for (const QHostAddress& address : addresses_) urls << PageUrl(address, port_, token_.text());
    return urls;
}

void WatchServer::publish(const QByteArray& message) {
    if (message.size() > kMostWatchMessageBytes) return;
    latest_ = message;
    std::vector<QWebSocket*> laggards;
    for (Channel& channel : channels_) {
        if (channel.unsentBytes > kMostUnsentBytes) {
            if (++channel.missedInARow > kMostMissedMessages) laggards.push_back(channel.socket);
            continue;
        }
        send(channel, message);
    }
    for (QWebSocket* socket : laggards) drop(socket);
}

void WatchServer::send(Channel& channel, const QByteArray& message) {
    channel.missedInARow = 0;
    channel.unsentBytes += message.size();
    channel.socket->sendTextMessage(QString::fromUtf8(message));
}

void WatchServer::takeNewChannels() {
    while (http_ && http_->hasPendingWebSocketConnections()) {
        admit(http_->nextPendingWebSocketConnection());
    }
}

void WatchServer::admit(std::unique_ptr<QWebSocket> socket) {
    if (!socket) return;
    socket->setMaxAllowedIncomingMessageSize(kMostPageCommandBytes);
    socket->setMaxAllowedIncomingFrameSize(kMostPageCommandBytes);
    if (DecideWatchAccess(socket->requestUrl(), token_) != WatchAccess::Live) {
        refuse(std::move(socket), tr("wrong or missing token"));
        return;
    }
    if (!WatchOriginAllowed(socket->origin(), origins_)) {
        refuse(std::move(socket), tr("the page must come from this server"));
        return;
    }
    if (watchers() >= kMostWatchers) {
        refuse(std::move(socket),
               tr("too many phones are watching (at most %1)").arg(kMostWatchers));
        return;
    }
    QWebSocket* raw = socket.release();
    raw->setParent(this);
    channels_.push_back(Channel{raw});
    connect(raw, &QWebSocket::disconnected, this, [this, raw] { drop(raw); });
    connect(raw, &QWebSocket::bytesWritten, this, [this, raw](qint64 written) {
        for (Channel& channel : channels_) {
            if (channel.socket == raw) {
                channel.unsentBytes = std::max<qint64>(0, channel.unsentBytes - written);
            }
        }
    });
    connect(raw, &QWebSocket::textMessageReceived, this,
            [this](const QString& text) { onText(text); });
    if (!latest_.isEmpty()) send(channels_.back(), latest_);
    Q_EMIT watchersChanged(watchers());
}

void WatchServer::refuse(std::unique_ptr<QWebSocket> socket, const QString& reason) {
    QWebSocket* raw = socket.release();
    raw->setParent(this);
    connect(raw, &QWebSocket::disconnected, raw, &QObject::deleteLater);
    QTimer::singleShot(kRefusedSocketGraceMs, raw, [raw] {
        raw->abort();
        raw->deleteLater();
    });
    raw->close(QWebSocketProtocol::CloseCodePolicyViolated, reason);
}

void WatchServer::drop(QWebSocket* socket) {
    const auto found = std::find_if(channels_.begin(), channels_.end(),
                                    [socket](const Channel& c) { return c.socket == socket; });
    if (found == channels_.end()) return;
    channels_.erase(found);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    Q_EMIT watchersChanged(watchers());
}

void WatchServer::onText(const QString& text) {
    if (!commandsAllowed_) return;
    if (const std::optional<PageCommand> command = ParsePageCommand(text.toUtf8())) {
        Q_EMIT commandReceived(*command);
    }
}

}  // namespace ravemo
