#include "startup/IniFile.h"

#include <QStringDecoder>
#include <QStringList>

namespace ravemo {
namespace {

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return QString::fromLatin1(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    return text;
}

QString withoutEnclosingQuotes(const QString& value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first) {
            return value.mid(1, value.size() - 2);
        }
    }
    return value;
}

}  // namespace

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile file;
    const QStringList lines = decode(bytes).split(u'\n');
    QString section;
    bool inSection = false;
    for (const QString& rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';')) continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            // An unclosed "[name" still starts a section, as the Windows readers take it.
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            inSection = true;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0) continue;
        const QString key = line.left(equals).trimmed();
        if (key.isEmpty()) continue;
        const QString name = lookupName(section, key);
        if (file.values_.contains(name)) continue;
        file.values_.insert(name, withoutEnclosingQuotes(line.mid(equals + 1).trimmed()));
    }
    return file;
}

bool IniFile::contains(const QString& section, const QString& key) const {
    return values_.contains(lookupName(section, key));
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const {
    return values_.value(lookupName(section, key), fallback);
}

QString IniFile::lookupName(const QString& section, const QString& key) {
    // A section name cannot hold ']' and a key ends at '=', so this joint never collides.
    return section.toCaseFolded() + u']' + key.toCaseFolded();
}

}  // namespace ravemo
