#include "files/SafeFileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ravemo {

std::optional<QString> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) return QStringLiteral("No file name was given.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

FileReadResult ReadWholeFile(const QString& path) {
    FileReadResult result;
    if (path.isEmpty()) {
        result.error = QStringLiteral("No file name was given.");
        return result;
    }
    if (QFileInfo(path).isDir()) {
        result.error = QStringLiteral("It is a folder, not a file.");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace ravemo
