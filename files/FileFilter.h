#pragma once

#include <QString>
#include <QStringList>

namespace ravemo {

// A dialog filter list "description|pattern|description|pattern|" as Qt name filters, one per
// entry: "description (pattern)", or the description alone when it already ends with the
// pattern in parentheses ("CSV files(*.csv)").
QStringList NameFiltersOfFilterList(const QString& filterList);

// The file-name extension each entry stands for, one per entry in the same order: "vec" for
// the pattern "*.vec" (the first pattern of the entry counts), empty where the pattern names
// no single extension ("*.*", "*").
QStringList SuffixesOfFilterList(const QString& filterList);

}  // namespace ravemo
