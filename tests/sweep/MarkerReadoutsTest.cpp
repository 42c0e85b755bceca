#include "sweep/MarkerReadouts.h"

#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "sweep/PlainSweepControls.h"

namespace ravemo {
namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kDe(QLocale::German, QLocale::Germany);
const MarkerSample kOther{700.0F, 300.0F, 7'050'000.0};

// One marker's nine readouts, in the order phase, return loss, frequency, |Xs|, Rs, SWR, |Z|,
// C, L, joined by spaces.
QString ReadoutsOf(const PlainSweepControls& controls, int marker) {
    QStringList texts;
    for (int box = marker - 1; box < kReadoutCount; box += 2) {
        texts << controls.readoutText(static_cast<Readout>(box));
    }
    return texts.join(' ');
}

TEST(MarkerReadouts, ShowTheReadingsConvertedInTheLocaleWithTheOffset) {
    const QString mark = NumberText::notANumberMark();
    const struct {
        MarkerSample sample;
        const char* offset;
        QLocale locale;
        QString shown;
    } cases[] = {
        {{171, 514, 14e6}, "0", kUs, "89.95 -19.98 14,000,000 9.94 49.02 1.22 50.02 1144.26 0.11"},
        {{853, 514, 14e6}, "0", kUs, "89.95 19.99 14,000,000 9.93 49.02 1.22 50.02 1145.42 0.11"},
        {{700, 300, 7.05e6}, "0", kUs, "52.5 11.02 7,050,000 30.29 62.52 1.78 69.47 745.68 0.68"},
        {{171, 514, 14e6}, "0", kDe, "89,95 -19,98 14.000.000 9,94 49,02 1,22 50,02 1144,26 0,11"},
        {{700, 300, 7.05e6},
         "0",
         QLocale(QLocale::English, QLocale::India),
         "52.5 11.02 70,50,000 30.29 62.52 1.78 69.47 745.68 0.68"},
        // The offset enters every value but phase and frequency; the box reads by its
        // leading number, the comma as decimal only in a comma locale.
        {{853, 514, 14e6}, "1.5", kUs, "89.95 18.49 14,000,000 11.75 48.62 1.27 50.02 968 0.13"},
        {{853, 514, 14e6},
         " 1.5 dB",
         kUs,
         "89.95 18.49 14,000,000 11.75 48.62 1.27 50.02 968 0.13"},
        {{853, 514, 14e6}, "1,5", kDe, "89,95 18,49 14.000.000 11,75 48,62 1,27 50,02 968 0,13"},
        {{853, 514, 14e6},
         "1,5",
         kUs,
         "89.95 18.99 14,000,000 11.11 48.77 1.25 50.02 1023.76 0.13"},
        {{853, 514, 14e6}, "dB", kUs, "89.95 19.99 14,000,000 9.93 49.02 1.22 50.02 1145.42 0.11"},
        {{171, 1, 14e6}, "0", kUs, "0.18 -19.98 14,000,000 0.05 61.14 1.22 61.14 227479.53 0"},
        {{171, 9, 14e6}, "0", kUs, "1.58 -19.98 14,000,000 0.35 61.13 1.22 61.13 32497.08 0"},
        // Total reflection at zero phase: no finite value where D is 0.
        {{512, 0, 14e6}, "0", kUs, QString("0 0 14,000,000 %1 %1 2000 %1 %1 %1").arg(mark)},
        {{171, 514, 0.0},
         "0",
         kUs,
         QString("89.95 -19.98 0 9.94 49.02 1.22 50.02 %1 %1").arg(mark)},
        // Zero reactance reads as the 0.01 ohm the readout keeps finite.
        {{171, 0, 1e6}, "0", kUs, "0 -19.98 1,000,000 0.01 61.14 1.22 61.14 15923566.88 0"},
    };
    for (const auto& c : cases) {
        for (const int marker : {1, 2}) {
            PlainSweepControls controls;
            controls.offset = c.offset;
            ShowMarkerReadouts(controls, marker == 1 ? c.sample : kOther,
                               marker == 2 ? c.sample : kOther, c.locale);
            EXPECT_EQ(ReadoutsOf(controls, marker).toStdString(), c.shown.toStdString())
                << c.sample.returnLossRaw << "/" << c.sample.phaseRaw << " offset " << c.offset
                << " marker " << marker;
        }
    }
}

TEST(MarkerReadouts, SingleMarkerHidesTheSecondMarkerButStillComputesIt) {
    const MarkerSample sample{171.0F, 514.0F, 14'000'000.0};
    for (const int single : {1, 0, 2}) {
        PlainSweepControls controls;
        controls.singleMarker = single;
        ShowMarkerReadouts(controls, sample, kOther, kUs);
        EXPECT_EQ(controls.secondMarkerVisible, single != 1) << single;
        EXPECT_EQ(controls.readoutText(Readout::Mk2Impedance), "69.47");
    }
}

}  // namespace
}  // namespace ravemo
