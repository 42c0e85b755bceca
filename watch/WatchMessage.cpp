#include "watch/WatchMessage.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "analysis/NearestSample.h"
#include "plot/AnalysisJsonParts.h"

namespace ravemo {
namespace {

QString StateName(WatchDataState state) {
    switch (state) {
        case WatchDataState::Held:
            return QStringLiteral("held");
        case WatchDataState::PortFailed:
            return QStringLiteral("port_failed");
        case WatchDataState::Live:
            break;
    }
    return QStringLiteral("live");
}

QJsonValue Point(const AntennaSample& sample) {
    return QJsonObject{{QStringLiteral("frequency_hz"), JsonNumber(sample.hz)},
                       {QStringLiteral("swr"), JsonNumber(sample.swr)}};
}

QJsonValue Lowest(const std::vector<AntennaSample>& samples) {
    const auto lowest = std::min_element(
        samples.begin(), samples.end(),
        [](const AntennaSample& a, const AntennaSample& b) { return a.swr < b.swr; });
    return lowest == samples.end() ? QJsonValue() : Point(*lowest);
}

QJsonValue AtTarget(const std::vector<AntennaSample>& samples, std::optional<double> targetHz) {
    if (!targetHz) return QJsonValue();
    const std::optional<AntennaSample> sample = SampleWithinSweep(samples, *targetHz);
    return sample ? Point(*sample) : QJsonValue();
}

// Each span of the sweep by its lowest SWR, so that a narrow dip is never thinned away.
QJsonObject Chart(const std::vector<AntennaSample>& samples) {
    QJsonArray hz;
    QJsonArray swr;
    const std::size_t count = samples.size();
    const std::size_t spans = std::min<std::size_t>(count, kMostChartPoints);
    for (std::size_t span = 0; span < spans; ++span) {
        const std::size_t begin = span * count / spans;
        const std::size_t end = (span + 1) * count / spans;
        const auto lowest = std::min_element(
            samples.begin() + static_cast<std::ptrdiff_t>(begin),
            samples.begin() + static_cast<std::ptrdiff_t>(end),
            [](const AntennaSample& a, const AntennaSample& b) { return a.swr < b.swr; });
        hz.append(JsonNumber(lowest->hz));
        swr.append(JsonNumber(lowest->swr));
    }
    return QJsonObject{{QStringLiteral("frequency_hz"), hz}, {QStringLiteral("swr"), swr}};
}

}  // namespace

QByteArray WatchMessageJson(const WatchSnapshot& snapshot) {
    const std::vector<AntennaSample>& samples = snapshot.set.samples;
    QJsonObject root{
        {QStringLiteral("format"), QStringLiteral("ravemo-watch-1")},
        {QStringLiteral("sweep"), static_cast<qint64>(snapshot.sweep)},
        {QStringLiteral("state"), StateName(snapshot.state)},
        {QStringLiteral("source"), snapshot.source},
        {QStringLiteral("simulated"), snapshot.simulated},
        {QStringLiteral("notice"), snapshot.notice},
        {QStringLiteral("points"), static_cast<qint64>(samples.size())},
        {QStringLiteral("from_hz"),
         samples.empty() ? QJsonValue() : JsonNumber(samples.front().hz)},
        {QStringLiteral("to_hz"), samples.empty() ? QJsonValue() : JsonNumber(samples.back().hz)},
        {QStringLiteral("reactance_sign"), ReactanceSignName(snapshot.set.sign)},
        {QStringLiteral("swr_limit"), JsonNumber(snapshot.options.swrLimit)},
        {QStringLiteral("target_hz"), JsonNumber(snapshot.options.targetHz)},
        {QStringLiteral("at_target"), AtTarget(samples, snapshot.options.targetHz)},
        {QStringLiteral("lowest"), Lowest(samples)},
        {QStringLiteral("dips"), DipsJson(snapshot.analysis.dips)},
        {QStringLiteral("lowest_swr_at_edge"), LowestAtEdgeJson(snapshot.analysis.lowestAtEdge)},
        {QStringLiteral("bands"), BandsJson(snapshot.analysis.bands)},
        {QStringLiteral("chart"), Chart(samples)},
        {QStringLiteral("commands"),
         QJsonObject{{QStringLiteral("allowed"), snapshot.commandsAllowed},
                     {QStringLiteral("band_choices"),
                      QJsonArray::fromStringList(snapshot.commandsAllowed ? snapshot.bandChoices
                                                                          : QStringList())}}},
    };
    if (snapshot.options.targetHz) {
        root.insert(QStringLiteral("trim"),
                    TrimJson(snapshot.analysis.trim, snapshot.options.swrLimit));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

}  // namespace ravemo
