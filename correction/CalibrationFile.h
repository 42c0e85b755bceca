#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "correction/Calibration.h"

namespace ravemo {

// The calibration file: plain text, one record per line, '#' lines are comments.
//
//   ravemo-calibration 1                 format name and version
//   range_mhz 1.000000 30.000000         first and last frequency
//   points 201                           how many point lines follow
//   date 2026-12-07T14:54:39Z            when the standards were swept (UTC)
//   # MHz short_dB short_deg open_dB open_deg load_dB load_deg
//   1.000000 0.0586 178.5000 -0.1172 1.2250 -27.3040 63.0000
//   ...
//
// Each point line holds the frequency in MHz and the three standards' readings as the
// converters gave them, before correction: return loss in dB and |phase| in degrees.
inline constexpr int kCalibrationFileVersion = 1;
// Far more points than any sweep of the largest Champ needs would be no calibration.
inline constexpr qint64 kLargestCalibrationFileBytes = 64LL * 1024 * 1024;
inline const QString kCalibrationFileKind = QStringLiteral("calibration file");

QByteArray EncodeCalibrationFile(const Calibration& calibration, const QDateTime& sweptAt);

// The calibration and its date, or why the text is not a calibration file.
struct ParsedCalibration {
    std::optional<Calibration> calibration;
    QDateTime sweptAt;
    QString error;  // names the line and what is wrong with it
};
ParsedCalibration ParseCalibrationFile(const QByteArray& bytes);

// Reads a calibration file through the bounded reader; the error names the file.
ParsedCalibration ReadCalibrationFile(const QString& path);

}  // namespace ravemo
