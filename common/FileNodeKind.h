#pragma once

#ifndef _WIN32

#include <sys/stat.h>

#include <QString>

namespace ravemo {

// What a name that is not a regular file names ("a named pipe", "a character device"), for
// messages that refuse to read or write it.
inline QString FileNodeKind(mode_t mode) {
    if (S_ISDIR(mode)) return QStringLiteral("a folder");
    if (S_ISFIFO(mode)) return QStringLiteral("a named pipe");
    if (S_ISCHR(mode)) return QStringLiteral("a character device");
    if (S_ISBLK(mode)) return QStringLiteral("a block device");
    if (S_ISSOCK(mode)) return QStringLiteral("a socket");
    return QStringLiteral("not a regular file");
}

}  // namespace ravemo

#endif
