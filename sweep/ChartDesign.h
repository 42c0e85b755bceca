#pragma once

namespace ravemo {

// The chart as the window lays it out, in twips (1/1440 inch): the extent every chart
// coordinate refers to, and where the two marker lines stand when the window opens. The window
// builds its chart from these; headless runs (ravemo-cli, the benchmarks) place their markers
// where the window would.
inline constexpr double kChartWidthTwips = 8835.0;
inline constexpr double kChartHeightTwips = 3795.0;
inline constexpr double kMarker1StartTwips = 2160.0;
inline constexpr double kMarker2StartTwips = 3960.0;

}  // namespace ravemo
