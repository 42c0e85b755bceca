#include "files/SafeFileIo.h"

#include <QSaveFile>

namespace ravemo {
namespace {

// Gives up the temporary file and returns why.
QString cancelled(QSaveFile& file) {
    QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

}  // namespace

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return QStringLiteral("No file name was given.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) return cancelled(file);
    // A small file stays in the device's buffer until here; commit() alone would not report a
    // failed flush and would put an empty file in place of the old one.
    if (!file.flush() || file.error() != QFileDevice::NoError) return cancelled(file);
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace ravemo
