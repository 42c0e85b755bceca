#include "instrument/Adc.h"

namespace ravemo {
namespace {
constexpr int kClockHighLoopPasses = 11;

// The short clock-high time of the converters: an empty counting loop, kept so the line timing
// on a real port matches the instrument's expectations.
void holdClockHigh() {
    volatile int pass = 0;
    while (pass < kClockHighLoopPasses) {
        const int next = pass + 1;
        pass = next;
    }
}
}  // namespace

void ReadAdcPair(const PortLink& link, float& phaseCell, float& returnLossCell) {
    link.writeData(kRestingValue);
    phaseCell = 0.0F;
    returnLossCell = 0.0F;
    for (int k = 1; k <= kConverterBits; ++k) {
        const auto weight = static_cast<float>(1 << (kConverterBits - k));
        link.pump.yield();
        link.writeData(0);
        if (link.port.read(link.statusAddress()) & kPhaseDataMask) phaseCell += weight;
        if (link.port.read(link.statusAddress()) & kReturnLossDataMask) returnLossCell += weight;
        link.writeData(kAdcClockBit);
        holdClockHigh();
        link.writeData(0);
    }
    link.writeData(kRestingValue);
}

}  // namespace ravemo
