#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "instrument/LoadModelText.h"
#include "instrument/SimulatedInstrument.h"
#include "support/ScriptedPump.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

constexpr std::uint16_t kLoopAddress1 = 888;

// One point through the whole chain: the frame into the simulated synthesiser, the two
// converters read back, and the readings converted as the sweep converts them.
struct LoopPoint {
    double hz;               // what the synthesiser puts out
    std::complex<double> z;  // the model's impedance there
    float returnLossRaw;
    float phaseRaw;
};

LoopPoint MeasureThroughTheLoop(const char* modelText, double hz) {
    ParsedLoadModel parsed = ParseLoadModel(QString::fromUtf8(modelText));
    EXPECT_NE(parsed.model, nullptr) << parsed.error.toStdString();
    SimulatedInstrument sim(std::move(parsed.model), kLoopAddress1);
    test::ScriptedPump pump;
    const PortLink link{sim, kLoopAddress1, pump};
    DdsLoadWord(link, TuningWord(hz));
    float phase = -1;
    float returnLoss = -1;
    ReadAdcPair(link, phase, returnLoss);
    return {sim.frequencyHz(), sim.load().impedance(sim.frequencyHz()), returnLoss, phase};
}

// How far a quantity moves when either reading moves by one converter step: the resolution
// the loop can promise for that quantity at this point.
template <typename Quantity>
double OneStepSpread(float returnLossRaw, float phaseRaw, Quantity quantity) {
    const double here = quantity(ConvertSample(returnLossRaw, phaseRaw));
    double spread = 0;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dp = -1; dp <= 1; ++dp) {
            const float r = std::clamp(returnLossRaw + static_cast<float>(dr), 0.0F, 1023.0F);
            const float p = std::clamp(phaseRaw + static_cast<float>(dp), 0.0F, 1023.0F);
            spread = std::max(spread, std::fabs(quantity(ConvertSample(r, p)) - here));
        }
    }
    return spread;
}

struct LoopCase {
    const char* modelText;
    double hz;
};

class SimulatedLoop : public ::testing::TestWithParam<LoopCase> {};

TEST_P(SimulatedLoop, ReadsBackTheModelsImpedanceWithinOneConverterStep) {
    const LoopCase c = GetParam();
    const LoopPoint point = MeasureThroughTheLoop(c.modelText, c.hz);
    EXPECT_NEAR(point.hz, c.hz, 1.0 / kWordUnitsPerHz);
    const SampleValues measured = ConvertSample(point.returnLossRaw, point.phaseRaw);

    const double zTolerance = OneStepSpread(point.returnLossRaw, point.phaseRaw,
                                            [](const SampleValues& v) { return double{v.z}; });
    const double rsTolerance = OneStepSpread(point.returnLossRaw, point.phaseRaw,
                                             [](const SampleValues& v) { return double{v.rs}; });
    const double xsTolerance = OneStepSpread(point.returnLossRaw, point.phaseRaw,
                                             [](const SampleValues& v) { return double{v.xs}; });
    // One step is a coarse bound for ohms when the load is far from 50 ohms, so keep it honest.
    EXPECT_LT(zTolerance, 0.05 * std::abs(point.z) + 1.0) << c.modelText;

    EXPECT_NEAR(measured.z, std::abs(point.z), zTolerance) << c.modelText << " at " << c.hz;
    EXPECT_NEAR(measured.rs, point.z.real(), rsTolerance) << c.modelText << " at " << c.hz;
    EXPECT_NEAR(measured.xs, std::fabs(point.z.imag()), xsTolerance)
        << c.modelText << " at " << c.hz;
}

INSTANTIATE_TEST_SUITE_P(Loads, SimulatedLoop,
                         ::testing::Values(LoopCase{"resistor:75", 14e6}, LoopCase{"r:200", 28e6},
                                           LoopCase{"dipole", 13.9e6}, LoopCase{"dipole", 14.5e6},
                                           LoopCase{"dipole:3.6", 3.7e6},
                                           LoopCase{"rlc:r=50,l=1.2u,c=100p", 10e6},
                                           LoopCase{"rlc:r=20,l=0.5u", 7e6},
                                           LoopCase{"rlc:r=80,c=220p", 5e6}));

TEST(SimulatedLoop, AMatchedLoadReadsAsTheBridgesFloor) {
    // Below -30 dB the return-loss reading clamps to 0: the best match the bridge can show.
    const LoopPoint point = MeasureThroughTheLoop("resistor:50", 14e6);
    EXPECT_EQ(point.returnLossRaw, 0.0F);
    EXPECT_EQ(point.phaseRaw, 0.0F);
    EXPECT_NEAR(ConvertSample(0.0F, 0.0F).z, 53.3, 0.1);
}

}  // namespace
}  // namespace ravemo
