#include "instrument/Dds.h"

#include <cmath>
#include <cstdint>

namespace ravemo {
namespace {
constexpr int kTrailingZeroBits = 7;
constexpr int kClearFrameBits = 40;
}  // namespace

bool WordFitsFrame(double word) {
    if (!(std::fabs(word) <= kMaxWordMagnitude)) return false;
    return std::nearbyint(word) < kMaxWordMagnitude;
}

bool WordIsReachable(double word) { return word >= 0.0 && WordFitsFrame(word); }

void DdsSendZero(const PortLink& link) {
    link.writeData(kRestingValue);
    link.writeData(kRestingValue | kDdsClockBit);
}

void DdsSendOne(const PortLink& link) {
    link.writeData(kRestingValue);
    link.writeData(kRestingValue | kDdsDataBit);
    link.writeData(kRestingValue | kDdsDataBit | kDdsClockBit);
}

void DdsUpdate(const PortLink& link) {
    link.writeData(kRestingValue);
    link.writeData(kRestingValue | kDdsUpdateBit);
    link.writeData(kRestingValue);
}

void DdsLoadWord(const PortLink& link, double word) {
    // A word outside the frame (or NaN) would make the conversion below undefined; the sweep
    // skips such points, so sending nothing keeps the synthesiser on its last good frequency.
    if (!WordFitsFrame(word)) return;
    const auto n = static_cast<std::int32_t>(std::nearbyint(word));
    const auto bits = static_cast<std::uint32_t>(n);  // two's complement for negative words
    for (int b = 0; b < kWordBitsSent; ++b) {
        link.pump.yield();
        if ((bits >> b) & 1U) {
            DdsSendOne(link);
        } else {
            DdsSendZero(link);
        }
    }
    DdsSendZero(link);  // frame bit 31
    DdsSendOne(link);   // frame bit 32
    for (int b = 0; b < kTrailingZeroBits; ++b) DdsSendZero(link);
    DdsUpdate(link);
}

void DdsClear(const PortLink& link) {
    for (int b = 0; b < kClearFrameBits; ++b) DdsSendZero(link);
    DdsUpdate(link);
}

}  // namespace ravemo
