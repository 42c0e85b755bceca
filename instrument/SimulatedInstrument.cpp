#include "instrument/SimulatedInstrument.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "instrument/Dds.h"
#include "instrument/PortLink.h"

namespace ravemo {
namespace {
constexpr std::uint64_t kTuningWordMask = (std::uint64_t{1} << 31) - 1;  // frame bits 0-30
constexpr std::uint64_t kOutputOnFrameBit = std::uint64_t{1} << 32;
constexpr int kTopFrameBit = kSynthesiserFrameBits - 1;
constexpr double kUniformScale = 0x1.0p-53;  // 53 random bits to [0, 1)

bool rises(std::uint8_t before, std::uint8_t after, std::uint8_t bit) {
    return (before & bit) == 0 && (after & bit) != 0;
}
bool falls(std::uint8_t before, std::uint8_t after, std::uint8_t bit) {
    return (before & bit) != 0 && (after & bit) == 0;
}

int clampReading(double steps) {
    if (!(steps > 0.0)) return 0;  // also NaN
    return static_cast<int>(std::min(std::nearbyint(steps), double{kConverterFullScale}));
}

}  // namespace

ConverterReadings ReadingsOfReflection(std::complex<double> gamma) {
    const ConverterSteps steps = StepsOfReflection(gamma, 0.0, BridgeErrors{});
    return {clampReading(steps.returnLoss), clampReading(steps.phase)};
}

SimulatedInstrument::SimulatedInstrument(std::unique_ptr<LoadModel> load, std::uint16_t dataAddress,
                                         SimulatedNoise noise, BridgeErrors bridge)
    : load_(std::move(load)),
      dataAddress_(dataAddress),
      noise_(noise),
      bridge_(bridge),
      random_(noise.seed) {}

void SimulatedInstrument::write(std::uint16_t address, std::uint8_t value) {
    if (address == dataAddress_) onDataWrite(value);
}

std::uint8_t SimulatedInstrument::read(std::uint16_t address) {
    if (address != static_cast<std::uint16_t>(dataAddress_ + 1U)) return 0;
    std::uint8_t status = kIdleStatusBits;
    if (converterBit(readings_.phase)) status |= kPhaseDataMask;
    if (converterBit(readings_.returnLoss)) status |= kReturnLossDataMask;
    return status;
}

void SimulatedInstrument::onDataWrite(std::uint8_t value) {
    const std::uint8_t before = lines_;
    lines_ = value;

    if (rises(before, value, kDdsClockBit)) {
        const std::uint64_t bit = (value & kDdsDataBit) != 0 ? 1 : 0;
        shiftRegister_ = (shiftRegister_ >> 1) | (bit << kTopFrameBit);
    }
    if (rises(before, value, kDdsUpdateBit)) {
        latchedFrame_ = shiftRegister_;
        ++framesLatched_;
        const bool outputOn = (latchedFrame_ & kOutputOnFrameBit) != 0;
        frequencyHz_ =
            outputOn ? static_cast<double>(latchedFrame_ & kTuningWordMask) / kWordUnitsPerHz : 0.0;
    }

    const bool selected = (value & kAdcSelectBit) == 0;
    if (falls(before, value, kAdcSelectBit)) {
        startConversion();  // the most significant bit stands on the lines at once
    } else if (selected && falls(before, value, kAdcClockBit) &&
               bitPosition_ < kConverterResolutionBits) {
        ++bitPosition_;
    }
}

void SimulatedInstrument::startConversion() {
    const std::complex<double> gamma =
        ReflectionOf(load_->impedance(frequencyHz_), kBridgeReferenceOhms);
    const ConverterSteps steps = StepsOfReflection(gamma, frequencyHz_, bridge_);
    readings_ = {clampReading(steps.returnLoss + noiseSteps()),
                 clampReading(steps.phase + noiseSteps())};
    bitPosition_ = 0;
    ++conversions_;
}

// Box-Muller over the generator's raw bits, so a seed gives the same noise on every platform.
double SimulatedInstrument::noiseSteps() {
    if (noise_.steps == 0.0) return 0.0;
    const double u1 = 1.0 - static_cast<double>(random_() >> 11) * kUniformScale;  // (0, 1]
    const double u2 = static_cast<double>(random_() >> 11) * kUniformScale;
    return noise_.steps * std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
}

bool SimulatedInstrument::converterBit(int reading) const {
    if (bitPosition_ >= kConverterResolutionBits) return false;  // idle, or shifted out
    return ((reading >> (kConverterResolutionBits - 1 - bitPosition_)) & 1) != 0;
}

}  // namespace ravemo
