#pragma once

#include <QIcon>

namespace ravemo {

// The program's icon: ":/icons/ravemo.png" when the build holds it, else a drawn stand-in
// (a Smith-chart circle), so a window never goes without one.
QIcon ProgramIcon();

}  // namespace ravemo
