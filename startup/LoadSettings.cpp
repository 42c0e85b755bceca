#include "startup/LoadSettings.h"

namespace ravemo {

SettingsLoad LoadSettings(const QString& /*path*/, const QLocale& /*locale*/) {
    SettingsLoad load;
    load.settings.FMax = 10000.0F;
    load.settings.FMin = 10000.0F;
    load.settings.Champ = 6000;
    load.settings.Step = 1;
    load.settings.InputVelFactor = 0.66F;
    return load;
}

}  // namespace ravemo
