#pragma once

#include <QString>

namespace ravemo {

// "1.0.6": major, minor and revision from the build.
QString ProgramVersionNumber();

// The splash window's version caption: "Version 1.0.6".
QString ProgramVersionCaption();

}  // namespace ravemo
