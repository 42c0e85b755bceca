#pragma once

#include <optional>
#include <vector>

#include "analysis/Resonance.h"
#include "common/Units.h"

namespace ravemo {

// The velocity factor a settings value InputVelFactor stands for. The settings file writes it
// as a percentage (66) while the program's own default is the factor (0.66): a value above 1
// is read as a percentage, anything else as the factor itself.
double VelocityFactorOfSetting(double value);

// The slowest cable the length is worked out for: below it the factor is a typing error (a
// percentage divided twice, a missing digit), not a feedline.
inline constexpr double kLowestVelocityFactor = 0.1;

// True for a usable velocity factor: 0.1 <= VF <= 1.
bool IsVelocityFactor(double value);

struct CableLength {
    double velocityFactor = 0.0;
    double quarterWaveHz = 0.0;
    double lengthM = 0.0;  // VF x c / (4 f)
};

// Why no length could be given.
enum class CableProblem {
    None,
    NoSeriesResonance,
    // A parallel resonance lies below the first series one: the sweep starts above the
    // quarter-wave frequency, and the first series resonance is a higher one.
    SweepStartsAboveQuarterWave,
};

struct CableEstimate {
    std::optional<CableLength> length;
    CableProblem problem = CableProblem::None;
};

// A line's far end as the cable tools are told it.
enum class CableEnd { Open, Short };

// The length of a line of `velocityFactor` whose quarter wave is at `quarterWaveHz`:
// VF c / (4 f), and the velocity factor of a line of `lengthM` from it: 4 L f / c. One
// formula for the open cable below and the cable tools' resonance fit.
double LengthAtQuarterWave(double velocityFactor, double quarterWaveHz);
double VelocityFactorAtQuarterWave(double lengthM, double quarterWaveHz);

// The length of a cable open at its far end, from its first series resonance (its quarter
// wave) among `resonances` (ascending).
CableEstimate EstimateOpenCable(const std::vector<Resonance>& resonances, double velocityFactor);

}  // namespace ravemo
