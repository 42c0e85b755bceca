#include <cmath>
#include <optional>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/AnalysisOutput.h"

namespace ravemo {
namespace {

QJsonValue Number(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue Number(const std::optional<double>& value) {
    return value ? Number(*value) : QJsonValue(QJsonValue::Null);
}

QJsonValue Edges(const std::optional<SwrEdges>& edges) {
    if (!edges) return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("low_hz"), Number(edges->lowHz)},
                       {QStringLiteral("high_hz"), Number(edges->highHz)},
                       {QStringLiteral("bandwidth_hz"), Number(edges->bandwidthHz)}};
}

QJsonArray Dips(const std::vector<SwrDip>& dips) {
    QJsonArray array;
    for (const SwrDip& dip : dips) {
        const AntennaSample& s = dip.bottom;
        array.append(QJsonObject{{QStringLiteral("frequency_hz"), Number(s.hz)},
                                 {QStringLiteral("swr"), Number(s.swr)},
                                 {QStringLiteral("return_loss_db"), Number(s.returnLossDb)},
                                 {QStringLiteral("rs_ohm"), Number(s.rs)},
                                 {QStringLiteral("xs_ohm"), Number(s.xs)},
                                 {QStringLiteral("z_ohm"), Number(s.z)},
                                 {QStringLiteral("swr_2"), Edges(dip.swr2)},
                                 {QStringLiteral("swr_1_5"), Edges(dip.swr15)},
                                 {QStringLiteral("q"), Number(dip.q)}});
    }
    return array;
}

QJsonArray Resonances(const std::vector<Resonance>& resonances) {
    QJsonArray array;
    for (const Resonance& r : resonances) {
        array.append(QJsonObject{{QStringLiteral("frequency_hz"), Number(r.hz)},
                                 {QStringLiteral("rs_ohm"), Number(r.rs)},
                                 {QStringLiteral("kind"), r.kind == ResonanceKind::Series
                                                              ? QStringLiteral("series")
                                                              : QStringLiteral("parallel")}});
    }
    return array;
}

QJsonArray Bands(const std::vector<BandCoverage>& bands) {
    QJsonArray array;
    for (const BandCoverage& b : bands) {
        array.append(QJsonObject{{QStringLiteral("name"), QString::fromLatin1(b.band.name)},
                                 {QStringLiteral("low_hz"), Number(b.band.lowHz)},
                                 {QStringLiteral("high_hz"), Number(b.band.highHz)},
                                 {QStringLiteral("min_swr"), Number(b.minSwr)},
                                 {QStringLiteral("min_swr_hz"), Number(b.minSwrHz)},
                                 {QStringLiteral("below_2_fraction"), Number(b.below2Fraction)},
                                 {QStringLiteral("covered_fraction"), Number(b.coveredFraction)}});
    }
    return array;
}

QJsonValue Trim(const std::optional<TrimAdvice>& trim) {
    if (!trim) return QJsonValue::Null;
    return QJsonObject{
        {QStringLiteral("target_hz"), Number(trim->targetHz)},
        {QStringLiteral("resonance_hz"), Number(trim->resonanceHz)},
        {QStringLiteral("length_change_percent"), Number(trim->lengthChangePercent)}};
}

QJsonValue Cable(const std::optional<CableEstimate>& cable) {
    if (!cable || !cable->length) return QJsonValue::Null;
    const CableLength& c = *cable->length;
    return QJsonObject{{QStringLiteral("velocity_factor"), Number(c.velocityFactor)},
                       {QStringLiteral("quarter_wave_hz"), Number(c.quarterWaveHz)},
                       {QStringLiteral("length_m"), Number(c.lengthM)}};
}

QJsonArray Samples(const std::vector<AntennaSample>& samples) {
    QJsonArray array;
    for (const AntennaSample& s : samples) {
        array.append(QJsonObject{{QStringLiteral("frequency_hz"), Number(s.hz)},
                                 {QStringLiteral("swr"), Number(s.swr)},
                                 {QStringLiteral("rs_ohm"), Number(s.rs)},
                                 {QStringLiteral("xs_ohm"), Number(s.xs)},
                                 {QStringLiteral("z_ohm"), Number(s.z)}});
    }
    return array;
}

}  // namespace

QByteArray AnalysisJson(const AnalysisOutputInput& input) {
    const std::vector<AntennaSample>& samples = input.set.samples;
    QJsonObject root{
        {QStringLiteral("source"), input.source},
        {QStringLiteral("points"), static_cast<qint64>(samples.size())},
        {QStringLiteral("from_hz"), samples.empty() ? QJsonValue() : Number(samples.front().hz)},
        {QStringLiteral("to_hz"), samples.empty() ? QJsonValue() : Number(samples.back().hz)},
        {QStringLiteral("reactance_sign"), input.set.sign == ReactanceSign::Measured
                                               ? QStringLiteral("measured")
                                               : QStringLiteral("estimated")},
        {QStringLiteral("dips"), Dips(input.analysis.dips)},
        {QStringLiteral("resonances"), Resonances(input.analysis.resonances)},
        {QStringLiteral("bands"), Bands(input.analysis.bands)},
    };
    if (input.options.targetHz) root.insert(QStringLiteral("trim"), Trim(input.analysis.trim));
    if (input.options.velocityFactor) {
        root.insert(QStringLiteral("cable"), Cable(input.analysis.cable));
    }
    if (input.withSamples) root.insert(QStringLiteral("samples"), Samples(samples));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace ravemo
