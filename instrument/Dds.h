#pragma once

#include "instrument/PortLink.h"

namespace ravemo {

// Tuning-word units per hertz: 2^32 / 180 MHz rounded to two decimals, a constant of the
// synthesiser, not a setting.
inline constexpr double kWordUnitsPerHz = 23.86;
// Largest word magnitude the sweep may send; larger points are skipped.
inline constexpr double kMaxWordMagnitude = 2147483648.0;

inline double TuningWord(double frequencyHz) { return frequencyHz * kWordUnitsPerHz; }

// True when the word can be sent as a frame: |word| <= 2^31 and it rounds (ties to even) into
// a signed 32-bit integer. A word that rounds up to 2^31 is skipped like a larger one.
bool WordFitsFrame(double word);

// True when the synthesiser can make the word's frequency: 0 <= word and WordFitsFrame(word),
// that is 0 to 90,003,505 Hz. A negative word that fits is still sent (as its two's complement)
// but gives some other frequency, so a reading taken there measures nothing at that frequency.
bool WordIsReachable(double word);

// The three serial primitives. Each begins with the resting value 24.
void DdsSendZero(const PortLink& link);  // 24, 26
void DdsSendOne(const PortLink& link);   // 24, 25, 27
void DdsUpdate(const PortLink& link);    // 24, 28, 24

// Word bits 0-30 go into the frame, each after a yield: the frame load's yields.
inline constexpr int kWordBitsSent = 31;

// Sends the 40-bit frame of one tuning word, least significant bit first, and pulses update:
// word bits 0-30 (each after a yield), 0, 1, seven 0s. The caller guarantees WordFitsFrame;
// a word that does not fit sends nothing at all.
void DdsLoadWord(const PortLink& link, double word);

// Loads the all-zero frame: 40 zero bits then the update pulse. No yields.
void DdsClear(const PortLink& link);

}  // namespace ravemo
