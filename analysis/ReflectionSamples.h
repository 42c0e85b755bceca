#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "instrument/TouchstoneModel.h"

namespace ravemo {

// The samples of a one-port Touchstone file's points (ascending frequencies) against its
// reference resistance: Z from the complex reflection (ImpedanceOf), so X carries its measured
// sign; SWR = (1 + |G|) / (1 - |G|), infinite where |G| >= 1; return loss -20 log10 |G|. A
// point whose impedance is not finite (G = 1) is left out. The zeros: FindMeasuredZeros.
// With `signsEstimated` (Ravemo's own export of a sweep, whose angles carry estimated signs)
// only |phase| counts, as in a sweep: the zeros and signs are estimated again
// (EstimateReactanceZeros, AssignEstimatedSigns), unknown where the readings cannot tell.
// Sets a sample's SWR and return loss from the magnitude of its reflection: SWR = (1 + |G|) /
// (1 - |G|), infinite where |G| >= 1; return loss -20 log10 |G|, infinite at |G| = 0.
void SetReflectionMagnitude(AntennaSample& sample, double magnitude);

AntennaSamples SamplesFromReflections(const std::vector<TouchstoneModel::Point>& points,
                                      double referenceOhms, bool signsEstimated = false);

}  // namespace ravemo
