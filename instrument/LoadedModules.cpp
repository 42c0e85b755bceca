#include "instrument/LoadedModules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ravemo {
namespace {
// /proc/modules holds a line of under 200 bytes per module; a few hundred modules are usual.
constexpr qint64 kProcModulesMaxBytes = qint64{4} * 1024 * 1024;

QByteArray ReadProcModules(const QString& procDir) {
    QFile file(QDir(procDir).filePath(QStringLiteral("modules")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    // A /proc file reports size 0: read until the end, not by its size.
    return file.read(kProcModulesMaxBytes);
}
}  // namespace

QStringList LoadedModuleNames(const QByteArray& procModulesText) {
    QStringList names;
    for (const QByteArray& line : procModulesText.split('\n')) {
        const QByteArray name = line.simplified().split(' ').front();
        if (!name.isEmpty()) names << QString::fromLatin1(name);
    }
    return names;
}

bool ModuleIsLoaded(const QString& procDir, const QString& name) {
    return LoadedModuleNames(ReadProcModules(procDir)).contains(name);
}

bool KernelHasModule(const QString& procDir, const QString& sysDir, const QString& name) {
    return ModuleIsLoaded(procDir, name) ||
           QFileInfo(QDir(sysDir).filePath(QStringLiteral("module/") + name)).isDir();
}

}  // namespace ravemo
