#pragma once

#include <cstdint>

namespace ravemo {

// Where the load handler puts the chart's scale labels, grid lines, marker tags and marker
// lines, from the chart's top T and height H in window twips. The right-hand scale (phase and
// impedance) divides the height in quarters, the left-hand one (return loss) in thirds; each
// label's top edge stands 100 twips above its grid height.
namespace ChartGeometry {

inline constexpr double kLabelAboveGridTwips = 100.0;
inline constexpr double kTagAboveBottomTwips = 250.0;

// Tops of the scale labels, window twips.
struct ScaleLabelTops {
    double label19;  // "0 ° / 0 ohm"
    double label32;  // "45° / 75 ohm"
    double label31;  // "90° / 150 ohm"
    double label33;  // "135° / 225 ohm"
    double label20;  // "180° / 300 ohm"
    double label29;  // "-10 dB"
    double label30;  // "-20 dB"
    double label18;  // "-30 dB / 1.0 "
};

// Heights of the horizontal grid lines, chart twips.
struct GridHeights {
    double line6;  // H/4
    double line5;  // H/2
    double line7;  // 3H/4
    double line3;  // H/3
    double line4;  // 2H/3
};

ScaleLabelTops scaleLabelTops(double chartTop, double chartHeight);
GridHeights gridHeights(double chartHeight);
// Top of the MK1 and MK2 tags, chart twips.
double markerTagTop(double chartHeight);
// Chart twips per sample index in single precision; Champ must be at least 1.
float xScale(double chartWidth, std::int32_t champ);

}  // namespace ChartGeometry
}  // namespace ravemo
