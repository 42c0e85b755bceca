#pragma once

#include <cstdint>
#include <optional>

#include <QHostAddress>
#include <QList>
#include <QString>

namespace ravemo {

// Addresses a home network keeps to itself: IPv4 10/8, 172.16/12, 192.168/16, 169.254/16 and
// loopback; IPv6 unique local (fc00::/7) and loopback. Anything else may be reachable from the
// internet.
bool IsPrivateAddress(const QHostAddress& address);

// The private IPv4 addresses of this machine's network interfaces that are up, loopback left
// out, in a stable order: where a phone on the same network finds the page.
QList<QHostAddress> LocalPrivateAddresses();

// "--serve [ADDRESS:]PORT": IPv6 addresses in brackets ("[fd00::1]:8080"); PORT 0 lets the
// system choose. The wildcard addresses are refused: the user names one address, or none for
// every private one.
struct ServeChoice {
    std::optional<QHostAddress> address;  // none: every private address
    std::uint16_t port = 0;
};
struct ServeChoiceResult {
    std::optional<ServeChoice> choice;
    QString problem;  // why the text was refused, when it was
};
ServeChoiceResult ParseServeChoice(const QString& text);

// "http://ADDRESS:PORT" as a browser sends it in an Origin header.
QString PageOrigin(const QHostAddress& address, std::uint16_t port);
// The page's address with its token: "http://ADDRESS:PORT/?t=TOKEN".
QString PageUrl(const QHostAddress& address, std::uint16_t port, const QString& token);

}  // namespace ravemo
