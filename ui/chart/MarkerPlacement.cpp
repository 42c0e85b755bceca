#include "ui/chart/MarkerPlacement.h"

#include "ui/chart/ChartWidget.h"

namespace ravemo {

namespace {

void setLineX(ChartLine& line, float x) {
    line.x1 = static_cast<double>(x);
    line.x2 = static_cast<double>(x);
}

}  // namespace

void PlaceMarker(MarkerParts markers, int button, double x) {
    const auto released = static_cast<float>(x);
    if (button == kLeftButton) {
        const float width = static_cast<float>(markers.tag1.width);
        markers.tag1.left = static_cast<double>(released - width);
        setLineX(markers.line1, released);
    } else if (button == kRightButton) {
        setLineX(markers.line2, released);
        markers.tag2.left = static_cast<double>(released);
    }
}

void PlaceMarker(ChartWidget& chart, int button, double x) {
    PlaceMarker(MarkerParts{chart.line(1), chart.tag(1), chart.line(2), chart.tag(2)}, button, x);
    chart.update();
}

}  // namespace ravemo
