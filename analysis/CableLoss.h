#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "analysis/AntennaSample.h"

namespace ravemo {

// The one-way loss of a line open or shorted at its far end: all the power comes back, less
// what the line took there and back, so the loss is half the return loss.
struct LossAtFrequency {
    const char* band = nullptr;  // "40m"; none for a frequency of the fallback set
    double hz = 0.0;
    double lossDb = 0.0;
};

// The loss at each amateur band (IARU `region`) the sweep covers: the mean of half the return
// loss over the band's samples, at their mean frequency. Where the sweep covers no band, at
// five frequencies evenly across it instead (the nearest samples).
std::vector<LossAtFrequency> CableLossPerBand(const std::vector<AntennaSample>& samples,
                                              int region);

// The loss fitted to the catalogue's form a sqrt(f) + b f (f in MHz), least squares over every
// sample with a finite return loss, a and b kept at or above 0.
struct LossFit {
    double sqrtCoefficient = 0.0;    // a, dB / sqrt(MHz) for the whole line
    double linearCoefficient = 0.0;  // b, dB / MHz
    double lossDb(double hz) const;
};
std::optional<LossFit> FitCableLoss(const std::vector<AntennaSample>& samples);

// The same fit per 100 m of a line of `lengthM`, and the catalogue's type whose matched loss
// lies nearest it over the sweep (the least mean square difference in dB / 100 m).
struct LossPer100m {
    LossFit fit;
    QString nearestType;  // the catalogue's name: "rg58"
    QString nearestDescription;
};
LossPer100m LossPerHundredMetres(const LossFit& whole, double lengthM, double lowHz, double highHz);

}  // namespace ravemo
