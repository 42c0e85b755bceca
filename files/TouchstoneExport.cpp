#include "files/TouchstoneExport.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/ProgramVersion.h"
#include "common/Units.h"
#include "files/NumberFields.h"
#include "sweep/MeasurementRules.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

constexpr int kTouchstoneValueDigits = 6;

const char* const kOptionLine = "# MHZ S MA R 50\n";

std::string programComment() {
    return std::string("! Ravemo ") + kProgramVersion +
           " one-port sweep\n"
           "! The instrument does not measure the sign of the phase: the angles assume an\n"
           "! inductive reactance (positive angle). |S11| = 10^(-|return loss| / 20).\n";
}

struct TouchstonePoint {
    double frequencyMHz;
    double magnitude;
    double angleDegrees;
};

}  // namespace

QByteArray EncodeTouchstone(const SweepData& data, std::int32_t step) {
    std::vector<TouchstonePoint> points;
    for (const std::int32_t i : SweptIndices(data, step)) {
        const auto at = static_cast<std::size_t>(i);
        const double returnLoss = ReturnLossDb(data.ReturnLossSamples[at]);
        points.push_back({WordFrequencyHz(data.DdsWords[at]) / kHzPerMHz,
                          std::pow(10.0, -std::fabs(returnLoss) / kDbPerRatioDecade),
                          PhaseDegrees(data.PhaseSamples[at])});
    }
    // Readers want strictly ascending frequencies: a sweep from a higher to a lower limit is
    // turned round, and a repeated frequency keeps its first point. Frequencies print in full
    // (a narrow sweep has steps below a millionth of a MHz), and repeats are found on the
    // printed text, so the rows rise strictly in what a reader sees.
    std::stable_sort(points.begin(), points.end(),
                     [](const auto& a, const auto& b) { return a.frequencyMHz < b.frequencyMHz; });
    std::string text = kOptionLine;
    text += programComment();
    std::string previousFrequency;
    for (const auto& point : points) {
        std::string frequency = ExactMachineNumber(point.frequencyMHz);
        if (frequency == previousFrequency) continue;
        text += frequency + ' ' + MachineNumber(point.magnitude, kTouchstoneValueDigits) + ' ' +
                MachineNumber(point.angleDegrees, kTouchstoneValueDigits) + '\n';
        previousFrequency = std::move(frequency);
    }
    return QByteArray::fromStdString(text);
}

}  // namespace ravemo
