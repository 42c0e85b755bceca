#pragma once

#include <QString>

#include "analysis/AntennaSample.h"
#include "plot/ValueRange.h"

namespace ravemo {

// The quantity on the tuning chart's right axis, in ohms.
enum class RightAxisQuantity { None, Impedance, Resistance, Reactance };

// The sample's value of the quantity: |Z|, Rs or the signed X.
// NaN for a reactance whose sign is unknown: it has no place on a signed axis.
double RightAxisValue(const AntennaSample& sample, RightAxisQuantity quantity);

// The axis title: "|Z| Ω", "Rs Ω", "X Ω", or "X (est.) Ω" when the sign of X is estimated;
// empty for None.
QString RightAxisTitle(RightAxisQuantity quantity, ReactanceSign sign);

}  // namespace ravemo
