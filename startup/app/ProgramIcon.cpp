#include "startup/app/ProgramIcon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace ravemo {
namespace {

const char* const kIconResource = ":/icons/ravemo.png";

QIcon drawnIcon() {
    QPixmap pixmap(kProgramIconSizePx, kProgramIconSizePx);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(QPen(QColor(200, 0, 0), 1.5));
    painter.drawLine(QPointF(2, 16), QPointF(30, 16));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(16, 9, 14, 14));
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

QIcon ProgramIcon() {
    if (QFile::exists(QString::fromLatin1(kIconResource))) {
        QIcon icon(QString::fromLatin1(kIconResource));
        if (!icon.isNull()) return icon;
    }
    return drawnIcon();
}

}  // namespace ravemo
