#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace ravemo {

// What ReadBoundedFile found: the whole file, or a message for the user.
struct BoundedFileRead {
    std::optional<QByteArray> bytes;
    QString error;         // names the file, what is wrong with it and what to do
    bool missing = false;  // nothing exists under the name (a caller may take defaults)
};

// Reads a whole file that the program takes as input. Before anything is read it refuses a
// name that is not a regular file (a folder, a named pipe, a device such as /dev/zero, a
// socket) and a file larger than `maxBytes`, so no input can block the program or exhaust its
// memory; a file that grows past `maxBytes` while it is read is refused too. `kind` names the
// file in messages ("settings file", "sweep file").
BoundedFileRead ReadBoundedFile(const QString& path, qint64 maxBytes, const QString& kind);

}  // namespace ravemo
