#pragma once

#include <QString>
#include <QStringList>

namespace ravemo {

// A dialog filter list "description|pattern|description|pattern|" as Qt name filters, one per
// entry: "description (pattern)", or the description alone when it already ends with the
// pattern in parentheses ("CSV files(*.csv)").
QStringList NameFiltersOfFilterList(const QString& filterList);

}  // namespace ravemo
