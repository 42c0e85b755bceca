#pragma once

#include <optional>
#include <vector>

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"

namespace ravemo {

// The pieces of the analysis as JSON, shared by `ravemo-cli analyse --json` and the phone page's
// message so that a key means the same in both: numbers in SI units, null where a value is
// absent or not finite (an infinite SWR).

QJsonValue JsonNumber(double value);
QJsonValue JsonNumber(const std::optional<double>& value);

// "measured", "estimated" or "unknown".
QString ReactanceSignName(ReactanceSign sign);

// Adds "xs_ohm" (|X| where the sign is unknown) and "xs_sign" to `object`.
QJsonObject WithReactanceJson(QJsonObject object, const AntennaSample& sample);

// Each dip's bottom, its 2:1 and 1.5:1 bands and Q.
QJsonArray DipsJson(const std::vector<SwrDip>& dips);
QJsonArray ResonancesJson(const std::vector<Resonance>& resonances, ReactanceSign setSign);
QJsonArray BandsJson(const std::vector<BandCoverage>& bands);
// The trim advice with its text (point decimal); null without advice.
QJsonValue TrimJson(const std::optional<TrimAdvice>& trim, double swrLimit);
QJsonValue LowestAtEdgeJson(const std::optional<SwrAtEdge>& low);

}  // namespace ravemo
