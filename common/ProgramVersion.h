#pragma once

#include <QString>

namespace ravemo {

// The program's version as the build sets it: CMake's project version, e.g. "1.0.6". The
// splash, --version and the Touchstone comment show it as it stands.
inline constexpr const char* kProgramVersion = RAVEMO_VERSION;

// The window caption's form of the version: the minor number and the revision run together,
// "1.06" for 1.0.6.
inline QString CaptionVersion() {
    QString text = QString::fromLatin1(kProgramVersion);
    const qsizetype lastDot = text.lastIndexOf(u'.');
    if (lastDot > text.indexOf(u'.')) text.remove(lastDot, 1);
    return text;
}

}  // namespace ravemo
