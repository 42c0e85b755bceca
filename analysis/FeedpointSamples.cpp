#include "analysis/FeedpointSamples.h"

#include <cmath>
#include <complex>
#include <limits>

#include "analysis/MeasuredZeros.h"
#include "analysis/ReflectionSamples.h"
#include "common/Units.h"
#include "instrument/LoadModel.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

constexpr double kUnknownFigure = std::numeric_limits<double>::quiet_NaN();
// A line within this share of the reference counts as a line of the reference impedance.
constexpr double kReferenceImpedanceTolerance = 0.01;

bool IsReferenceLine(const Feedline& line) {
    return std::fabs(line.type.impedanceOhms - kReferenceOhms) <=
           kReferenceImpedanceTolerance * kReferenceOhms;
}

// The sample at the antenna, or nothing where the antenna cannot be seen.
std::optional<AntennaSample> AtAntenna(const AntennaSample& a, const Feedline& line) {
    const double twoWayLossDb = 2.0 * line.lossDb(a.hz);
    const bool signKnown = a.xsSign != ReactanceSign::Unknown;
    AntennaSample s = a;
    if (signKnown) {
        const std::complex<double> z =
            ImpedanceAtFarEnd(std::complex<double>(a.rs, a.xs), line, a.hz);
        s.rs = z.real();
        s.xs = z.imag();
        s.z = std::abs(z);
        s.gamma = ReflectionOf(z, kReferenceOhms);
    } else {
        s.rs = kUnknownFigure;
        s.xs = kUnknownFigure;
        s.z = kUnknownFigure;
    }
    if (IsReferenceLine(line)) {
        if (!(a.returnLossDb >= twoWayLossDb + kSeeThroughMarginDb)) return std::nullopt;
        const double magnitude =
            std::abs(a.gamma) * std::pow(10.0, twoWayLossDb / kDbPerRatioDecade);
        if (!signKnown) s.gamma = std::complex<double>(magnitude, 0.0);
        SetReflectionMagnitude(s, magnitude);
        return s;
    }
    if (!signKnown || !std::isfinite(s.z)) return std::nullopt;
    SetReflectionMagnitude(s, std::abs(s.gamma));
    return s;
}

// The zeros of X within each run of samples whose transformed X is known.
std::vector<Resonance> ZerosOfKnownRuns(const std::vector<AntennaSample>& samples) {
    std::vector<Resonance> zeros;
    std::vector<AntennaSample> run;
    const auto flush = [&] {
        const std::vector<Resonance> found = FindMeasuredZeros(run);
        zeros.insert(zeros.end(), found.begin(), found.end());
        run.clear();
    };
    for (const AntennaSample& s : samples) {
        if (std::isfinite(s.xs)) {
            run.push_back(s);
        } else {
            flush();
        }
    }
    flush();
    return zeros;
}

}  // namespace

FeedpointSamples SamplesAtAntenna(const AntennaSamples& atAnalyser, const Feedline& line) {
    FeedpointSamples out;
    out.samples.sign = atAnalyser.sign;
    out.samples.plane = ReferencePlane::Antenna;
    bool lastUnseen = false;
    for (const AntennaSample& a : atAnalyser.samples) {
        if (std::optional<AntennaSample> s = AtAntenna(a, line)) {
            out.samples.samples.push_back(*s);
            lastUnseen = false;
        } else if (lastUnseen) {
            out.unseen.back().highHz = a.hz;
        } else {
            out.unseen.push_back({a.hz, a.hz});
            lastUnseen = true;
        }
    }
    out.samples.resonances = ZerosOfKnownRuns(out.samples.samples);
    return out;
}

}  // namespace ravemo
