#pragma once

#include <QStringList>
#include <QUrl>

#include "watch/AccessToken.h"

namespace ravemo {

// What a request to the phone page's server may reach. Every request must carry the token as
// the query item "t"; without it, with a wrong one, or with two, it reaches nothing (403), and
// says nothing of which paths exist.
enum class WatchAccess {
    Forbidden,  // no token, a wrong one, or more than one
    Page,       // "/": the page
    Live,       // "/live": the live channel (a WebSocket)
    NotFound,   // the token is right but the path names nothing
};

// The page's paths.
inline constexpr char kWatchPagePath[] = "/";
inline constexpr char kWatchLivePath[] = "/live";
inline constexpr char kWatchTokenItem[] = "t";

WatchAccess DecideWatchAccess(const QUrl& url, const AccessToken& token);

// The live channel's Origin header must be one of the page's own origins ("http://ADDRESS:PORT"
// of an address the server listens on): another site open in the phone's browser cannot reach
// the channel, not even through a name that resolves to this address. No origin is no access.
bool WatchOriginAllowed(const QString& origin, const QStringList& pageOrigins);

}  // namespace ravemo
