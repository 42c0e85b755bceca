#include <cmath>
#include <optional>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/AnalysisOutput.h"
#include "plot/Verdicts.h"

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
                       {QStringLiteral("bandwidth_hz"), Number(edges->bandwidthHz())}};
}

QString SignName(ReactanceSign sign) {
    switch (sign) {
        case ReactanceSign::Measured:
            return QStringLiteral("measured");
        case ReactanceSign::Unknown:
            return QStringLiteral("unknown");
        case ReactanceSign::Estimated:
            break;
    }
    return QStringLiteral("estimated");
}

QString QProblemName(QProblem problem) {
    switch (problem) {
        case QProblem::NotReached:
            return QStringLiteral("2:1 not reached");
        case QProblem::EdgeOutside:
            return QStringLiteral("2:1 edge outside the sweep");
        case QProblem::BottomNearTwoToOne:
            return QStringLiteral("lowest SWR within one converter step of 2:1");
        case QProblem::None:
            break;
    }
    return {};
}

// X as its sign state allows: |X| where the sign is unknown.
QJsonObject WithReactance(QJsonObject object, const AntennaSample& s) {
    object.insert(QStringLiteral("xs_ohm"),
                  Number(s.xsSign == ReactanceSign::Unknown ? std::fabs(s.xs) : s.xs));
    object.insert(QStringLiteral("xs_sign"), SignName(s.xsSign));
    return object;
}

QJsonArray Dips(const std::vector<SwrDip>& dips) {
    QJsonArray array;
    for (const SwrDip& dip : dips) {
        const AntennaSample& s = dip.bottom;
        QJsonObject object{{QStringLiteral("frequency_hz"), Number(s.hz)},
                           {QStringLiteral("swr"), Number(s.swr)},
                           {QStringLiteral("return_loss_db"), Number(s.returnLossDb)},
                           {QStringLiteral("rs_ohm"), Number(s.rs)},
                           {QStringLiteral("z_ohm"), Number(s.z)},
                           {QStringLiteral("swr_2"), Edges(dip.swr2)},
                           {QStringLiteral("swr_1_5"), Edges(dip.swr15)},
                           {QStringLiteral("q"), Number(dip.q)}};
        if (!dip.q) object.insert(QStringLiteral("q_missing"), QProblemName(dip.qProblem));
        // The bridge could not tell it from its directivity floor, whose SWR this is.
        if (s.floorSwr > 0.0) object.insert(QStringLiteral("swr_floor"), Number(s.floorSwr));
        array.append(WithReactance(object, s));
    }
    return array;
}

QJsonArray Resonances(const std::vector<Resonance>& resonances, ReactanceSign setSign) {
    QJsonArray array;
    for (const Resonance& r : resonances) {
        array.append(QJsonObject{{QStringLiteral("frequency_hz"), Number(r.hz)},
                                 {QStringLiteral("rs_ohm"), Number(r.rs)},
                                 {QStringLiteral("xs_sign"), SignName(setSign)},
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

QString BasisName(TrimBasis basis) {
    switch (basis) {
        case TrimBasis::Dip:
            return QStringLiteral("dip");
        case TrimBasis::LowerEdge:
            return QStringLiteral("lowest_swr_at_lower_edge");
        case TrimBasis::UpperEdge:
            return QStringLiteral("lowest_swr_at_upper_edge");
        case TrimBasis::NoSwrDip:
            break;
    }
    return QStringLiteral("no_dip");
}

QJsonValue Trim(const std::optional<TrimAdvice>& trim, double swrLimit) {
    if (!trim) return QJsonValue::Null;
    const bool dip = trim->basis == TrimBasis::Dip;
    const bool any = trim->basis != TrimBasis::NoSwrDip;
    return QJsonObject{{QStringLiteral("target_hz"), Number(trim->targetHz)},
                       {QStringLiteral("basis"), BasisName(trim->basis)},
                       {QStringLiteral("dip_hz"), any ? Number(trim->dipHz) : QJsonValue()},
                       {QStringLiteral("length_change_percent"),
                        dip ? Number(trim->lengthChangePercent) : QJsonValue()},
                       {QStringLiteral("advice"), TrimText(*trim, swrLimit, QLocale::c())}};
}

QJsonValue LowestAtEdge(const std::optional<SwrAtEdge>& low) {
    if (!low) return QJsonValue::Null;
    return QJsonObject{
        {QStringLiteral("edge"),
         low->edge == SweepEdge::Lower ? QStringLiteral("lower") : QStringLiteral("upper")},
        {QStringLiteral("frequency_hz"), Number(low->sample.hz)},
        {QStringLiteral("swr"), Number(low->sample.swr)}};
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
        array.append(WithReactance(QJsonObject{{QStringLiteral("frequency_hz"), Number(s.hz)},
                                               {QStringLiteral("swr"), Number(s.swr)},
                                               {QStringLiteral("rs_ohm"), Number(s.rs)},
                                               {QStringLiteral("z_ohm"), Number(s.z)}},
                                   s));
    }
    return array;
}

// The feedline the figures were moved through: its type, length, one-way loss at each dip (in
// the order of "dips") and the stretches where the antenna cannot be seen.
QJsonObject FeedlineObject(const AnalysisOutputInput& input) {
    const Feedline& line = *input.feedline;
    QJsonArray losses;
    for (const SwrDip& dip : input.analysis.dips) losses.append(Number(line.lossDb(dip.bottom.hz)));
    QJsonArray unseen;
    for (const UnseenStretch& u : input.unseen) {
        unseen.append(QJsonObject{{QStringLiteral("low_hz"), Number(u.lowHz)},
                                  {QStringLiteral("high_hz"), Number(u.highHz)}});
    }
    return QJsonObject{{QStringLiteral("type"), line.type.name},
                       {QStringLiteral("length_m"), Number(line.lengthM)},
                       {QStringLiteral("loss_db_at_dips"), losses},
                       {QStringLiteral("unseen"), unseen}};
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
        {QStringLiteral("resonances"), Resonances(input.analysis.resonances, input.set.sign)},
        {QStringLiteral("lowest_swr_at_edge"), LowestAtEdge(input.analysis.lowestAtEdge)},
        {QStringLiteral("bands"), Bands(input.analysis.bands)},
    };
    if (input.options.targetHz) {
        root.insert(QStringLiteral("trim"), Trim(input.analysis.trim, input.options.swrLimit));
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
