#pragma once

#include "instrument/LoadModel.h"

namespace ravemo {

inline constexpr double kDefaultDipoleResonanceHz = 14.2e6;

// A centre-fed half-wave wire dipole, resonant at a chosen frequency, seen through a 1:1 feed.
//
// Each leg is treated as an open-ended lossy transmission line a quarter wave long at
// resonance, whose loss stands for the power radiated: Z = Za coth((a + jb) h). That gives the
// familiar behaviour over the whole HF range: about 73 ohms and no reactance at resonance,
// an SWR dip whose 2:1 width is a few percent, capacitive below, inductive above, a high
// impedance (several kilohms) near twice the resonance and the next series resonance (about
// 105 ohms) near three times it. The radiation resistance rises slowly with frequency.
class DipoleModel final : public LoadModel {
  public:
    explicit DipoleModel(double resonanceHz = kDefaultDipoleResonanceHz)
        : resonanceHz_(resonanceHz) {}
    std::complex<double> impedance(double hz) const override;
    QString description() const override;
    double resonanceHz() const { return resonanceHz_; }

  private:
    double resonanceHz_;
};

}  // namespace ravemo
