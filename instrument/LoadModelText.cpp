#include "instrument/LoadModelText.h"

#include <cmath>

#include <QStringList>

#include "common/OutOfRangeNumber.h"
#include "common/Units.h"
#include "instrument/DipoleModel.h"
#include "instrument/NameAndArgument.h"
#include "instrument/OpenModel.h"
#include "instrument/ResistorModel.h"
#include "instrument/SeriesRlcModel.h"
#include "instrument/ShortModel.h"
#include "instrument/TouchstoneModel.h"

namespace ravemo {
namespace {
constexpr double kLowestDipoleMHz = 0.01;
constexpr double kHighestDipoleMHz = 1000.0;
constexpr double kDummyLoadOhms = 50.0;  // "resistor" with no value

ParsedLoadModel failure(const QString& what) {
    return {nullptr,
            QStringLiteral("%1; allowed loads: %2").arg(what, QLatin1String(kLoadModelForms))};
}

ParsedLoadModel parseDipole(const QString& argument) {
    if (argument.isEmpty()) return {std::make_unique<DipoleModel>(), {}};
    bool ok = false;
    const double mhz = argument.toDouble(&ok);
    if (!ok || !(mhz >= kLowestDipoleMHz && mhz <= kHighestDipoleMHz)) {
        return failure(QStringLiteral("dipole resonance '%1' is not a frequency in MHz from 0.01 "
                                      "to 1000")
                           .arg(argument));
    }
    return {std::make_unique<DipoleModel>(mhz * kHzPerMHz), {}};
}

ParsedLoadModel parseResistor(const QString& argument) {
    const EngineeringNumber read = ReadEngineeringNumber(argument);
    if (read.outOfRange) {
        return failure(QStringLiteral("resistor value '%1' is out of range (e.g. resistor:75 or "
                                      "r:1k)")
                           .arg(argument));
    }
    const std::optional<double> ohms = read.value;
    if (!ohms || *ohms < 0.0) {
        return failure(QStringLiteral("resistor value '%1' is not a resistance of 0 ohms or more "
                                      "(e.g. resistor:75 or r:1k)")
                           .arg(argument));
    }
    return {std::make_unique<ResistorModel>(*ohms), {}};
}

ParsedLoadModel parseRlc(const QString& argument) {
    double ohms = 0.0;
    double henries = 0.0;
    double farads = 0.0;
    bool hasCapacitor = false;
    bool any = false;
    for (const QString& part : argument.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString key = part.left(equals).trimmed().toLower();
        const EngineeringNumber read = equals < 0
                                           ? EngineeringNumber{}
                                           : ReadEngineeringNumber(part.mid(equals + 1).trimmed());
        // Missing or unreadable values read as -1, which every key refuses. (A plain double:
        // GCC's flow analysis gives false "maybe uninitialized" warnings on an optional here.)
        const double value = read.value.value_or(-1.0);
        if (key != QLatin1String("r") && key != QLatin1String("l") && key != QLatin1String("c")) {
            return failure(QStringLiteral("rlc part '%1' is not r=, l= or c=").arg(part));
        }
        if (read.outOfRange) {
            return failure(QStringLiteral("rlc part '%1' is out of range (e.g. l=1.2u)").arg(part));
        }
        if (value < 0.0 || (key == QLatin1String("c") && value == 0.0)) {
            return failure(QStringLiteral("rlc part '%1' needs a value %2 (e.g. l=1.2u)")
                               .arg(part, key == QLatin1String("c")
                                              ? QStringLiteral("above 0")
                                              : QStringLiteral("of 0 or more")));
        }
        any = true;
        if (key == QLatin1String("r")) ohms = value;
        if (key == QLatin1String("l")) henries = value;
        if (key == QLatin1String("c")) {
            farads = value;
            hasCapacitor = true;
        }
    }
    if (!any) return failure(QStringLiteral("rlc needs at least one of r=, l=, c="));
    const std::optional<double> capacitor =
        hasCapacitor ? std::optional<double>(farads) : std::nullopt;
    return {std::make_unique<SeriesRlcModel>(ohms, henries, capacitor), {}};
}

ParsedLoadModel parseTouchstone(const QString& path) {
    if (path.isEmpty())
        return failure(QStringLiteral("s1p needs a file path (s1p:/path/file.s1p)"));
    TouchstoneModel::Parsed parsed = TouchstoneModel::fromFile(path);
    if (!parsed.model) return {nullptr, parsed.error};
    return {std::move(parsed.model), {}};
}

ParsedLoadModel noArgument(const QString& name, const QString& argument,
                           std::unique_ptr<LoadModel> model) {
    if (!argument.isEmpty()) {
        return failure(QStringLiteral("'%1' takes no value, found '%2'").arg(name, argument));
    }
    return {std::move(model), {}};
}
}  // namespace

EngineeringNumber ReadEngineeringNumber(const QString& text) {
    QString digits = text.trimmed();
    double scale = 1.0;
    if (digits.endsWith(QLatin1String("meg"), Qt::CaseInsensitive)) {
        scale = 1e6;
        digits.chop(3);
    } else if (!digits.isEmpty()) {
        switch (digits.back().toLatin1()) {
            case 'p':
                scale = 1e-12;
                break;
            case 'n':
                scale = 1e-9;
                break;
            case 'u':
                scale = 1e-6;
                break;
            case 'm':
                scale = 1e-3;
                break;
            case 'k':
            case 'K':
                scale = 1e3;
                break;
            case 'M':
                scale = 1e6;
                break;
            default:
                break;
        }
        if (scale != 1.0) digits.chop(1);
    }
    bool ok = false;
    const double value = digits.toDouble(&ok);  // C locale: the point is the decimal separator
    if (!ok) return {std::nullopt, IsOutOfRangeNumber(digits)};
    if (!std::isfinite(value)) return {};  // "inf", "nan": no number to simulate with
    if (!std::isfinite(value * scale)) return {std::nullopt, true};
    return {value * scale, false};
}

ParsedLoadModel ParseLoadModel(const QString& text) {
    const auto [name, argument, colon] = SplitNameAndArgument(text);
    if (name.isEmpty() && !colon) return {std::make_unique<DipoleModel>(), {}};
    if (name == QLatin1String("dipole")) return parseDipole(argument);
    if (name == QLatin1String("resistor") || name == QLatin1String("r")) {
        if (!colon) return {std::make_unique<ResistorModel>(kDummyLoadOhms), {}};
        return parseResistor(argument);
    }
    if (name == QLatin1String("open"))
        return noArgument(name, argument, std::make_unique<OpenModel>());
    if (name == QLatin1String("short")) {
        return noArgument(name, argument, std::make_unique<ShortModel>());
    }
    if (name == QLatin1String("rlc")) return parseRlc(argument);
    if (name == QLatin1String("s1p")) return parseTouchstone(argument);
    return failure(QStringLiteral("unknown load '%1'").arg(name));
}

}  // namespace ravemo
