#pragma once

#include <cstdint>

namespace ravemo {

// The chart as the curve code sees it: chart coordinates in twips (1/1440 inch), origin at the
// top-left corner, y downwards, 8835 x 3795 as laid out. A wipe erases the drawn curves only;
// grid lines, marker lines and marker tags stay. Colours are colour numbers
// red + 256 green + 65536 blue.
class ChartCanvas {
  public:
    virtual ~ChartCanvas() = default;
    virtual void wipe() = 0;
    virtual void drawSegment(float x1, float y1, float x2, float y2, std::uint32_t colour) = 0;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
};

}  // namespace ravemo
