#include "analysis/LowestSwr.h"

#include <algorithm>

namespace ravemo {

std::size_t LowestSwrIndex(const std::vector<AntennaSample>& samples, std::size_t first,
                           std::size_t last) {
    double lowest = samples[first].swr;
    for (std::size_t i = first; i <= last; ++i) lowest = std::min(lowest, samples[i].swr);
    std::size_t bestStart = first;
    std::size_t bestLength = 0;
    for (std::size_t i = first; i <= last;) {
        if (samples[i].swr != lowest) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end <= last && samples[end].swr == lowest) ++end;
        if (end - i > bestLength) {
            bestStart = i;
            bestLength = end - i;
        }
        i = end;
    }
    return bestStart + (bestLength - 1) / 2;
}

}  // namespace ravemo
