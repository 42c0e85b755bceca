#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace ravemo {

// The report's title as one line no wider than `width` (device pixels) in `font` on `device`:
// line breaks become spaces, and a title too long for the page ends in "…" where it is cut, so
// it never runs off the page or pushes the charts down.
QString FittedTitle(const QString& title, const QFont& font, QPaintDevice* device, double width);

}  // namespace ravemo
