#include "startup/IniFile.h"

#include <algorithm>
#include <optional>

#include <QStringDecoder>
#include <QStringList>

namespace ravemo {
namespace {

const QByteArray kUtf8ByteOrderMark("\xEF\xBB\xBF");
const QByteArray kUtf16LeByteOrderMark("\xFF\xFE");
const QByteArray kUtf16BeByteOrderMark("\xFE\xFF");
// How far into the file the NUL bytes of UTF-16 without a byte-order mark are looked for.
constexpr qsizetype kUtf16ProbeBytes = 256;

// UTF-16 without a byte-order mark: a settings file is mostly ASCII, so in little-endian
// every second byte (the odd ones) is NUL and the even ones are not; big-endian the reverse.
std::optional<QStringDecoder::Encoding> bomlessUtf16(const QByteArray& bytes) {
    const qsizetype probe = std::min(bytes.size(), kUtf16ProbeBytes) & ~qsizetype{1};
    qsizetype evenNuls = 0;
    qsizetype oddNuls = 0;
    for (qsizetype i = 0; i < probe; ++i) {
        if (bytes[i] == '\0') ++(i % 2 == 0 ? evenNuls : oddNuls);
    }
    const qsizetype pairs = probe / 2;
    if (pairs == 0) return std::nullopt;
    if (evenNuls == 0 && oddNuls * 2 >= pairs) return QStringDecoder::Utf16LE;
    if (oddNuls == 0 && evenNuls * 2 >= pairs) return QStringDecoder::Utf16BE;
    return std::nullopt;
}

QString decode(const QByteArray& bytes) {
    if (bytes.startsWith(kUtf16LeByteOrderMark)) {
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    }
    if (bytes.startsWith(kUtf16BeByteOrderMark)) {
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    }
    if (const auto utf16 = bomlessUtf16(bytes)) return QStringDecoder(*utf16).decode(bytes);
    // The UTF-8 mark goes first, so a marked file with one Latin-1 byte still reads as text.
    const QByteArray body =
        bytes.startsWith(kUtf8ByteOrderMark) ? bytes.mid(kUtf8ByteOrderMark.size()) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (utf8.hasError()) return QString::fromLatin1(body);
    return text;
}

// The lines of the text, whether they end in LF, CRLF or a lone CR (old Mac editors).
QStringList linesOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
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
    const QStringList lines = linesOf(decode(bytes));
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
