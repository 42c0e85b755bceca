#pragma once

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QString>

namespace ravemo::testing {

inline const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
inline const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace ravemo::testing
