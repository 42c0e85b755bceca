#include "ui/tuning/ScreenFit.h"

#include <algorithm>
#include <cmath>

namespace ravemo {

QRect FittedOnScreen(const QRect& wanted, const QRect& available, double share) {
    if (available.isEmpty()) return wanted;
    QSize size = wanted.size();
    if (size.width() > available.width() || size.height() > available.height()) {
        const QSize room(static_cast<int>(std::floor(available.width() * share)),
                         static_cast<int>(std::floor(available.height() * share)));
        size = size.boundedTo(room);
    }
    const int x = std::clamp(wanted.x(), available.left(), available.right() + 1 - size.width());
    const int y = std::clamp(wanted.y(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(x, y), size};
}

}  // namespace ravemo
