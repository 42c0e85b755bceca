#include "correction/CalibrationFile.h"

#include <cmath>
#include <vector>

#include <QList>

#include "common/BoundedFileRead.h"
#include "common/Units.h"

namespace ravemo {
namespace {

const QByteArray kFormatName = "ravemo-calibration";
constexpr int kFrequencyDecimals = 6;
constexpr int kReadingDecimals = 4;
constexpr int kFieldsPerPoint = 7;
constexpr std::size_t kHeaderLines = 4;
// The range line must name the first and last point within a rounding of the MHz text.
constexpr double kRangeSlackMHz = 1e-6;

QByteArray Fixed(double value, int decimals) { return QByteArray::number(value, 'f', decimals); }

// The text's lines without comments or blank lines, each with its number in the file.
struct Line {
    int number;
    QList<QByteArray> fields;
};
std::vector<Line> Records(const QByteArray& bytes) {
    std::vector<Line> lines;
    int number = 0;
    for (const QByteArray& raw : bytes.split('\n')) {
        ++number;
        const QByteArray text = raw.trimmed();
        if (text.isEmpty() || text.startsWith('#')) continue;
        lines.push_back({number, text.simplified().split(' ')});
    }
    return lines;
}

std::optional<double> Number(const QByteArray& field) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

ParsedCalibration Refused(const QString& why) { return {std::nullopt, {}, why}; }
ParsedCalibration Refused(const Line& line, const QString& why) {
    return Refused(QStringLiteral("line %1: %2").arg(line.number).arg(why));
}

// The value fields of a "key value..." line, or nothing when the key or the count differs.
std::optional<QList<QByteArray>> Keyed(const Line& line, const char* key, qsizetype values) {
    if (line.fields.size() != values + 1 || line.fields.front() != key) return std::nullopt;
    return line.fields.mid(1);
}

// The point lines, or why one is not a point.
std::optional<QString> ReadPoints(const std::vector<Line>& lines,
                                  std::vector<CalibrationPoint>& points) {
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i) {
        const Line& line = lines[i];
        std::vector<double> values;
        for (const QByteArray& field : line.fields) {
            if (const std::optional<double> value = Number(field)) values.push_back(*value);
        }
        if (line.fields.size() != kFieldsPerPoint || values.size() != kFieldsPerPoint) {
            return QStringLiteral(
                       "line %1: a point line holds 7 numbers: MHz and the short's, "
                       "the open's and the load's dB and degrees")
                .arg(line.number);
        }
        points.push_back({values[0] * kHzPerMHz,
                          {values[1], values[2]},
                          {values[3], values[4]},
                          {values[5], values[6]}});
    }
    return std::nullopt;
}

}  // namespace

QByteArray EncodeCalibrationFile(const Calibration& calibration, const QDateTime& sweptAt) {
    QByteArray text = kFormatName + ' ' + QByteArray::number(kCalibrationFileVersion) + '\n';
    text += "range_mhz " + Fixed(calibration.lowHz() / kHzPerMHz, kFrequencyDecimals) + ' ' +
            Fixed(calibration.highHz() / kHzPerMHz, kFrequencyDecimals) + '\n';
    text += "points " + QByteArray::number(static_cast<qint64>(calibration.points().size())) + '\n';
    text += "date " + sweptAt.toUTC().toString(Qt::ISODate).toLatin1() + '\n';
    text += "# MHz short_dB short_deg open_dB open_deg load_dB load_deg\n";
    for (const CalibrationPoint& p : calibration.points()) {
        text += Fixed(p.hz / kHzPerMHz, kFrequencyDecimals);
        for (const StandardReading& r : {p.shortCircuit, p.openCircuit, p.load}) {
            text += ' ' + Fixed(r.returnLossDb, kReadingDecimals) + ' ' +
                    Fixed(r.phaseDegrees, kReadingDecimals);
        }
        text += '\n';
    }
    return text;
}

ParsedCalibration ParseCalibrationFile(const QByteArray& bytes) {
    const std::vector<Line> lines = Records(bytes);
    if (lines.empty() || lines[0].fields.size() != 2 || lines[0].fields[0] != kFormatName) {
        return Refused(QStringLiteral("not a calibration file: it must start with the line "
                                      "\"ravemo-calibration %1\"")
                           .arg(kCalibrationFileVersion));
    }
    if (lines[0].fields[1] != QByteArray::number(kCalibrationFileVersion)) {
        return Refused(lines[0], QStringLiteral("calibration file version %1 is not one this "
                                                "program reads (it reads version %2)")
                                     .arg(QString::fromLatin1(lines[0].fields[1].left(20)))
                                     .arg(kCalibrationFileVersion));
    }
    if (lines.size() < kHeaderLines) {
        return Refused(QStringLiteral("the file ends before its range, points and date lines"));
    }
    const auto range = Keyed(lines[1], "range_mhz", 2);
    const std::optional<double> low = range ? Number((*range)[0]) : std::nullopt;
    const std::optional<double> high = range ? Number((*range)[1]) : std::nullopt;
    if (!low || !high) {
        return Refused(lines[1], QStringLiteral("expected \"range_mhz LOW HIGH\" in MHz"));
    }
    const auto count = Keyed(lines[2], "points", 1);
    bool countOk = false;
    const qint64 points = count ? (*count)[0].toLongLong(&countOk) : 0;
    if (!countOk || points < 2) {
        return Refused(lines[2], QStringLiteral("expected \"points N\" with N of 2 or more"));
    }
    const auto date = Keyed(lines[3], "date", 1);
    const QDateTime sweptAt =
        date ? QDateTime::fromString(QString::fromLatin1((*date)[0]), Qt::ISODate) : QDateTime();
    if (!sweptAt.isValid()) {
        return Refused(lines[3], QStringLiteral("expected \"date YYYY-MM-DDTHH:MM:SSZ\""));
    }
    const auto pointLines = static_cast<qint64>(lines.size() - kHeaderLines);
    if (pointLines != points) {
        return Refused(QStringLiteral("the file says %1 points but holds %2 point lines")
                           .arg(points)
                           .arg(pointLines));
    }
    std::vector<CalibrationPoint> parsed;
    parsed.reserve(static_cast<std::size_t>(points));
    if (const std::optional<QString> problem = ReadPoints(lines, parsed)) return Refused(*problem);
    const bool rangeMatches = std::fabs(parsed.front().hz / kHzPerMHz - *low) <= kRangeSlackMHz &&
                              std::fabs(parsed.back().hz / kHzPerMHz - *high) <= kRangeSlackMHz;
    Calibration::Made made = Calibration::make(std::move(parsed));
    if (!made.calibration) return Refused(made.error);
    if (!rangeMatches) {
        return Refused(lines[1], QStringLiteral("the range does not match the first and last "
                                                "point's frequency"));
    }
    return {std::move(made.calibration), sweptAt, {}};
}

ParsedCalibration ReadCalibrationFile(const QString& path) {
    const BoundedFileRead read =
        ReadBoundedFile(path, kLargestCalibrationFileBytes, kCalibrationFileKind);
    if (!read.bytes) return Refused(read.error);
    ParsedCalibration parsed = ParseCalibrationFile(*read.bytes);
    if (!parsed.calibration) parsed.error = QStringLiteral("%1: %2").arg(path, parsed.error);
    return parsed;
}

}  // namespace ravemo
