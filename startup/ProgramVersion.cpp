#include "startup/ProgramVersion.h"

namespace ravemo {

QString ProgramVersionNumber() {
    return QStringLiteral("%1.%2.%3")
        .arg(RAVEMO_VERSION_MAJOR)
        .arg(RAVEMO_VERSION_MINOR)
        .arg(RAVEMO_VERSION_PATCH);
}

QString ProgramVersionCaption() { return QStringLiteral("Version ") + ProgramVersionNumber(); }

}  // namespace ravemo
