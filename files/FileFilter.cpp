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

QStringList SuffixesOfFilterList(const QString& filterList) {
    const QStringList parts = filterList.split(u'|');
    QStringList suffixes;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = parts[i + 1].split(u';').front().trimmed();
        const QString suffix =
            pattern.startsWith(QStringLiteral("*.")) ? pattern.mid(2) : QString();
        const bool single = !suffix.isEmpty() && !suffix.contains(u'*') && !suffix.contains(u'?');
        suffixes.append(single ? suffix : QString());
    }
    return suffixes;
}

}  // namespace ravemo
