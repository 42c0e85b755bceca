#include "cli/AnalysisInputChecks.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/Units.h"
#include "instrument/Dds.h"
#include "instrument/SimulatedInstrument.h"
#include "sweep/ReachableRange.h"
#include "sweep/SweptPoints.h"

namespace ravemo {
namespace {

QString mhzText(double hz) { return QString::number(hz / kHzPerMHz, 'g', 9) + " MHz"; }

QString pointsText(std::size_t count) {
    return count == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(count);
}

bool IsReading(float value) {
    return value >= 0.0F && value <= static_cast<float>(kConverterFullScale);
}

}  // namespace

std::optional<QString> SweepReadingOutsideConverterRange(const SweepData& data, std::int32_t step,
                                                         const QString& path) {
    for (const std::int32_t i : SweptIndices(data, step)) {
        const auto at = static_cast<std::size_t>(i);
        for (const auto& [name, value] : {std::pair{"return-loss", data.ReturnLossSamples[at]},
                                          std::pair{"phase", data.PhaseSamples[at]}}) {
            if (IsReading(value)) continue;
            return QStringLiteral(
                       "%1: the %2 reading at sample index %3 is %4, outside the "
                       "converters' 0 to 1023; the file is damaged or not a sweep")
                .arg(path, QLatin1String(name))
                .arg(i)
                .arg(QString::number(value, 'g', 9));
        }
    }
    return std::nullopt;
}

QString WhyTooFewSweepSamples(const SweepData& data, std::int32_t step, std::size_t sampleCount,
                              const QString& path) {
    const std::vector<std::int32_t> swept = SweptIndices(data, step);
    if (swept.empty()) {
        const std::int64_t stride = std::max<std::int32_t>(step, 1);
        std::int64_t notFinite = 0;
        std::int64_t beyond = 0;
        for (std::int64_t i = 0; i <= data.champ(); i += stride) {
            const double word = data.DdsWords[static_cast<std::size_t>(i)];
            notFinite += std::isfinite(word) ? 0 : 1;
            beyond += std::isfinite(word) && word > 0.0 && !WordFitsFrame(word) ? 1 : 0;
        }
        if (notFinite > 0) {
            return QStringLiteral(
                       "%1 holds no swept point: %2 of its tuning words are not finite "
                       "numbers and the others are 0 or less; the file is damaged")
                .arg(path)
                .arg(notFinite);
        }
        if (beyond > 0) {
            return QStringLiteral(
                       "%1 holds no swept point: its tuning words lie beyond the "
                       "synthesiser's range of 0 to %2 MHz; the file is damaged")
                .arg(path, QString::number(kReachableTopMHz));
        }
        return QStringLiteral(
                   "%1 holds no swept point: every tuning word is 0 or less, so it "
                   "was never swept")
            .arg(path);
    }
    std::set<double> frequencies;
    for (const std::int32_t i : swept) {
        frequencies.insert(WordFrequencyHz(data.DdsWords[static_cast<std::size_t>(i)]));
    }
    if (frequencies.size() == 1) {
        return QStringLiteral(
                   "all %1 swept points of %2 are at one frequency, %3; the analysis "
                   "needs at least 2 frequencies: sweep a range")
            .arg(swept.size())
            .arg(path, mhzText(*frequencies.begin()));
    }
    return QStringLiteral(
               "%1: the readings give an impedance at only %2 of its %3 swept "
               "frequencies; the analysis needs at least 2")
        .arg(path)
        .arg(sampleCount)
        .arg(frequencies.size());
}

QString WhyTooFewReflectionSamples(const std::vector<TouchstoneModel::Point>& points,
                                   std::size_t sampleCount, const QString& path) {
    if (points.size() == 1) {
        return QStringLiteral("%1 holds one frequency, %2; the analysis needs at least 2")
            .arg(path, mhzText(points.front().hz));
    }
    return QStringLiteral(
               "%1: the impedance is finite at only %2 of its %3 points (where |S11| "
               "is 1 it is infinite); the analysis needs at least 2")
        .arg(path)
        .arg(sampleCount)
        .arg(points.size());
}

std::optional<QString> MeaninglessFrequencies(const AntennaSamples& set, const QString& path) {
    constexpr double kLowestMeasuredHz = 1.0;
    const auto subHertz =
        std::find_if(set.samples.begin(), set.samples.end(),
                     [](const AntennaSample& s) { return s.hz > 0.0 && s.hz < kLowestMeasuredHz; });
    if (subHertz != set.samples.end()) {
        return QStringLiteral(
                   "%1 has a point at %2 Hz, above 0 but below 1 Hz, where no antenna "
                   "is measured (a resonance there would give a cable kilometres "
                   "long); check the file's frequency unit")
            .arg(path, QString::number(subHertz->hz, 'g', 6));
    }
    const double lowHz = set.samples.front().hz;
    const double highHz = set.samples.back().hz;
    if (highHz - lowHz >= kLowestMeasuredHz) return std::nullopt;
    return QStringLiteral(
               "the frequencies of %1 span less than 1 Hz (%2 to %3 Hz): that is no "
               "sweep of an antenna; check the file's frequency unit")
        .arg(path, QString::number(lowHz, 'g', 10), QString::number(highHz, 'g', 10));
}

std::optional<QString> ReflectionAboveOneWarning(const std::vector<TouchstoneModel::Point>& points,
                                                 const QString& path) {
    std::size_t count = 0;
    const TouchstoneModel::Point* largest = nullptr;
    for (const TouchstoneModel::Point& point : points) {
        if (!(std::abs(point.gamma) > 1.0)) continue;
        ++count;
        if (largest == nullptr || std::abs(point.gamma) > std::abs(largest->gamma))
            largest = &point;
    }
    if (largest == nullptr) return std::nullopt;
    return QStringLiteral(
               "%1: |S11| is above 1 at %2 (largest %3 at %4): a passive antenna "
               "reflects at most what it gets, so this is measurement noise or a "
               "file that is not what it says; the SWR shows as infinite there")
        .arg(path, pointsText(count), QString::number(std::abs(largest->gamma), 'g', 4),
             mhzText(largest->hz));
}

}  // namespace ravemo
