#include "sweep/SweptPoints.h"

#include <algorithm>
#include <cmath>

#include "instrument/Dds.h"

namespace ravemo {

std::vector<std::int32_t> SweptIndices(const SweepData& data, std::int32_t step) {
    const std::int64_t stride = std::max<std::int32_t>(step, 1);
    std::vector<std::int32_t> indices;
    for (std::int64_t i = 0; i <= data.champ(); i += stride) {
        const double word = data.DdsWords[static_cast<std::size_t>(i)];
        if (std::isfinite(word) && word > 0.0 && WordFitsFrame(word)) {
            indices.push_back(static_cast<std::int32_t>(i));
        }
    }
    return indices;
}

double WordFrequencyHz(double word) { return word / kWordUnitsPerHz; }

}  // namespace ravemo
