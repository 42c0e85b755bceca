#pragma once

#include <QLocale>

#include "support/FileBytes.h"

namespace ravemo::testing {

inline const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
inline const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

using test::ReadFileBytes;
using test::WriteFileBytes;

}  // namespace ravemo::testing
