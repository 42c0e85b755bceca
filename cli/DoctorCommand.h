#pragma once

#include <QStringList>

#include "cli/CliContext.h"
#include "instrument/PortReadiness.h"

namespace ravemo {

// ravemo-cli doctor against the given system (the running one, or a fake tree in the tests):
// each thing a real port needs, OK or what to type. Status 0 when all hold, 1 when one does not.
int RunDoctor(const QStringList& words, const QString& settingsPath, CliContext& context,
              const PortSystem& system);

}  // namespace ravemo
