#include "files/FileFilter.h"

namespace ravemo {

QStringList NameFiltersOfFilterList(const QString& filterList) {
    const QStringList parts = filterList.split(u'|');
    QStringList nameFilters;
    // Entries are description/pattern pairs; a trailing bar leaves an empty last part.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString pattern = parts[i + 1].trimmed();
        const QString patterns = QString(pattern).replace(u';', u' ');
        if (description.endsWith(u'(' + patterns + u')')) {
            nameFilters.append(description);
        } else {
            nameFilters.append(description + QStringLiteral(" (") + patterns + u')');
        }
    }
    return nameFilters;
}

}  // namespace ravemo
