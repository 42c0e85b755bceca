#include "ui/ChartGeometry.h"

#include <stdexcept>

namespace ravemo::ChartGeometry {

ScaleLabelTops scaleLabelTops(double chartTop, double chartHeight) {
    const double t = chartTop;
    const double h = chartHeight;
    const double up = kLabelAboveGridTwips;
    return {
        .label19 = t - up,
        .label32 = t + h / 4 - up,
        .label31 = t + h / 2 - up,
        .label33 = t + 3 * h / 4 - up,
        .label20 = t + h - up,
        .label29 = t + h / 3 - up,
        .label30 = t + 2 * h / 3 - up,
        .label18 = t + h - up,
    };
}

GridHeights gridHeights(double chartHeight) {
    const double h = chartHeight;
    return {.line6 = h / 4, .line5 = h / 2, .line7 = 3 * h / 4, .line3 = h / 3, .line4 = 2 * h / 3};
}

double markerTagTop(double chartHeight) { return chartHeight - kTagAboveBottomTwips; }

float xScale(double chartWidth, std::int32_t champ) {
    if (champ < 1) throw std::invalid_argument("Champ must be at least 1");
    return static_cast<float>(chartWidth / champ);
}

}  // namespace ravemo::ChartGeometry
