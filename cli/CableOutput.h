#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "analysis/CableMeasurement.h"

namespace ravemo {

// The cable command's findings as one JSON object: end, loss_db (per band), velocity_factor,
// length_m, faults, resolution_m, range_m; null where a value cannot be had.
QByteArray CableJson(const CableMeasurement& m);

// The same as text for a reader, numbers in `locale`.
QString CableReport(const QString& path, const CableMeasurement& m, const QLocale& locale);

}  // namespace ravemo
