#include "watch/WatchAccess.h"

#include <QUrlQuery>

namespace ravemo {

WatchAccess DecideWatchAccess(const QUrl& url, const AccessToken& token) {
    const QUrlQuery query(url);
    const QString name = QString::fromLatin1(kWatchTokenItem);
    // Two tokens could be read one way here and another elsewhere: neither counts.
    const QStringList given = query.allQueryItemValues(name, QUrl::FullyDecoded);
    if (given.size() != 1 || !token.matches(given.front())) return WatchAccess::Forbidden;
    const QString path = url.path(QUrl::FullyEncoded);
    if (path == QLatin1String(kWatchPagePath)) return WatchAccess::Page;
    if (path == QLatin1String(kWatchLivePath)) return WatchAccess::Live;
    return WatchAccess::NotFound;
}

bool WatchOriginAllowed(const QString& origin, const QStringList& pageOrigins) {
    if (origin.isEmpty()) return false;
    // Browsers send the origin in lower case; a trailing slash is no part of an origin.
    return pageOrigins.contains(origin, Qt::CaseInsensitive);
}

}  // namespace ravemo
