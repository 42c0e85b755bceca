#include "instrument/SimulatorText.h"

#include <cmath>
#include <set>

#include <QLocale>
#include <QStringList>

#include "common/FeedlineText.h"
#include "common/NumberText.h"
#include "instrument/BehindFeedlineModel.h"
#include "instrument/LoadModelText.h"

namespace ravemo {
namespace {
constexpr double kMostNoiseSteps = 1023.0;  // beyond the converters' whole scale means nothing
constexpr double kMostTrackingDb = 30.0;
constexpr double kMostPhaseOffsetDegrees = 180.0;
constexpr double kLeastPhaseSlopePercent = -100.0;  // a slope of -100 % would read 0 always
constexpr double kMostPhaseSlopePercent = 100.0;
constexpr double kMostDirectivityDb = 100.0;

std::optional<double> number(const QString& text) {
    const std::optional<double> value = NumberText::parseLocaleNumber(text.trimmed(), QLocale::c());
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

// Two numbers written "A:B".
std::optional<std::pair<double, double>> numberPair(const QString& text) {
    const QStringList parts = text.split(u':');
    if (parts.size() != 2) return std::nullopt;
    const std::optional<double> first = number(parts[0]);
    const std::optional<double> second = number(parts[1]);
    if (!first || !second) return std::nullopt;
    return std::pair{*first, *second};
}

bool within(double value, double low, double high) { return value >= low && value <= high; }

QString refusal(const QString& option, const QString& why) {
    return QStringLiteral("simulator option '%1' %2; options: %3")
        .arg(option, why, QLatin1String(kSimulatorOptionForms));
}

// Applies one "key=value" to `parsed`; returns the refusal, or an empty text.
QString applyOption(const QString& option, ParsedSimulator& parsed) {
    const qsizetype equals = option.indexOf(u'=');
    if (equals < 0) return refusal(option, QStringLiteral("is not key=value"));
    const QString key = option.left(equals).trimmed().toLower();
    const QString value = option.mid(equals + 1).trimmed();
    if (key == QLatin1String("line")) {
        ParsedFeedline line = ParseFeedline(value);
        if (!line.line)
            return refusal(option, QStringLiteral("names no feedline (%1)").arg(line.error));
        parsed.model = std::make_unique<BehindFeedlineModel>(std::move(parsed.model), *line.line);
        return {};
    }
    if (key == QLatin1String("noise")) {
        const std::optional<double> steps = number(value);
        if (!steps || !within(*steps, 0.0, kMostNoiseSteps)) {
            return refusal(option, QStringLiteral("needs a number of counts from 0 to 1023"));
        }
        parsed.noiseSteps = *steps;
        return {};
    }
    if (key == QLatin1String("seed")) {
        bool ok = false;
        const qulonglong seed = value.toULongLong(&ok);
        if (!ok) return refusal(option, QStringLiteral("needs a whole number of 0 or more"));
        parsed.noiseSeed = seed;
        return {};
    }
    if (key == QLatin1String("tracking")) {
        const auto pair = numberPair(value);
        if (!pair || !within(pair->first, -kMostTrackingDb, kMostTrackingDb) ||
            !within(pair->second, -kMostTrackingDb, kMostTrackingDb)) {
            return refusal(option, QStringLiteral("needs DB0:DB30, each from -30 to 30 dB"));
        }
        parsed.bridge.trackingDbAt0Hz = pair->first;
        parsed.bridge.trackingDbAt30MHz = pair->second;
        return {};
    }
    if (key == QLatin1String("phase")) {
        const auto pair = numberPair(value);
        if (!pair || !within(pair->first, -kMostPhaseOffsetDegrees, kMostPhaseOffsetDegrees) ||
            !within(pair->second, kLeastPhaseSlopePercent, kMostPhaseSlopePercent) ||
            pair->second == kLeastPhaseSlopePercent) {
            return refusal(option, QStringLiteral("needs DEGREES:PERCENT, an offset from -180 to "
                                                  "180 degrees and a slope above -100 and up to "
                                                  "100 percent"));
        }
        parsed.bridge.phaseOffsetDegrees = pair->first;
        parsed.bridge.phaseSlopePercent = pair->second;
        return {};
    }
    if (key == QLatin1String("directivity")) {
        const std::optional<double> db = number(value);
        if (!db || !within(*db, 0.0, kMostDirectivityDb)) {
            return refusal(option, QStringLiteral("needs a number of dB from 0 to 100"));
        }
        parsed.bridge.directivityDb = *db;
        return {};
    }
    return refusal(option, QStringLiteral("is unknown"));
}
}  // namespace

bool ParsedSimulator::bridgeIsIdeal() const {
    return bridge.trackingDbAt0Hz == 0.0 && bridge.trackingDbAt30MHz == 0.0 &&
           bridge.phaseOffsetDegrees == 0.0 && bridge.phaseSlopePercent == 0.0 &&
           !bridge.directivityDb;
}

ParsedSimulator ParseSimulator(const QString& text) {
    const QStringList parts = text.split(u';');
    ParsedSimulator parsed;
    ParsedLoadModel load = ParseLoadModel(parts.front());
    if (!load.model) {
        parsed.error = load.error;
        return parsed;
    }
    parsed.model = std::move(load.model);
    std::set<QString> seen;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString option = parts[i].trimmed();
        if (option.isEmpty()) continue;  // "sim:open;" or ";;"
        const QString key = option.section(u'=', 0, 0).trimmed().toLower();
        if (!seen.insert(key).second) {
            parsed.error = refusal(option, QStringLiteral("repeats '%1'").arg(key));
        } else {
            parsed.error = applyOption(option, parsed);
        }
        if (!parsed.error.isEmpty()) {
            parsed.model.reset();
            return parsed;
        }
    }
    return parsed;
}

}  // namespace ravemo
