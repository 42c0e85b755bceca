#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace ravemo {

// A read-only initialisation file in the classic form: "[section]" lines, then "key=value"
// lines. Reads like the Windows profile readers:
//  - section and key names match without regard to case; blanks around names and values go;
//  - one pair of matching quotes ("..." or '...') around a value is removed;
//  - lines starting with ';' are comments; lines without '=' and keys before the first
//    section are ignored;
//  - the first occurrence of a key wins, also across repeated sections of the same name, as
//    the Windows readers find the first one.
// Text is UTF-16 (little- or big-endian, with or without a byte-order mark, as Windows
// Notepad may save), else UTF-8 when it is valid UTF-8, else Latin-1, so files written by old
// Windows editors read too; a UTF-8 byte-order mark is dropped first. Lines may end in LF,
// CRLF or a lone CR.
class IniFile {
  public:
    // Parses the file's bytes.
    static IniFile fromBytes(const QByteArray& bytes);

    bool contains(const QString& section, const QString& key) const;
    // The value, or `fallback` when the section or key is missing.
    QString value(const QString& section, const QString& key,
                  const QString& fallback = QString()) const;

  private:
    static QString lookupName(const QString& section, const QString& key);

    QHash<QString, QString> values_;
};

}  // namespace ravemo
