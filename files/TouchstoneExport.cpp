#include "files/TouchstoneExport.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/SweepSamples.h"
#include "common/ProgramVersion.h"
#include "common/Units.h"
#include "files/NumberFields.h"
#include "instrument/TouchstoneParser.h"
#include "sweep/MeasurementRules.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

constexpr int kTouchstoneValueDigits = 6;

const char* const kOptionLine = "# MHZ S MA R 50\n";

std::string programComment() {
    return std::string("! Ravemo ") + kProgramVersion +
           " one-port sweep\n"
           "! The instrument does not measure the sign of the phase. |S11| = 10^(-|return loss|"
           " / 20).\n" +
           kEstimatedSignsComment + "\n";
}

struct TouchstonePoint {
    double hz;
    double magnitude;
    double angleDegrees;
};

// -1 where the analysis estimates a capacitive reactance at `hz`, else +1 (inductive, or a sign
// it cannot tell).
double EstimatedSignAt(const std::vector<AntennaSample>& samples, double hz) {
    const auto at = std::lower_bound(samples.begin(), samples.end(), hz,
                                     [](const AntennaSample& s, double f) { return s.hz < f; });
    if (at == samples.end() || at->hz != hz) return 1.0;
    return at->xsSign == ReactanceSign::Estimated && at->xs < 0.0 ? -1.0 : 1.0;
}

}  // namespace

QByteArray EncodeTouchstone(const SweepData& data, std::int32_t step) {
    const AntennaSamples estimated = SamplesFromSweep(data, step);
    std::vector<TouchstonePoint> points;
    for (const std::int32_t i : SweptIndices(data, step)) {
        const auto at = static_cast<std::size_t>(i);
        const double returnLoss = ReturnLossDb(data.ReturnLossSamples[at]);
        const double hz = WordFrequencyHz(data.DdsWords[at]);
        points.push_back(
            {hz, std::pow(10.0, -std::fabs(returnLoss) / kDbPerRatioDecade),
             EstimatedSignAt(estimated.samples, hz) * PhaseDegrees(data.PhaseSamples[at])});
    }
    // Readers want strictly ascending frequencies: a sweep from a higher to a lower limit is
    // turned round, and a repeated frequency keeps its first point. Frequencies print in full
    // (a narrow sweep has steps below a millionth of a MHz), and repeats are found on the
    // printed text, so the rows rise strictly in what a reader sees.
    std::stable_sort(points.begin(), points.end(),
                     [](const auto& a, const auto& b) { return a.hz < b.hz; });
    std::string text = kOptionLine;
    text += programComment();
    std::string previousFrequency;
    for (const auto& point : points) {
        std::string frequency = ExactMachineNumber(point.hz / kHzPerMHz);
        if (frequency == previousFrequency) continue;
        text += frequency + ' ' + MachineNumber(point.magnitude, kTouchstoneValueDigits) + ' ' +
                MachineNumber(point.angleDegrees, kTouchstoneValueDigits) + '\n';
        previousFrequency = std::move(frequency);
    }
    return QByteArray::fromStdString(text);
}

}  // namespace ravemo
