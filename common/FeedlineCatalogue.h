#pragma once

#include <optional>
#include <vector>

#include <QString>

namespace ravemo {

// A kind of feedline: its characteristic impedance, velocity factor and matched loss in dB per
// 100 m, a sqrt(f) + b f with f in MHz (conductor loss grows with the square root of
// frequency, dielectric loss in proportion to it).
struct FeedlineType {
    QString name;         // as typed after "line=" or "--feedline": "rg58", "user"
    QString description;  // "RG-58 (50 ohm, VF 0.66)"
    double impedanceOhms = 50.0;
    double velocityFactor = 0.66;
    double lossSqrtCoefficient = 0.0;    // a, dB / 100 m / sqrt(MHz)
    double lossLinearCoefficient = 0.0;  // b, dB / 100 m / MHz

    // Matched loss in dB per 100 m at `hz` (never below 0).
    double lossDbPer100m(double hz) const;
};

// The feedlines hams use, in one table: RG-58, RG-8X, RG-213, a 400-type low-loss cable
// (LMR-400), RG-174, 300 ohm twin lead and 450 ohm window line.
const std::vector<FeedlineType>& FeedlineCatalogue();

// The catalogue's type of that name (without regard to case), or nothing.
std::optional<FeedlineType> FeedlineTypeNamed(const QString& name);

// A user's own line from its impedance, velocity factor and matched loss (dB / 100 m) at two
// frequencies: a and b solved from the two losses. Nothing when the numbers make no line
// (impedance or VF out of range, equal frequencies, a negative loss).
std::optional<FeedlineType> UserFeedlineType(double impedanceOhms, double velocityFactor,
                                             double hz1, double lossDb1, double hz2,
                                             double lossDb2);

}  // namespace ravemo
