#pragma once

#include <cstdint>
#include <limits>
#include <vector>

namespace ravemo {

// The three sample arrays, indices 0..Champ, created once zero-filled and never resized:
// raw return-loss and phase readings (0..1023, single precision) and for each index the tuning
// word its readings were taken at (double; a word the synthesiser cannot reach where the sweep
// skipped the point). Owned by the application and handed by reference to the
// sweep, the chart and the file commands.
//
// A sample whose port accesses failed while it was swept (an unplugged adapter reads zeros)
// holds kNotMeasuredWord: like a word the synthesiser cannot reach, it marks readings that are
// no measurement, so no curve, readout, analysis or export takes them. A sweep file keeps the
// mark in its word array, so the readings stay unmeasured when the file is opened again.
inline constexpr double kNotMeasuredWord = std::numeric_limits<double>::quiet_NaN();

struct SweepData {
    explicit SweepData(std::int32_t champ)
        : ReturnLossSamples(static_cast<std::size_t>(champ) + 1U, 0.0F),
          PhaseSamples(static_cast<std::size_t>(champ) + 1U, 0.0F),
          DdsWords(static_cast<std::size_t>(champ) + 1U, 0.0) {}

    std::vector<float> ReturnLossSamples;
    std::vector<float> PhaseSamples;
    std::vector<double> DdsWords;

    std::int32_t champ() const { return static_cast<std::int32_t>(DdsWords.size()) - 1; }
};

}  // namespace ravemo
