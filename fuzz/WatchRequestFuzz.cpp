// What the phone page's server reads from the network and the command line: a request's
// address (path, query, token), a message from the page, and the --serve text. Properties:
// nothing is reached without the exact token, a command the page may send stays within its
// bounds, and an accepted --serve names no wildcard address.
#include <QHostAddress>
#include <QUrl>

#include "FuzzCheck.h"
#include "watch/PageCommand.h"
#include "watch/WatchAccess.h"
#include "watch/WatchAddresses.h"

using namespace ravemo;

namespace {

const QString kToken = QStringLiteral("0123456789abcdef0123456789abcdef");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = BytesOf(data, size);
    const QString text = QString::fromUtf8(bytes);
    const AccessToken token = AccessToken::fromText(kToken);

    const QUrl url(text);
    const WatchAccess access = DecideWatchAccess(url, token);
    if (access != WatchAccess::Forbidden) {
        Require(url.query(QUrl::FullyDecoded).contains(kToken), "no access without the token",
                text);
    }
    // The same request with the token's last digit changed reaches nothing.
    QString altered = text;
    altered.replace(kToken, QStringLiteral("0123456789abcdef0123456789abcdee"));
    if (!altered.contains(kToken)) {
        Require(DecideWatchAccess(QUrl(altered), token) == WatchAccess::Forbidden,
                "a token one digit off reaches nothing", altered);
    }
    static_cast<void>(WatchOriginAllowed(text, {QStringLiteral("http://127.0.0.1:8080")}));

    if (const std::optional<PageCommand> command = ParsePageCommand(bytes)) {
        Require(bytes.size() <= kMostPageCommandBytes, "no long command is read");
        Require(command->dip >= 0 && command->dip <= 99, "a dip index within the list", text);
        Require(command->kind != PageCommand::Kind::SweepBand ||
                    (!command->band.isEmpty() && command->band.size() <= 16),
                "a short band name", text);
    }

    const ServeChoiceResult serve = ParseServeChoice(text);
    Require(serve.choice.has_value() == serve.problem.isEmpty(), "accepted or explained", text);
    if (serve.choice && serve.choice->address) {
        Require(*serve.choice->address != QHostAddress::AnyIPv4 &&
                    *serve.choice->address != QHostAddress::AnyIPv6,
                "no wildcard address", text);
    }
    return 0;
}
