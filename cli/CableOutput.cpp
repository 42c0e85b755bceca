#include "cli/CableOutput.h"

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "plot/CableTexts.h"

namespace ravemo {
namespace {

QJsonValue NumberOrNull(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

}  // namespace

QByteArray CableJson(const CableMeasurement& m) {
    QJsonArray losses;
    for (const LossAtFrequency& loss : m.losses) {
        losses.append(QJsonObject{{QStringLiteral("frequency_hz"), loss.hz},
                                  {QStringLiteral("loss_db"), NumberOrNull(loss.lossDb)}});
    }
    QJsonArray faults;
    std::optional<double> resolution;
    std::optional<double> range;
    if (m.distance) {
        for (const FaultPeak& peak : m.distance->peaks) {
            faults.append(QJsonObject{{QStringLiteral("distance_m"), peak.distanceM},
                                      {QStringLiteral("reflection"), peak.reflection}});
        }
        resolution = m.distance->resolutionM;
        range = m.distance->rangeM;
    }
    const QJsonObject root{
        {QStringLiteral("end"),
         m.end == CableEnd::Open ? QStringLiteral("open") : QStringLiteral("short")},
        {QStringLiteral("loss_db"), losses},
        {QStringLiteral("velocity_factor"), NumberOrNull(m.velocityFactor)},
        {QStringLiteral("length_m"), NumberOrNull(m.lengthM)},
        {QStringLiteral("faults"), faults},
        {QStringLiteral("resolution_m"), NumberOrNull(resolution)},
        {QStringLiteral("range_m"), NumberOrNull(range)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString CableReport(const QString& path, const CableMeasurement& m, const QLocale& locale) {
    QString text =
        QStringLiteral("%1: a line %2 at its far end\n\n").arg(path, CableEndName(m.end));
    text += CableFindingsText(m, locale);
    return text;
}

}  // namespace ravemo
