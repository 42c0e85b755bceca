#include "cli/CliArguments.h"

#include <cmath>

#include <QLocale>

#include "common/OutOfRangeNumber.h"

namespace ravemo {

CliArguments::CliArguments(const QStringList& words, const QStringList& valueOptions,
                           const QStringList& flags) {
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (!word.startsWith(QStringLiteral("--")) || word == QStringLiteral("--")) {
            positional_.append(word);
            continue;
        }
        QString name = word.mid(2);
        QString inlineValue;
        const qsizetype equals = name.indexOf(u'=');
        const bool hasInlineValue = equals >= 0;
        if (hasInlineValue) {
            inlineValue = name.mid(equals + 1);
            name = name.left(equals);
        }
        if (flags.contains(name) && !hasInlineValue) {
            values_.insert(name, QString());
        } else if (valueOptions.contains(name)) {
            if (hasInlineValue) {
                values_.insert(name, inlineValue);
            } else if (i + 1 < words.size()) {
                values_.insert(name, words[++i]);
            } else {
                error_ = QStringLiteral("option --%1 needs a value").arg(name);
                return;
            }
        } else {
            error_ = QStringLiteral("unknown option --%1").arg(name);
            return;
        }
    }
}

std::optional<double> CliArguments::number(const QString& name) {
    if (!has(name)) return std::nullopt;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double parsed = c.toDouble(value(name).trimmed(), &ok);
    if (!ok || !std::isfinite(parsed)) {
        if (error_.isEmpty() && IsOutOfRangeNumber(value(name))) {
            error_ = QStringLiteral("--%1 %2 is out of range").arg(name, value(name).trimmed());
        } else if (error_.isEmpty()) {
            error_ = QStringLiteral(
                         "--%1 takes a number with a point as decimal separator, not "
                         "\"%2\"")
                         .arg(name, value(name));
        }
        return std::nullopt;
    }
    return parsed;
}

}  // namespace ravemo
