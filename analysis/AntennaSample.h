#pragma once

#include <complex>
#include <vector>

#include "analysis/Resonance.h"

namespace ravemo {

// How the sign of a reactance is known: measured with the complex reflection (a Touchstone
// file), estimated, because the instrument measures |phase| only, or unknown, where the readings
// cannot tell (near an SWR dip, or with no zero of X in the sweep): then xs holds |X|. A sample
// set as a whole is Measured or Estimated; each of its samples says what holds for it.
enum class ReactanceSign { Estimated, Measured, Unknown };

// Where the figures of a sample set stand: at the analyser's socket, or at the antenna's
// feedpoint, seen through a feedline (SamplesAtAntenna). At the antenna Rs, X and |Z| may be
// NaN: unknown where the sign of X at the analyser is.
enum class ReferencePlane { Analyser, Antenna };

// One sample as the antenna analysis sees it.
struct AntennaSample {
    double hz = 0.0;
    double swr = 0.0;           // +infinity at total reflection
    double returnLossDb = 0.0;  // positive for a loss; +infinity for a perfect match
    double rs = 0.0;            // series resistance, ohms
    double xs = 0.0;            // series reactance, ohms, signed
    double z = 0.0;             // |Z|, ohms
    // The reflection coefficient as far as it is known: from a sweep its magnitude and |phase|
    // (imaginary part >= 0), from a Touchstone file the complex value itself.
    std::complex<double> gamma;
    ReactanceSign xsSign = ReactanceSign::Estimated;
    // Above 0: the reading came within the calibration's directivity floor, whose SWR this is;
    // the bridge cannot tell the sample's SWR from it (MarkDirectivityFloor).
    double floorSwr = 0.0;
};

// Samples in ascending frequency, no frequency twice, every impedance finite, and the zeros of
// their reactance (ascending): those the estimated signs follow, or where the measured sign
// changes.
struct AntennaSamples {
    std::vector<AntennaSample> samples;
    ReactanceSign sign = ReactanceSign::Estimated;
    std::vector<Resonance> resonances;
    ReferencePlane plane = ReferencePlane::Analyser;
};

}  // namespace ravemo
