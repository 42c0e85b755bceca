#pragma once

#include "instrument/LoadModel.h"

namespace ravemo {

// A pure resistance at every frequency: the 50-ohm dummy load, or any other value.
class ResistorModel final : public LoadModel {
  public:
    explicit ResistorModel(double ohms) : ohms_(ohms) {}
    std::complex<double> impedance(double /*hz*/) const override { return {ohms_, 0.0}; }
    QString description() const override {
        return QStringLiteral("%1-ohm resistor").arg(QString::number(ohms_, 'g', 6));
    }

  private:
    double ohms_;
};

}  // namespace ravemo
