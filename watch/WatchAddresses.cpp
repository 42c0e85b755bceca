#include "watch/WatchAddresses.h"

#include <algorithm>
#include <utility>

#include <QNetworkInterface>

namespace ravemo {
namespace {

bool InSubnet(const QHostAddress& address, const char* network, int prefixLength) {
    return address.isInSubnet(QHostAddress(QString::fromLatin1(network)), prefixLength);
}

QString HostText(const QHostAddress& address) {
    const QString text = address.toString();
    return address.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + text + u']' : text;
}

}  // namespace

bool IsPrivateAddress(const QHostAddress& address) {
    if (address.isLoopback()) return true;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        return InSubnet(address, "10.0.0.0", 8) || InSubnet(address, "172.16.0.0", 12) ||
               InSubnet(address, "192.168.0.0", 16) || InSubnet(address, "169.254.0.0", 16);
    }
    return address.isUniqueLocalUnicast();
}

QList<QHostAddress> LocalPrivateAddresses() {
    QList<QHostAddress> found;
    const auto wanted = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if ((interface.flags() & wanted) != wanted) continue;
        if (interface.flags().testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress ip = entry.ip();
            if (ip.protocol() == QAbstractSocket::IPv4Protocol && !ip.isLoopback() &&
                IsPrivateAddress(ip) && !found.contains(ip)) {
                found.append(ip);
            }
        }
    }
    std::sort(found.begin(), found.end(), [](const QHostAddress& a, const QHostAddress& b) {
        return a.toIPv4Address() < b.toIPv4Address();
    });
    return found;
}

ServeChoiceResult ParseServeChoice(const QString& text) {
    const auto refuse = [&text](const QString& why) {
        return ServeChoiceResult{std::nullopt,
                                 QStringLiteral("--serve \"%1\": %2").arg(text.left(80), why)};
    };
    QString host;
    QString portText = text;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(QStringLiteral("]:"));
        if (close < 0) return refuse(QStringLiteral("write an IPv6 address as [ADDRESS]:PORT"));
        host = text.mid(1, close - 1);
        portText = text.mid(close + 2);
    } else if (const qsizetype colon = text.lastIndexOf(u':'); colon >= 0) {
        host = text.left(colon);
        portText = text.mid(colon + 1);
        if (host.contains(u':')) {
            return refuse(QStringLiteral("write an IPv6 address as [ADDRESS]:PORT"));
        }
    }
    bool ok = false;
    const uint port = portText.toUInt(&ok, 10);
    if (!ok || port > 65535 || portText.startsWith(u'+')) {
        return refuse(QStringLiteral("the port must be a number from 0 (any free port) to 65535"));
    }
    ServeChoice choice;
    choice.port = static_cast<std::uint16_t>(port);
    if (!host.isEmpty() || text.contains(u':')) {
        QHostAddress address;
        if (!address.setAddress(host)) {
            return refuse(QStringLiteral("\"%1\" is not an IP address").arg(host.left(80)));
        }
        if (address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6) {
            return refuse(QStringLiteral(
                "name one address of this machine, or give only the port for every private one"));
        }
        choice.address = address;
    }
    return ServeChoiceResult{choice, {}};
}

QString PageOrigin(const QHostAddress& address, std::uint16_t port) {
    return QStringLiteral("http://%1:%2").arg(HostText(address)).arg(port);
}

QString PageUrl(const QHostAddress& address, std::uint16_t port, const QString& token) {
    return QStringLiteral("%1/?t=%2").arg(PageOrigin(address, port), token);
}

}  // namespace ravemo
