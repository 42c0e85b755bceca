#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

#include "common/NumberText.h"
#include "instrument/Adc.h"
#include "instrument/Dds.h"
#include "instrument/LoadModelText.h"
#include "instrument/SimulatedInstrument.h"
#include "support/ScriptedPump.h"
#include "sweep/MarkerIndex.h"
#include "sweep/MarkerReadouts.h"
#include "sweep/MeasurementRules.h"
#include "sweep/PlainSweepControls.h"
#include "sweep/ReachableRange.h"

namespace ravemo {
namespace {

TEST(MarkerIndex, MapsTheLineToAStepIndexWithinTheSamples) {
    const struct {
        float lineX;
        double width;
        std::int32_t champ;
        std::int16_t step;
        std::int32_t index;
    } cases[] = {
        {12000.0F, 8835.0, 6000, 1, 6000},                         // right of it
        {2160.0F, 8835.0, 6000, 1, 1467},                          // where MK1 starts: 1466.89
        {2.5F, 100.0, 100, 1, 2},                                  // ties to even
        {10.0F, 100.0, 100, 4, 8},                                 // 10 / 4 = 2.5 -> 2 steps
        {1.0F, 100.0, 100, 4, 4},                                  // below Step -> Step
        {50.0F, 100.0, 10, 20, 10},                                // Step above Champ -> Champ
        {-std::numeric_limits<float>::max(), 8835.0, 6000, 4, 4},  // saturates, no overflow
        {100.0F, 0.0, 6000, 1, 6000},                              // a chart of no width
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MarkerIndex(c.lineX, c.width, c.champ, c.step), c.index) << c.lineX;
    }
}

TEST(MarkerReadouts, ShowTheReadingsConvertedInTheLocaleWithTheOffset) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    const MarkerSample other{700.0F, 300.0F, 7'050'000.0};
    const QString mark = NumberText::notANumberMark();
    const struct {
        MarkerSample sample;
        const char* offset;
        QLocale locale;
        QString shown;  // phase, return loss, frequency, |Xs|, Rs, SWR, |Z|, C, L
    } cases[] = {
        {{171, 514, 14e6}, "0", us, "89.95 -19.98 14,000,000 9.94 49.02 1.22 50.02 1144.26 0.11"},
        // The offset enters every value but phase and frequency.
        {{853, 514, 14e6}, "1,5", de, "89,95 18,49 14.000.000 11,75 48,62 1,27 50,02 968 0,13"},
        // Total reflection at zero phase, and no frequency: no finite value where D is 0.
        {{512, 0, 14e6}, "0", us, QString("0 0 14,000,000 %1 %1 2000 %1 %1 %1").arg(mark)},
        {{171, 514, 0.0}, "0", us, QString("89.95 -19.98 0 9.94 49.02 1.22 50.02 %1 %1").arg(mark)},
        // Zero reactance reads as the 0.01 ohm the readout keeps finite.
        {{171, 0, 1e6}, "0", us, "0 -19.98 1,000,000 0.01 61.14 1.22 61.14 15923566.88 0"},
    };
    for (const auto& c : cases) {
        for (const int marker : {1, 2}) {
            PlainSweepControls controls;
            controls.offset = c.offset;
            controls.singleMarker = marker;  // only the value 1 hides the second marker
            ShowMarkerReadouts(controls, marker == 1 ? c.sample : other,
                               marker == 2 ? c.sample : other, c.locale);
            QStringList texts;
            for (int box = marker - 1; box < kReadoutCount; box += 2) {
                texts << controls.readoutText(static_cast<Readout>(box));
            }
            EXPECT_EQ(texts.join(' ').toStdString(), c.shown.toStdString())
                << c.sample.returnLossRaw << "/" << c.sample.phaseRaw << " marker " << marker;
            EXPECT_EQ(controls.secondMarkerVisible, marker != 1);
        }
    }
}

TEST(ReachableRange, TheNoticeNamesEachLimitBeyondReachAndTheCountSkipsTheirPoints) {
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(RangeNotice(0.0, 90003505.0, point), QString());
    EXPECT_EQ(RangeNotice(-5e6, 110e6, point),
              "The synthesiser reaches 0 to 90.0035 MHz: the lower limit is below 0 and the upper "
              "limit is above 90.0035 MHz. Points out of its reach are not measured.");
    SweepData data(6);
    data.DdsWords = {TuningWord(0.0),  TuningWord(-1.0), TuningWord(5e6), TuningWord(95e6),
                     TuningWord(90e6), TuningWord(1e6),  TuningWord(2e6)};
    EXPECT_EQ(ReachablePointCount(data, 1), 5);
    EXPECT_EQ(ReachablePointCount(data, 3), 2);  // 0, 3, 6: 95 MHz is not
}

// One point through the whole chain (the frame into the simulated synthesiser, the converters
// read back and converted as the sweep does) matches the model's impedance within what one
// converter step either way can move it.
TEST(SimulatedLoop, ReadsBackTheModelsImpedanceWithinOneConverterStep) {
    const struct {
        const char* model;
        double hz;
    } cases[] = {{"resistor:75", 14e6}, {"r:200", 28e6},          {"dipole", 13.9e6},
                 {"dipole:3.6", 3.7e6}, {"rlc:r=20,l=0.5u", 7e6}, {"rlc:r=80,c=220p", 5e6}};
    const auto ohms = [](float returnLossRaw, float phaseRaw) {
        const SampleValues v = ConvertSample(std::clamp(returnLossRaw, 0.0F, 1023.0F),
                                             std::clamp(phaseRaw, 0.0F, 1023.0F));
        return std::array<double, 3>{v.z, v.rs, v.xs};
    };
    for (const auto& c : cases) {
        SimulatedInstrument sim(std::move(ParseLoadModel(QString::fromUtf8(c.model)).model), 888);
        test::ScriptedPump pump;
        const PortLink link{sim, 888, pump};
        DdsLoadWord(link, TuningWord(c.hz));
        float phase = -1;
        float returnLoss = -1;
        ReadAdcPair(link, phase, returnLoss);
        const std::complex<double> z = sim.load().impedance(sim.frequencyHz());
        const double model[] = {std::abs(z), z.real(), std::fabs(z.imag())};
        const auto measured = ohms(returnLoss, phase);
        for (std::size_t q = 0; q < 3; ++q) {
            double spread = 0;
            for (int rlStep = -1; rlStep <= 1; ++rlStep) {
                for (int phaseStep = -1; phaseStep <= 1; ++phaseStep) {
                    const auto near = ohms(returnLoss + static_cast<float>(rlStep),
                                           phase + static_cast<float>(phaseStep));
                    spread = std::max(spread, std::fabs(near[q] - measured[q]));
                }
            }
            EXPECT_LT(spread, 0.05 * std::abs(z) + 1.0) << c.model;  // a tight bound
            EXPECT_NEAR(measured[q], model[q], spread) << c.model << " quantity " << q;
        }
    }
}

}  // namespace
}  // namespace ravemo
