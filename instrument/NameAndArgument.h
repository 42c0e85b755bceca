#pragma once

#include <QString>

namespace ravemo {

// A choice written "name" or "name:argument", as the port choice and a load model's text are:
// the name trimmed and in lower case, the argument trimmed with its case kept (after the first
// colon: "s1p:C:/a.s1p" names s1p). `colon` tells "name:" from "name".
struct NameAndArgument {
    QString name;
    QString argument;
    bool colon = false;
};

inline NameAndArgument SplitNameAndArgument(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(u':');
    if (colon < 0) return {trimmed.toLower(), QString(), false};
    return {trimmed.left(colon).trimmed().toLower(), trimmed.mid(colon + 1).trimmed(), true};
}

}  // namespace ravemo
