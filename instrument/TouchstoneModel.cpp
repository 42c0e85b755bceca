#include "instrument/TouchstoneModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFileInfo>
#include <QStringList>

#include "common/BoundedFileRead.h"

namespace ravemo {
namespace {
constexpr double kDefaultReferenceOhms = 50.0;
constexpr double kDefaultHzPerUnit = 1e9;  // GHZ when the option line names no unit
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
constexpr int kNumbersPerOnePortLine = 3;
constexpr double kDbPerDecade = 20.0;
constexpr double kDegreesPerHalfTurn = 180.0;

enum class Format { MagnitudeAngle, DecibelAngle, RealImaginary };

struct Options {
    double hzPerUnit = kDefaultHzPerUnit;
    Format format = Format::MagnitudeAngle;
    double referenceOhms = kDefaultReferenceOhms;
};

QString lineError(int lineNumber, const QString& what) {
    return QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
}

// Reads the "# <unit> <parameter> <format> R <ohms>" line; any order, any case.
QString parseOptions(const QStringList& tokens, int lineNumber, Options& options) {
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QString token = tokens[i].toUpper();
        if (token == QLatin1String("HZ")) {
            options.hzPerUnit = 1.0;
        } else if (token == QLatin1String("KHZ")) {
            options.hzPerUnit = 1e3;
        } else if (token == QLatin1String("MHZ")) {
            options.hzPerUnit = 1e6;
        } else if (token == QLatin1String("GHZ")) {
            options.hzPerUnit = 1e9;
        } else if (token == QLatin1String("MA")) {
            options.format = Format::MagnitudeAngle;
        } else if (token == QLatin1String("DB")) {
            options.format = Format::DecibelAngle;
        } else if (token == QLatin1String("RI")) {
            options.format = Format::RealImaginary;
        } else if (token == QLatin1String("S")) {
            // the only parameter a replayed load needs
        } else if (token == QLatin1String("Y") || token == QLatin1String("Z") ||
                   token == QLatin1String("G") || token == QLatin1String("H")) {
            return lineError(lineNumber, QStringLiteral("parameter %1 is not supported; only S "
                                                        "(reflection) files can be replayed")
                                             .arg(token));
        } else if (token == QLatin1String("R")) {
            bool ok = false;
            const double ohms = i + 1 < tokens.size() ? tokens[i + 1].toDouble(&ok) : 0.0;
            if (!ok || !(ohms > 0.0) || !std::isfinite(ohms)) {
                return lineError(lineNumber,
                                 QStringLiteral("R must be followed by a reference resistance "
                                                "above 0 ohms"));
            }
            options.referenceOhms = ohms;
            ++i;
        } else {
            return lineError(lineNumber, QStringLiteral("unknown option '%1' (allowed: HZ KHZ MHZ "
                                                        "GHZ, S, MA DB RI, R <ohms>)")
                                             .arg(tokens[i]));
        }
    }
    return {};
}

std::complex<double> toGamma(double first, double second, Format format) {
    switch (format) {
        case Format::RealImaginary:
            return {first, second};
        case Format::DecibelAngle:
            return std::polar(std::pow(10.0, first / kDbPerDecade),
                              second * std::numbers::pi / kDegreesPerHalfTurn);
        case Format::MagnitudeAngle:
            break;
    }
    return std::polar(first, second * std::numbers::pi / kDegreesPerHalfTurn);
}
}  // namespace

TouchstoneModel::Parsed TouchstoneModel::fromText(const QString& text, const QString& name) {
    Options options;
    bool optionsSeen = false;
    std::vector<Point> points;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        QString line = lines[index];
        const qsizetype comment = line.indexOf(QLatin1Char('!'));
        if (comment >= 0) line.truncate(comment);
        const QStringList tokens = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (tokens.isEmpty()) continue;
        if (tokens.front().startsWith(QLatin1Char('#'))) {
            if (optionsSeen) continue;  // only the first option line counts
            optionsSeen = true;
            QStringList optionTokens = tokens;
            if (optionTokens.front() != QLatin1String("#")) {  // "#GHZ" written without a blank
                optionTokens.insert(1, optionTokens.front().mid(1));
            }
            QString error = parseOptions(optionTokens, lineNumber, options);
            if (!error.isEmpty()) return {nullptr, error};
            continue;
        }
        if (tokens.size() != kNumbersPerOnePortLine) {
            return {nullptr,
                    lineError(lineNumber, QStringLiteral("expected 3 numbers (frequency and one "
                                                         "complex value), found %1; only one-port "
                                                         "(.s1p) files are supported")
                                              .arg(tokens.size()))};
        }
        double values[kNumbersPerOnePortLine] = {};
        for (int k = 0; k < kNumbersPerOnePortLine; ++k) {
            bool ok = false;
            values[k] = tokens[k].toDouble(&ok);
            if (!ok || !std::isfinite(values[k])) {
                return {nullptr, lineError(lineNumber,
                                           QStringLiteral("'%1' is not a number").arg(tokens[k]))};
            }
        }
        const double hz = values[0] * options.hzPerUnit;
        if (hz < 0.0 || (!points.empty() && !(hz > points.back().hz))) {
            return {nullptr, lineError(lineNumber, QStringLiteral("frequencies must be 0 or more "
                                                                  "and strictly increasing"))};
        }
        points.push_back({hz, toGamma(values[1], values[2], options.format)});
    }
    if (points.empty()) return {nullptr, QStringLiteral("no data points found")};
    return {std::unique_ptr<TouchstoneModel>(
                new TouchstoneModel(std::move(points), options.referenceOhms, name)),
            {}};
}

TouchstoneModel::Parsed TouchstoneModel::fromFile(const QString& path) {
    const BoundedFileRead read =
        ReadBoundedFile(path, kMaxFileBytes, QStringLiteral("Touchstone file"));
    if (!read.bytes) return {nullptr, read.error};
    Parsed parsed = fromText(QString::fromUtf8(*read.bytes), QFileInfo(path).fileName());
    if (!parsed.error.isEmpty()) {
        parsed.error = QStringLiteral("Touchstone file %1, %2").arg(path, parsed.error);
    }
    return parsed;
}

std::complex<double> TouchstoneModel::reflection(double hz) const {
    if (!(hz > points_.front().hz)) return points_.front().gamma;
    if (!(hz < points_.back().hz)) return points_.back().gamma;
    const auto above = std::upper_bound(points_.begin(), points_.end(), hz,
                                        [](double f, const Point& p) { return f < p.hz; });
    const auto below = above - 1;
    const double t = (hz - below->hz) / (above->hz - below->hz);
    return below->gamma + (above->gamma - below->gamma) * t;
}

std::complex<double> TouchstoneModel::impedance(double hz) const {
    return ImpedanceOf(reflection(hz), referenceOhms_);
}

QString TouchstoneModel::description() const {
    return QStringLiteral("Touchstone file %1, %2 points from %3 to %4 MHz")
        .arg(name_)
        .arg(points_.size())
        .arg(QString::number(points_.front().hz / 1e6, 'g', 6),
             QString::number(points_.back().hz / 1e6, 'g', 6));
}

}  // namespace ravemo
