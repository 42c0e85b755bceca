#pragma once

#include <cstdint>

#include <QLocale>
#include <QString>

#include "common/Settings.h"

namespace ravemo {

// The outcome of reading the settings file: the filled record, or a message that names the
// key, the value and what is allowed (the program then ends with a non-zero status).
struct SettingsLoad {
    Settings settings;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The velocity-factor text is read into a 51-character buffer: at most 50 characters count.
inline constexpr int kVelocityFactorTextChars = 50;

// Reads "ravemo.ini" at `path` into a Settings record: a missing file, section or key takes
// its default. Never writes the file. Integer keys read like the Windows integer profile
// reader (see ProfileIntegerValue); a key present with an empty value takes its default, as
// that reader gives. Values the program cannot run with are rejected with a message: a value
// beyond 32 bits, Champ outside 1..kChampMaximum, Step outside 1..32767, Address1 outside
// -32768..32766 (the status register lies at Address1 + 1), Address2 outside the 16-bit range,
// and an InputVelFactor (first 50 characters, read in `locale` without group separators; a
// point decimal is accepted in every locale) that is not a number, empty included; a missing
// InputVelFactor is the number 0.66. An existing name that cannot be read (not a regular file,
// larger than 1 MiB, no permission) is an error too, so settings are never silently replaced
// by defaults. The text may be UTF-8, Latin-1 or UTF-16 (see IniFile).
SettingsLoad LoadSettings(const QString& path, const QLocale& locale);

}  // namespace ravemo
