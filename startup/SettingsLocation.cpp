#include "startup/SettingsLocation.h"

#include <QDir>
#include <QFileInfo>

namespace ravemo {

SettingsLocation FindSettingsFile(const QString& programFolder, const QString& configFolder,
                                  const QString& overridePath) {
    SettingsLocation location;
    if (!overridePath.isEmpty()) {
        location.path = QFileInfo(overridePath).absoluteFilePath();
        if (!QFileInfo::exists(location.path)) {
            location.problem =
                QStringLiteral("The settings file %1 named with --settings does not exist.")
                    .arg(QDir::toNativeSeparators(location.path));
        }
        return location;
    }
    const QString besideProgram = QDir(programFolder).filePath(QLatin1String(kSettingsFileName));
    if (!programFolder.isEmpty() && QFileInfo(besideProgram).isFile()) {
        location.path = besideProgram;
        return location;
    }
    location.path =
        QDir(configFolder).filePath(QStringLiteral("ravemo/") + QLatin1String(kSettingsFileName));
    // An installed program has no file beside it: until the user makes their own, it starts
    // with the sample installed with it, as a build tree starts with the copy beside it.
    const QString installedSample = QDir::cleanPath(
        QDir(programFolder)
            .filePath(QStringLiteral("../share/ravemo/") + QLatin1String(kSettingsFileName)));
    if (!QFileInfo::exists(location.path) && !programFolder.isEmpty() &&
        QFileInfo(installedSample).isFile()) {
        location.path = installedSample;
        location.installedSample = true;
    }
    return location;
}

}  // namespace ravemo
