#include <cmath>
#include <optional>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/AnalysisOutput.h"
#include "plot/AnalysisJsonParts.h"

namespace ravemo {
namespace {

QJsonValue Cable(const std::optional<CableEstimate>& cable) {
    if (!cable || !cable->length) return QJsonValue::Null;
    const CableLength& c = *cable->length;
    return QJsonObject{{QStringLiteral("velocity_factor"), JsonNumber(c.velocityFactor)},
                       {QStringLiteral("quarter_wave_hz"), JsonNumber(c.quarterWaveHz)},
                       {QStringLiteral("length_m"), JsonNumber(c.lengthM)}};
}

QJsonArray Samples(const std::vector<AntennaSample>& samples) {
    QJsonArray array;
    for (const AntennaSample& s : samples) {
        array.append(
            WithReactanceJson(QJsonObject{{QStringLiteral("frequency_hz"), JsonNumber(s.hz)},
                                          {QStringLiteral("swr"), JsonNumber(s.swr)},
                                          {QStringLiteral("rs_ohm"), JsonNumber(s.rs)},
                                          {QStringLiteral("z_ohm"), JsonNumber(s.z)}},
                              s));
    }
    return array;
}

// The feedline the figures were moved through: its type, length, one-way loss at each dip (in
// the order of "dips") and the stretches where the antenna cannot be seen.
QJsonObject FeedlineObject(const AnalysisOutputInput& input) {
    const Feedline& line = *input.feedline;
    QJsonArray losses;
    for (const SwrDip& dip : input.analysis.dips)
        losses.append(JsonNumber(line.lossDb(dip.bottom.hz)));
    QJsonArray unseen;
    for (const UnseenStretch& u : input.unseen) {
        unseen.append(QJsonObject{{QStringLiteral("low_hz"), JsonNumber(u.lowHz)},
                                  {QStringLiteral("high_hz"), JsonNumber(u.highHz)}});
    }
    return QJsonObject{{QStringLiteral("type"), line.type.name},
                       {QStringLiteral("length_m"), JsonNumber(line.lengthM)},
                       {QStringLiteral("loss_db_at_dips"), losses},
                       {QStringLiteral("unseen"), unseen}};
}

}  // namespace

QByteArray AnalysisJson(const AnalysisOutputInput& input) {
    const std::vector<AntennaSample>& samples = input.set.samples;
    QJsonObject root{
        {QStringLiteral("source"), input.source},
        {QStringLiteral("points"), static_cast<qint64>(samples.size())},
        {QStringLiteral("from_hz"),
         samples.empty() ? QJsonValue() : JsonNumber(samples.front().hz)},
        {QStringLiteral("to_hz"), samples.empty() ? QJsonValue() : JsonNumber(samples.back().hz)},
        {QStringLiteral("reactance_sign"), input.set.sign == ReactanceSign::Measured
                                               ? QStringLiteral("measured")
                                               : QStringLiteral("estimated")},
        {QStringLiteral("dips"), DipsJson(input.analysis.dips)},
        {QStringLiteral("resonances"), ResonancesJson(input.analysis.resonances, input.set.sign)},
        {QStringLiteral("lowest_swr_at_edge"), LowestAtEdgeJson(input.analysis.lowestAtEdge)},
        {QStringLiteral("bands"), BandsJson(input.analysis.bands)},
    };
    if (input.options.targetHz) {
        root.insert(QStringLiteral("trim"), TrimJson(input.analysis.trim, input.options.swrLimit));
    }
    if (input.options.velocityFactor) {
        root.insert(QStringLiteral("cable"), Cable(input.analysis.cable));
    }
    root.insert(QStringLiteral("reference_plane"),
                input.feedline ? QStringLiteral("antenna") : QStringLiteral("analyser"));
    if (input.feedline) root.insert(QStringLiteral("feedline"), FeedlineObject(input));
    if (input.withSamples) root.insert(QStringLiteral("samples"), Samples(samples));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace ravemo
