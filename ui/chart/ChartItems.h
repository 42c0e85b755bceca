#pragma once

#include <QColor>
#include <QString>

namespace ravemo {

// A line control inside the chart (Line1..Line7), in chart twips.
struct ChartLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QColor colour;
    bool visible = true;
};

// A marker tag (Label37 "MK1", Label38 "MK2"), in chart twips.
struct ChartTag {
    QString text;
    double left = 0, top = 0, width = 0, height = 0;
    QColor colour;
    bool visible = true;
};

}  // namespace ravemo
