#include "plot/AnalysisJsonParts.h"

#include <cmath>

#include "plot/Verdicts.h"

namespace ravemo {
namespace {

QJsonValue EdgesJson(const std::optional<SwrEdges>& edges) {
    if (!edges) return QJsonValue::Null;
    return QJsonObject{{QStringLiteral("low_hz"), JsonNumber(edges->lowHz)},
                       {QStringLiteral("high_hz"), JsonNumber(edges->highHz)},
                       {QStringLiteral("bandwidth_hz"), JsonNumber(edges->bandwidthHz())}};
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

}  // namespace

QJsonValue JsonNumber(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue JsonNumber(const std::optional<double>& value) {
    return value ? JsonNumber(*value) : QJsonValue(QJsonValue::Null);
}

QString ReactanceSignName(ReactanceSign sign) {
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

// X as its sign state allows: |X| where the sign is unknown.
QJsonObject WithReactanceJson(QJsonObject object, const AntennaSample& s) {
    object.insert(QStringLiteral("xs_ohm"),
                  JsonNumber(s.xsSign == ReactanceSign::Unknown ? std::fabs(s.xs) : s.xs));
    object.insert(QStringLiteral("xs_sign"), ReactanceSignName(s.xsSign));
    return object;
}

QJsonArray DipsJson(const std::vector<SwrDip>& dips) {
    QJsonArray array;
    for (const SwrDip& dip : dips) {
        const AntennaSample& s = dip.bottom;
        QJsonObject object{{QStringLiteral("frequency_hz"), JsonNumber(s.hz)},
                           {QStringLiteral("swr"), JsonNumber(s.swr)},
                           {QStringLiteral("return_loss_db"), JsonNumber(s.returnLossDb)},
                           {QStringLiteral("rs_ohm"), JsonNumber(s.rs)},
                           {QStringLiteral("z_ohm"), JsonNumber(s.z)},
                           {QStringLiteral("swr_2"), EdgesJson(dip.swr2)},
                           {QStringLiteral("swr_1_5"), EdgesJson(dip.swr15)},
                           {QStringLiteral("q"), JsonNumber(dip.q)}};
        if (!dip.q) object.insert(QStringLiteral("q_missing"), QProblemName(dip.qProblem));
        // The bridge could not tell it from its directivity floor, whose SWR this is.
        if (s.floorSwr > 0.0) object.insert(QStringLiteral("swr_floor"), JsonNumber(s.floorSwr));
        array.append(WithReactanceJson(object, s));
    }
    return array;
}

QJsonArray ResonancesJson(const std::vector<Resonance>& resonances, ReactanceSign setSign) {
    QJsonArray array;
    for (const Resonance& r : resonances) {
        array.append(QJsonObject{{QStringLiteral("frequency_hz"), JsonNumber(r.hz)},
                                 {QStringLiteral("rs_ohm"), JsonNumber(r.rs)},
                                 {QStringLiteral("xs_sign"), ReactanceSignName(setSign)},
                                 {QStringLiteral("kind"), r.kind == ResonanceKind::Series
                                                              ? QStringLiteral("series")
                                                              : QStringLiteral("parallel")}});
    }
    return array;
}

QJsonArray BandsJson(const std::vector<BandCoverage>& bands) {
    QJsonArray array;
    for (const BandCoverage& b : bands) {
        array.append(
            QJsonObject{{QStringLiteral("name"), QString::fromLatin1(b.band.name)},
                        {QStringLiteral("low_hz"), JsonNumber(b.band.lowHz)},
                        {QStringLiteral("high_hz"), JsonNumber(b.band.highHz)},
                        {QStringLiteral("min_swr"), JsonNumber(b.minSwr)},
                        {QStringLiteral("min_swr_hz"), JsonNumber(b.minSwrHz)},
                        {QStringLiteral("below_2_fraction"), JsonNumber(b.below2Fraction)},
                        {QStringLiteral("covered_fraction"), JsonNumber(b.coveredFraction)}});
    }
    return array;
}

QJsonValue TrimJson(const std::optional<TrimAdvice>& trim, double swrLimit) {
    if (!trim) return QJsonValue::Null;
    const bool dip = trim->basis == TrimBasis::Dip;
    const bool any = trim->basis != TrimBasis::NoSwrDip;
    return QJsonObject{{QStringLiteral("target_hz"), JsonNumber(trim->targetHz)},
                       {QStringLiteral("basis"), BasisName(trim->basis)},
                       {QStringLiteral("dip_hz"), any ? JsonNumber(trim->dipHz) : QJsonValue()},
                       {QStringLiteral("length_change_percent"),
                        dip ? JsonNumber(trim->lengthChangePercent) : QJsonValue()},
                       {QStringLiteral("advice"), TrimText(*trim, swrLimit, QLocale::c())}};
}

QJsonValue LowestAtEdgeJson(const std::optional<SwrAtEdge>& low) {
    if (!low) return QJsonValue::Null;
    return QJsonObject{
        {QStringLiteral("edge"),
         low->edge == SweepEdge::Lower ? QStringLiteral("lower") : QStringLiteral("upper")},
        {QStringLiteral("frequency_hz"), JsonNumber(low->sample.hz)},
        {QStringLiteral("swr"), JsonNumber(low->sample.swr)}};
}

}  // namespace ravemo
