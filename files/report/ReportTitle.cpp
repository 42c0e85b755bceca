#include "files/report/ReportTitle.h"

#include <QFontMetricsF>

namespace ravemo {

QString FittedTitle(const QString& title, const QFont& font, QPaintDevice* device, double width) {
    const QString oneLine = title.simplified();
    return QFontMetricsF(font, device).elidedText(oneLine, Qt::ElideRight, width);
}

}  // namespace ravemo
