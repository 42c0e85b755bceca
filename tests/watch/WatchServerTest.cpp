// The server over real sockets on 127.0.0.1: 403 without the token, the live channel's token,
// origin and limit of 8, the size limit on what a phone sends, and the commands it may send.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QWebSocket>

#include "support/WaitUntil.h"
#include "watch/WatchServer.h"

namespace ravemo {
namespace {

using test::WaitUntil;

const QString kServerToken = QStringLiteral("00112233445566778899aabbccddeeff");

// One phone: its socket and what it was sent.
struct Phone {
    std::unique_ptr<QWebSocket> socket;
    QStringList received;
    bool opened = false;  // the handshake succeeded
    bool closed = false;

    Phone(const QString& url, const QString& origin)
        : socket(std::make_unique<QWebSocket>(origin)) {
        QObject::connect(socket.get(), &QWebSocket::textMessageReceived,
                         [this](const QString& text) { received << text; });
        QObject::connect(socket.get(), &QWebSocket::connected, [this] { opened = true; });
        QObject::connect(socket.get(), &QWebSocket::disconnected, [this] { closed = true; });
        socket->open(QUrl(url));
    }
};

class WatchServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server_.start({QHostAddress::LocalHost}, 0).isEmpty());
        base_ = QStringLiteral("127.0.0.1:%1").arg(server_.port());
        origin_ = QStringLiteral("http://") + base_;
        server_.publish(R"({"sweep":1})");
    }
    QString live(const QString& token = kServerToken) const {
        return QStringLiteral("ws://%1/live?t=%2").arg(base_, token);
    }
    std::unique_ptr<Phone> connect(const QString& url, const QString& origin) {
        auto phone = std::make_unique<Phone>(url, origin);
        EXPECT_TRUE(WaitUntil([&] { return !phone->received.isEmpty() || phone->closed; }));
        return phone;
    }

    WatchServer server_{AccessToken::fromText(kServerToken)};
    QString base_;
    QString origin_;
};

TEST_F(WatchServerTest, ThePageOnlyWithTheTokenAndNothingElseWithout) {
    QNetworkAccessManager network;
    const struct {
        QString path;
        int status;
        bool page;
    } cases[] = {
        {QStringLiteral("/?t=") + kServerToken, 200, true},
        {QStringLiteral("/"), 403, false},
        {QStringLiteral("/?t=00112233445566778899aabbccddeefe"), 403, false},
        {QStringLiteral("/live"), 403, false},
        {QStringLiteral("/missing"), 403, false},
        {QStringLiteral("/missing?t=") + kServerToken, 404, false},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QNetworkReply> reply(
            network.get(QNetworkRequest(QUrl(QStringLiteral("http://") + base_ + c.path))));
        ASSERT_TRUE(WaitUntil([&] { return reply->isFinished(); })) << c.path.toStdString();
        const QByteArray body = reply->readAll();
        EXPECT_EQ(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), c.status)
            << c.path.toStdString();
        EXPECT_EQ(body.contains("<canvas"), c.page) << c.path.toStdString();
        if (c.status == 403) {
            EXPECT_TRUE(body.isEmpty()) << c.path.toStdString();
        }
    }
}

TEST_F(WatchServerTest, TheLiveChannelChecksTokenAndOriginBeforeSendingAnything) {
    const struct {
        QString url;
        QString origin;
        bool admitted;
    } cases[] = {
        {live(), origin_, true},
        {live(QStringLiteral("00112233445566778899aabbccddeefe")), origin_, false},
        {live(QString()), origin_, false},
        {QStringLiteral("ws://%1/?t=%2").arg(base_, kServerToken), origin_, false},
        {live(), QStringLiteral("http://evil.example"), false},
        {live(), QString(), false},
    };
    std::vector<std::unique_ptr<Phone>> phones;
    for (const auto& c : cases) {
        const Phone* phone = phones.emplace_back(connect(c.url, c.origin)).get();
        const std::string label = (c.url + u' ' + c.origin).toStdString();
        if (c.admitted) {
            EXPECT_EQ(phone->received, QStringList{QStringLiteral(R"({"sweep":1})")}) << label;
            EXPECT_EQ(server_.watchers(), 1);
            continue;
        }
        // Refused in the handshake (403): no WebSocket, nothing sent, nobody counted.
        EXPECT_FALSE(phone->opened) << label;
        EXPECT_TRUE(phone->closed) << label;
        EXPECT_TRUE(phone->received.isEmpty()) << label;
        EXPECT_EQ(server_.watchers(), 1) << label;
    }
}

TEST_F(WatchServerTest, EightPhonesWatchTheNinthIsRefusedUntilOneLeaves) {
    std::vector<std::unique_ptr<Phone>> phones(WatchServer::kMostWatchers);
    for (std::unique_ptr<Phone>& phone : phones) phone = connect(live(), origin_);
    EXPECT_EQ(server_.watchers(), 8);
    const std::unique_ptr<Phone> ninth = connect(live(), origin_);
    EXPECT_TRUE(ninth->closed);
    EXPECT_TRUE(ninth->socket->closeReason().contains(QStringLiteral("too many")));
    EXPECT_EQ(server_.watchers(), 8);

    server_.publish(R"({"sweep":2})");
    for (const auto& phone : phones) {
        EXPECT_TRUE(WaitUntil([&] { return phone->received.size() == 2; }));
    }
    phones.back()->socket->close();
    ASSERT_TRUE(WaitUntil([&] { return server_.watchers() == 7; }));
    const std::unique_ptr<Phone> next = connect(live(), origin_);
    EXPECT_FALSE(next->closed);
    EXPECT_EQ(next->received, QStringList{QStringLiteral(R"({"sweep":2})")});
}

TEST_F(WatchServerTest, IdleConnectionsCannotPileUp) {
    std::vector<std::unique_ptr<QTcpSocket>> idle(WatchServer::kMostConnections + 1);
    for (std::unique_ptr<QTcpSocket>& socket : idle) {
        socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QHostAddress::LocalHost, server_.port());
        ASSERT_TRUE(socket->waitForConnected(2000));
        WaitUntil([] { return false; }, 5);  // the server takes it
    }
    // The one over the bound is closed by the server; the others stay open.
    EXPECT_TRUE(
        WaitUntil([&] { return idle.back()->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(idle.front()->state(), QAbstractSocket::ConnectedState);
    // Their places free again once they go.
    idle.clear();
    ASSERT_TRUE(WaitUntil([&] { return server_.openConnections() == 0; }));
    const std::unique_ptr<Phone> phone = connect(live(), origin_);
    EXPECT_FALSE(phone->received.isEmpty());
}

// A phone that stops reading misses messages instead of having them queue up, and is dropped
// when it keeps missing them; a phone that reads gets every one meanwhile.
TEST_F(WatchServerTest, APhoneThatStopsReadingIsDroppedWithoutHoldingUpTheOthers) {
    QTcpSocket stalled;
    stalled.connectToHost(QHostAddress::LocalHost, server_.port());
    ASSERT_TRUE(stalled.waitForConnected(2000));
    stalled.write(QStringLiteral("GET /live?t=%1 HTTP/1.1\r\nHost: %2\r\nUpgrade: websocket\r\n"
                                 "Connection: Upgrade\r\nSec-WebSocket-Key: "
                                 "dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n"
                                 "Origin: %3\r\n\r\n")
                      .arg(kServerToken, base_, origin_)
                      .toLatin1());
    ASSERT_TRUE(WaitUntil([&] { return stalled.bytesAvailable() > 0; }));
    ASSERT_TRUE(stalled.readLine().startsWith("HTTP/1.1 101"));
    stalled.setReadBufferSize(1);  // from here on it reads next to nothing
    const std::unique_ptr<Phone> reader = connect(live(), origin_);
    ASSERT_EQ(server_.watchers(), 2);

    const QByteArray big = R"({"pad":")" + QByteArray(qsizetype{60} * 1024, 'x') + R"("})";
    int published = 0;
    while (server_.watchers() == 2 && published < 2000) {
        server_.publish(big);
        ++published;
        WaitUntil([] { return false; }, 2);
    }
    EXPECT_EQ(server_.watchers(), 1);
    EXPECT_TRUE(WaitUntil([&] { return reader->received.size() == published + 1; }));
}

TEST_F(WatchServerTest, OnlyAllowedCommandsOfBoundedSizeReachTheProgram) {
    std::vector<PageCommand> commands;
    QObject::connect(&server_, &WatchServer::commandReceived,
                     [&](const PageCommand& c) { commands.push_back(c); });
    const std::unique_ptr<Phone> phone = connect(live(), origin_);
    const QString sweepDip = QStringLiteral(R"({"command":"sweep_dip","dip":1})");

    phone->socket->sendTextMessage(sweepDip);  // not allowed yet: dropped
    WaitUntil([] { return false; }, 300);      // the server reads it meanwhile
    ASSERT_TRUE(commands.empty());
    server_.setCommandsAllowed(true);
    phone->socket->sendTextMessage(QStringLiteral(R"({"command":"save","file":"x"})"));
    phone->socket->sendTextMessage(sweepDip);
    ASSERT_TRUE(WaitUntil([&] { return !commands.empty(); }));
    ASSERT_EQ(commands.size(), 1U);
    EXPECT_EQ(commands[0].kind, PageCommand::Kind::SweepAroundDip);
    EXPECT_EQ(commands[0].dip, 1);

    // An oversized message ends the phone's connection unread.
    phone->socket->sendTextMessage(sweepDip + QString(kMostPageCommandBytes, u' '));
    EXPECT_TRUE(WaitUntil([&] { return phone->closed && server_.watchers() == 0; }));
    EXPECT_EQ(commands.size(), 1U);
}

TEST(WatchServerStartTest, EveryStartMakesANewTokenAndABusyPortIsSaidSo) {
    WatchServer server;
    ASSERT_TRUE(server.start({QHostAddress::LocalHost}, 0).isEmpty());
    const QString first = server.token().text();
    ASSERT_TRUE(server.start({QHostAddress::LocalHost}, 0).isEmpty());
    EXPECT_NE(server.token().text(), first);
    EXPECT_TRUE(server.pageUrls().value(0).endsWith(server.token().text()));

    // A port in use: said so, and nothing left listening.
    WatchServer second;
    const QString problem = second.start({QHostAddress::LocalHost}, server.port());
    EXPECT_TRUE(problem.contains(QString::number(server.port()))) << problem.toStdString();
    EXPECT_FALSE(second.running());
    EXPECT_TRUE(second.pageUrls().isEmpty());
}

TEST_F(WatchServerTest, StoppingClosesEveryChannelAndTheListeningPort) {
    const std::unique_ptr<Phone> phone = connect(live(), origin_);
    server_.stop();
    EXPECT_TRUE(WaitUntil([&] { return phone->closed; }));
    EXPECT_FALSE(server_.running());
    const std::unique_ptr<Phone> late = std::make_unique<Phone>(live(), origin_);
    EXPECT_TRUE(WaitUntil([&] { return late->closed; }));
    EXPECT_TRUE(late->received.isEmpty());
}

}  // namespace
}  // namespace ravemo

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
