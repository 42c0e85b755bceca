#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ravemo {

// The kernel modules a /proc/modules text lists: the first word of each line
// ("ppdev 20480 0 - Live 0x0000000000000000" lists ppdev), in order.
QStringList LoadedModuleNames(const QByteArray& procModulesText);

// Whether the kernel has module `name`: listed in `procDir`/modules, or (built into the kernel)
// present as `sysDir`/module/`name`.
bool KernelHasModule(const QString& procDir, const QString& sysDir, const QString& name);

// Whether `procDir`/modules lists `name`: a loaded module that could be unloaded.
bool ModuleIsLoaded(const QString& procDir, const QString& name);

}  // namespace ravemo
