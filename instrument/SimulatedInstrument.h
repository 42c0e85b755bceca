#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "instrument/ImperfectBridge.h"
#include "instrument/LoadModel.h"
#include "instrument/PortIo.h"

namespace ravemo {

inline constexpr int kSynthesiserFrameBits = 40;
inline constexpr int kConverterResolutionBits = 10;
inline constexpr int kConverterFullScale = (1 << kConverterResolutionBits) - 1;  // 1023
inline constexpr double kBridgeReferenceOhms = 50.0;
// What an idle port shows on the status lines the instrument does not drive (bits 0-3 and 6
// high, busy low); the program ignores them.
inline constexpr std::uint8_t kIdleStatusBits = 0x4F;

// The two raw converter readings of one conversion.
struct ConverterReadings {
    int returnLoss = 0;
    int phase = 0;
};

// What the bridge's converters report for a reflection coefficient: return loss
// r = round((20 log10|G| + 30) / 0.0586) and phase p = round(|arg G in degrees| / 0.175), both
// clamped to 0..1023 (G = 0 gives r = 0).
ConverterReadings ReadingsOfReflection(std::complex<double> gamma);

// Optional measurement noise: Gaussian, `steps` converter steps standard deviation, from a
// seeded generator so runs repeat exactly.
struct SimulatedNoise {
    double steps = 0.0;  // 0 = no noise
    std::uint64_t seed = 1;
};

// A PortIo that behaves as the instrument on the parallel port does, for a modelled load.
//
// It follows the writes to the data address: the synthesiser shifts the data line in on each
// rising word-clock edge and takes the 40-bit frame on the rising edge of the update line
// (frame bits 0-30 are the tuning word, frequency = word / 23.86 Hz; frame bit 32 clear means
// no output). The two converters start a conversion when chip select falls and present the
// most significant bit at once, then the next bit after every falling clock edge while
// selected; the status register carries the phase bit on bit 4 and the return-loss bit on
// bit 5. `bridge` makes the converters read as an imperfect bridge would, before the noise. Reads
// at other addresses give 0; writes to them are ignored.
class SimulatedInstrument final : public PortIo {
  public:
    SimulatedInstrument(std::unique_ptr<LoadModel> load, std::uint16_t dataAddress,
                        SimulatedNoise noise = {}, BridgeErrors bridge = {});

    void write(std::uint16_t address, std::uint8_t value) override;
    std::uint8_t read(std::uint16_t address) override;

    const LoadModel& load() const { return *load_; }
    // Frequency the synthesiser puts out now, 0 before any frame or with the output off.
    double frequencyHz() const { return frequencyHz_; }
    // The last frame taken by an update pulse, frame bit i at bit i.
    std::uint64_t latchedFrame() const { return latchedFrame_; }
    int framesLatched() const { return framesLatched_; }
    int conversions() const { return conversions_; }
    // The readings of the conversion now being clocked out.
    ConverterReadings currentReadings() const { return readings_; }

  private:
    void onDataWrite(std::uint8_t value);
    void startConversion();
    double noiseSteps();
    bool converterBit(int reading) const;

    std::unique_ptr<LoadModel> load_;
    std::uint16_t dataAddress_;
    SimulatedNoise noise_;
    BridgeErrors bridge_;
    std::mt19937_64 random_;

    std::uint8_t lines_ = 0;  // last value written to the data register
    std::uint64_t shiftRegister_ = 0;
    std::uint64_t latchedFrame_ = 0;
    int framesLatched_ = 0;
    double frequencyHz_ = 0.0;

    ConverterReadings readings_;
    int bitPosition_ = kConverterResolutionBits;  // bits already clocked out; 10 = idle
    int conversions_ = 0;
};

}  // namespace ravemo
