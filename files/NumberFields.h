#pragma once

#include <string>

namespace ravemo {

// A number for the machine-readable exports: point decimal whatever the locale (printf would
// follow the process locale that Qt sets), at most `significant` digits, "nan", "inf", "-inf".
std::string MachineNumber(double value, int significant);

// The shortest point-decimal text that reads back as exactly `value` (so distinct values never
// print alike); "nan", "inf", "-inf" as above.
std::string ExactMachineNumber(double value);

}  // namespace ravemo
