#pragma once

#include <cstdint>

#include <QLocale>
#include <QString>

#include "sweep/SweepData.h"

namespace ravemo {

// The top of the synthesiser's range as the program states it: 2^31 / 23.86 Hz is
// 90,003,505.78 Hz, shown to the 100 Hz.
inline constexpr double kReachableTopMHz = 90.0035;

// True when the synthesiser makes `hz`: its tuning word is WordIsReachable (0 to 90.0035 MHz).
bool FrequencyIsReachable(double hz);

// "The synthesiser reaches 0 to 90.0035 MHz: ..." naming the sweep limit (hertz) that lies
// beyond that range and on which side; empty when both limits are within it. The numbers
// follow `locale`.
QString RangeNotice(double lowerHz, double upperHz, const QLocale& locale);

// How many of the sample indices 0, Step, 2 Step, ... up to Champ hold a reachable tuning
// word: the points a sweep that read the converters measured. A Step below 1 counts as 1.
std::int64_t ReachablePointCount(const SweepData& data, std::int32_t step);

}  // namespace ravemo
