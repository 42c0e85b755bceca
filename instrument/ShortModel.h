#pragma once

#include "instrument/LoadModel.h"

namespace ravemo {

// A short across the bridge's output: total reflection in antiphase at every frequency.
class ShortModel final : public LoadModel {
  public:
    std::complex<double> impedance(double /*hz*/) const override { return {0.0, 0.0}; }
    QString description() const override { return QStringLiteral("short circuit"); }
};

}  // namespace ravemo
