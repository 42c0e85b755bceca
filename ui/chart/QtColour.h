#pragma once

#include <cstdint>

#include <QColor>
#include <QRgb>

#include "common/ColourNumber.h"

namespace ravemo {

// Colour numbers (common/ColourNumber.h) as Qt paints and picks colours.
inline QRgb rgbFromNumber(std::uint32_t number) {
    const ColourComponents c = componentsOf(number);
    return qRgb(c.red, c.green, c.blue);
}

inline QColor colourFromNumber(std::uint32_t number) { return QColor(rgbFromNumber(number)); }

inline std::uint32_t numberFromColour(const QColor& colour) {
    return colourNumberOf({colour.red(), colour.green(), colour.blue()});
}

}  // namespace ravemo
