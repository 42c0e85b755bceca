#pragma once

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

// Reads "ravemo.ini" at `path` into a Settings record: a missing file, section or key takes
// its default. Never writes the file.
SettingsLoad LoadSettings(const QString& path, const QLocale& locale);

}  // namespace ravemo
