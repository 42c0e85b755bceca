#pragma once

#include <vector>

#include "analysis/AntennaSample.h"
#include "analysis/Resonance.h"

namespace ravemo {

// Gives every sample's reactance magnitude the sign that Foster's reactance theorem implies for
// the zeros found (ascending). Between two zeros the sign is constant: positive after a series
// zero and before a parallel one, negative after a parallel zero and before a series one. Two
// zeros of one kind in a row hide a shallow zero of the other kind between them; the sign
// changes where |Z| peaks (between series zeros) or dips (between parallel ones). A sample at a
// zero's frequency counts as beyond it. With no zero at all, a magnitude that falls with
// frequency is capacitive (negative), one that rises or stays is inductive (positive).
void AssignEstimatedSigns(std::vector<AntennaSample>& samples, const std::vector<Resonance>& zeros);

}  // namespace ravemo
