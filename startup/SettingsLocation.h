#pragma once

#include <QString>

namespace ravemo {

// The settings file's fixed name.
inline constexpr char kSettingsFileName[] = "ravemo.ini";

struct SettingsLocation {
    QString path;     // the file to read; it may not exist (then every key takes its default)
    QString problem;  // set when the user named a file that does not exist
    bool installedSample = false;  // `path` is the sample installed with the program
};

// Where the settings file is: `overridePath` when the user named one (it must exist); else
// "ravemo.ini" in `programFolder` when it is there; else "ravemo/ravemo.ini" in
// `configFolder` (the user's configuration folder, e.g. ~/.config) when it exists; else the
// sample installed with the program, "../share/ravemo/ravemo.ini" from `programFolder`, when
// it is there; else the path in `configFolder`, which does not exist.
SettingsLocation FindSettingsFile(const QString& programFolder, const QString& configFolder,
                                  const QString& overridePath);

}  // namespace ravemo
