#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace ravemo {

// Writes `bytes` to `path` through a temporary file that replaces the old file only when every
// byte has reached it, so a failure (a full disk, a file-size limit) never destroys or empties
// the previous file. Nothing on success, else the reason.
std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace ravemo
