#pragma once

#include <optional>

#include "instrument/LoadModel.h"

namespace ravemo {

// A resistor, an inductor and a capacitor in series. Without a capacitor the branch conducts
// at DC (R + jwL); with one it is open at 0 Hz.
class SeriesRlcModel final : public LoadModel {
  public:
    SeriesRlcModel(double ohms, double henries, std::optional<double> farads)
        : ohms_(ohms), henries_(henries), farads_(farads) {}
    std::complex<double> impedance(double hz) const override;
    QString description() const override;

  private:
    double ohms_;
    double henries_;
    std::optional<double> farads_;
};

}  // namespace ravemo
