#pragma once

#include <cstdint>

#include <QColor>
#include <QRgb>

#include "common/ColourNumber.h"

namespace ravemo {

// Colour numbers (common/ColourNumber.h) as Qt paints and picks colours.
inline QRgb RgbFromNumber(std::uint32_t number) {
    const ColourComponents c = ComponentsOf(number);
    return qRgb(c.red, c.green, c.blue);
}

inline QColor ColourFromNumber(std::uint32_t number) { return QColor(RgbFromNumber(number)); }

inline std::uint32_t NumberFromColour(const QColor& colour) {
    return ColourNumberOf({colour.red(), colour.green(), colour.blue()});
}

}  // namespace ravemo
