#pragma once

#include "common/Units.h"
#include "instrument/ConverterScale.h"

namespace ravemo {

// The conversion constants of the readouts and curves, exactly as the instrument program uses
// them (the converter scales are in instrument/ConverterScale.h).
inline constexpr double kDegreesPerRadian = 57.324;  // not 57.2958: the instrument's value
inline constexpr double kReferenceOhms = 50.0;
inline constexpr double kReactanceReadoutOffsetOhms = 0.01;
inline constexpr double kMarkerSwrDenominatorOne = 1.001;
inline constexpr double kTwoPi = 6.28;  // not 6.2832: the instrument's value
inline constexpr double kPicofaradsPerFarad = 1e12;
inline constexpr double kMicrohenriesPerHenry = 1e6;

// Return loss in dB of a raw reading: r x 0.0586 - 30.
inline double ReturnLossDb(double raw) { return raw * kDbPerReturnLossStep - kReturnLossZeroDb; }
// Phase in degrees of a raw reading: p x 0.175.
inline double PhaseDegrees(double raw) { return raw * kDegreesPerPhaseStep; }

// The derived values of one sample, with the per-sample precision of the impedance curves:
// rho, cos, sin, Gamma, Rs, |Xs|, SWR and |Z| held in single precision, the sums and quotients
// between them in double. No offset, no readout rounding, |Xs| without the 0.01 and the SWR
// denominator 1 - rho.
struct SampleValues {
    float rho;
    float gammaRe;
    float gammaIm;
    float xs;  // |Xs| in ohms
    float rs;  // Rs in ohms
    float swr;
    float z;  // |Z| in ohms
};
SampleValues ConvertSample(float returnLossRaw, float phaseRaw);

// Series resistance and reactance magnitude (ohms) of a reflection coefficient, in double.
struct SeriesImpedance {
    double rs;
    double xs;
};
SeriesImpedance SeriesFromReflection(double gammaRe, double gammaIm);

}  // namespace ravemo
