#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace ravemo {

// Writes `bytes` to `path` through a temporary file beside it that replaces the old file only
// when every byte has reached the disk, so a failure (a full disk, a file-size limit) never
// destroys or empties the previous file. Only a new name or a regular file is written: a
// folder, a named pipe or a device under the name (or at the end of a symbolic link) is
// refused, never replaced. A link to a regular file is written through to that file, which
// keeps its permissions. Nothing on success, else the reason in the system's words, with what
// to do for the usual causes.
[[nodiscard]] std::optional<QString> WriteFileAtomically(const QString& path,
                                                         const QByteArray& bytes);

}  // namespace ravemo
