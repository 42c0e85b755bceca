#pragma once

#include <cstddef>
#include <vector>

#include "analysis/AntennaSample.h"

namespace ravemo {

// Index of the lowest SWR among samples[first..last] (inclusive, first <= last): the middle of
// the longest run of equal lowest values (the first such run, the lower middle of an even one),
// so a flat bottom gives its middle.
std::size_t LowestSwrIndex(const std::vector<AntennaSample>& samples, std::size_t first,
                           std::size_t last);

}  // namespace ravemo
