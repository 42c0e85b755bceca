#pragma once

#include <cstdint>

#include <QStringView>

namespace ravemo {

// The integer of a settings value, read as the Windows integer profile reader reads it: blanks
// first, an optional sign, then the decimal digits up to the first other character; a value
// that does not begin with a digit reads 0 ("abc", "-", "x12"), "12abc" reads 12, "0x378"
// reads 0. Unlike that reader, a value beyond 32 bits does not wrap around: the result then
// lies outside the 32-bit range (it saturates near +-2^40) so the caller can reject it.
std::int64_t ProfileIntegerValue(QStringView text);

}  // namespace ravemo
