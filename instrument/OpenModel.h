#pragma once

#include "instrument/LoadModel.h"

namespace ravemo {

// Nothing connected: total reflection in phase at every frequency.
class OpenModel final : public LoadModel {
  public:
    std::complex<double> impedance(double /*hz*/) const override { return kOpenCircuitOhms; }
    QString description() const override { return QStringLiteral("open circuit"); }
};

}  // namespace ravemo
