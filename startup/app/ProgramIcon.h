#pragma once

#include <QIcon>

namespace ravemo {

// The size the icon is drawn at, and shown at on the splash window.
inline constexpr int kProgramIconSizePx = 32;

// The program's icon: ":/icons/ravemo.png" when the build holds it, else a drawn stand-in
// (a Smith-chart circle), so a window never goes without one.
QIcon ProgramIcon();

}  // namespace ravemo
