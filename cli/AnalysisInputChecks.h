#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "analysis/AntennaSample.h"
#include "instrument/TouchstoneModel.h"
#include "sweep/SweepData.h"

namespace ravemo {

// Checks on what `analyse` and `report` read, with messages that name the real problem rather
// than the count of points that was left. `path` names the file in each message.

// The converters give 10-bit readings, 0 to 1023, as `readout` takes them: a swept point of a
// sweep file with another reading is damage, not a measurement.
std::optional<QString> SweepReadingOutsideConverterRange(const SweepData& data, std::int32_t step,
                                                         const QString& path);

// Why a sweep file gave fewer than two samples: no swept point (tuning words not finite, or
// all 0), every point at one frequency, or no reading that gives an impedance.
QString WhyTooFewSweepSamples(const SweepData& data, std::int32_t step, std::size_t sampleCount,
                              const QString& path);

// Why a Touchstone file gave fewer than two samples: one frequency, or the impedance infinite
// (|S11| = 1) at all but one.
QString WhyTooFewReflectionSamples(const std::vector<TouchstoneModel::Point>& points,
                                   std::size_t sampleCount, const QString& path);

// Frequencies no antenna is measured at: a point above 0 but below 1 Hz, or samples that span
// less than a hertz (a file whose frequencies are in the wrong unit, or damaged). A message, or
// nothing.
std::optional<QString> MeaninglessFrequencies(const AntennaSamples& set, const QString& path);

// A passive antenna reflects at most what it gets: |S11| above 1 is measurement noise near a
// full reflection, or a file that is not what it says. A warning that names how many points,
// the largest and where, or nothing.
std::optional<QString> ReflectionAboveOneWarning(const std::vector<TouchstoneModel::Point>& points,
                                                 const QString& path);

}  // namespace ravemo
