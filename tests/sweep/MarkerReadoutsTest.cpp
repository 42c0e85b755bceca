#include "sweep/MarkerReadouts.h"

#include <gtest/gtest.h>

#include <map>

#include "common/NumberText.h"
#include "sweep/PlainSweepControls.h"

namespace ravemo {
namespace {

const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

using Expected = std::map<Readout, QString>;

void expectReadouts(const PlainSweepControls& controls, const Expected& expected) {
    for (const auto& [box, text] : expected) {
        EXPECT_EQ(controls.readoutText(box), text) << "readout " << static_cast<int>(box);
    }
}

TEST(MarkerReadouts, WithinChartRangeReadingsAtBothMarkers) {
    PlainSweepControls controls;
    ShowMarkerReadouts(controls, {171.0F, 514.0F, 14'000'000.0}, {700.0F, 300.0F, 7'050'000.0},
                       kPointLocale);
    expectReadouts(controls, {{Readout::Mk1ReturnLoss, "-19.98"},
                              {Readout::Mk1Phase, "89.95"},
                              {Readout::Mk1Frequency, "14,000,000"},
                              {Readout::Mk1Reactance, "9.94"},
                              {Readout::Mk1Resistance, "49.02"},
                              {Readout::Mk1Swr, "1.22"},
                              {Readout::Mk1Impedance, "50.02"},
                              {Readout::Mk1Capacitance, "1144.26"},
                              {Readout::Mk1Inductance, "0.11"}});
    expectReadouts(controls, {{Readout::Mk2ReturnLoss, "11.02"},
                              {Readout::Mk2Phase, "52.5"},
                              {Readout::Mk2Frequency, "7,050,000"},
                              {Readout::Mk2Reactance, "30.29"},
                              {Readout::Mk2Resistance, "62.52"},
                              {Readout::Mk2Swr, "1.78"},
                              {Readout::Mk2Impedance, "69.47"},
                              {Readout::Mk2Capacitance, "745.68"},
                              {Readout::Mk2Inductance, "0.68"}});
}

TEST(MarkerReadouts, ReadingAboveZeroDbGoesThroughTheSameRules) {
    PlainSweepControls controls;
    const MarkerSample sample{853.0F, 514.0F, 14'000'000.0};
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    expectReadouts(controls, {{Readout::Mk1ReturnLoss, "19.99"},
                              {Readout::Mk1Phase, "89.95"},
                              {Readout::Mk1Frequency, "14,000,000"},
                              {Readout::Mk1Reactance, "9.93"},
                              {Readout::Mk1Resistance, "49.02"},
                              {Readout::Mk1Swr, "1.22"},
                              {Readout::Mk1Impedance, "50.02"},
                              {Readout::Mk1Capacitance, "1145.42"},
                              {Readout::Mk1Inductance, "0.11"}});
}

TEST(MarkerReadouts, OffsetEntersEveryValueButPhaseAndFrequency) {
    PlainSweepControls controls;
    controls.offset = "1.5";
    const MarkerSample sample{853.0F, 514.0F, 14'000'000.0};
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    const Expected expected{{Readout::Mk1ReturnLoss, "18.49"},     {Readout::Mk1Phase, "89.95"},
                            {Readout::Mk1Frequency, "14,000,000"}, {Readout::Mk1Reactance, "11.75"},
                            {Readout::Mk1Resistance, "48.62"},     {Readout::Mk1Swr, "1.27"},
                            {Readout::Mk1Impedance, "50.02"}};
    expectReadouts(controls, expected);
    // The second marker reads the offset the same way.
    EXPECT_EQ(controls.readoutText(Readout::Mk2ReturnLoss), "18.49");
    EXPECT_EQ(controls.readoutText(Readout::Mk2Reactance), "11.75");
}

TEST(MarkerReadouts, OffsetBoxIsReadByItsLeadingNumber) {
    PlainSweepControls controls;
    const MarkerSample sample{853.0F, 514.0F, 14'000'000.0};
    controls.offset = " 1.5 dB";
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1ReturnLoss), "18.49");
    controls.offset = "dB";
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1ReturnLoss), "19.99");
    // In a point locale a comma ends the number; in a comma locale it is the decimal separator.
    controls.offset = "1,5";
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1ReturnLoss), "18.99");
    ShowMarkerReadouts(controls, sample, sample, kCommaLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1ReturnLoss), "18,49");
}

TEST(MarkerReadouts, CommaLocaleShowsItsSeparatorsAndGivesTheSameNumbers) {
    PlainSweepControls controls;
    ShowMarkerReadouts(controls, {171.0F, 514.0F, 14'000'000.0}, {700.0F, 300.0F, 7'050'000.0},
                       kCommaLocale);
    expectReadouts(controls, {{Readout::Mk1ReturnLoss, "-19,98"},
                              {Readout::Mk1Phase, "89,95"},
                              {Readout::Mk1Frequency, "14.000.000"},
                              {Readout::Mk1Reactance, "9,94"},
                              {Readout::Mk1Resistance, "49,02"},
                              {Readout::Mk1Swr, "1,22"},
                              {Readout::Mk1Impedance, "50,02"},
                              {Readout::Mk1Capacitance, "1144,26"},
                              {Readout::Mk1Inductance, "0,11"}});
    expectReadouts(controls, {{Readout::Mk2Phase, "52,5"},
                              {Readout::Mk2Frequency, "7.050.000"},
                              {Readout::Mk2Impedance, "69,47"},
                              {Readout::Mk2Capacitance, "745,68"},
                              {Readout::Mk2Inductance, "0,68"}});
}

TEST(MarkerReadouts, OddPhaseReadingShowsItsRoundedTie) {
    PlainSweepControls controls;
    // 1 x 0.175 = 0.175 degrees (held as 0.17499999...), 9 x 0.175 = 1.575.
    ShowMarkerReadouts(controls, {171.0F, 1.0F, 14'000'000.0}, {171.0F, 9.0F, 14'000'000.0},
                       kPointLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1Phase), "0.18");
    EXPECT_EQ(controls.readoutText(Readout::Mk2Phase), "1.58");
}

TEST(MarkerReadouts, FrequencyCaptionReadsBackWhereTheLocaleGroupsOtherwise) {
    for (const QLocale& locale :
         {QLocale(QLocale::Spanish, QLocale::Spain), QLocale(QLocale::English, QLocale::India)}) {
        PlainSweepControls controls;
        ShowMarkerReadouts(controls, {171.0F, 514.0F, 14'000'000.0}, {700.0F, 300.0F, 7'050'000.0},
                           locale);
        const QString comma = locale.decimalPoint();
        EXPECT_EQ(controls.readoutText(Readout::Mk1Capacitance),
                  QString("1144.26").replace(".", comma));
        EXPECT_EQ(controls.readoutText(Readout::Mk2Capacitance),
                  QString("745.68").replace(".", comma));
        EXPECT_EQ(controls.readoutText(Readout::Mk2Inductance),
                  QString("0.68").replace(".", comma));
    }
}

TEST(MarkerReadouts, TotalReflectionAtZeroPhaseShowsTheMarkNotGarbage) {
    PlainSweepControls controls;
    // 512 counts read 0.0032 dB, shown "0": rho = 1, phase 0, so D = 0.
    ShowMarkerReadouts(controls, {512.0F, 0.0F, 14'000'000.0}, {171.0F, 514.0F, 14'000'000.0},
                       kPointLocale);
    const QString mark = NumberText::notANumberMark();
    EXPECT_EQ(controls.readoutText(Readout::Mk1ReturnLoss), "0");
    EXPECT_EQ(controls.readoutText(Readout::Mk1Phase), "0");
    EXPECT_EQ(controls.readoutText(Readout::Mk1Reactance), mark);
    EXPECT_EQ(controls.readoutText(Readout::Mk1Resistance), mark);
    EXPECT_EQ(controls.readoutText(Readout::Mk1Swr), "2000");      // 2 / 0.001
    EXPECT_EQ(controls.readoutText(Readout::Mk1Impedance), mark);  // from the marks read back
    EXPECT_EQ(controls.readoutText(Readout::Mk1Capacitance), mark);
    EXPECT_EQ(controls.readoutText(Readout::Mk1Inductance), mark);
    // The other marker is untouched by it.
    EXPECT_EQ(controls.readoutText(Readout::Mk2Impedance), "50.02");
}

TEST(MarkerReadouts, ZeroHertzMarkerShowsTheMarkForCapacitanceAndInductance) {
    PlainSweepControls controls;
    const MarkerSample sample{171.0F, 514.0F, 0.0};
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1Frequency), "0");
    EXPECT_EQ(controls.readoutText(Readout::Mk1Reactance), "9.94");
    EXPECT_EQ(controls.readoutText(Readout::Mk1Capacitance), NumberText::notANumberMark());
    EXPECT_EQ(controls.readoutText(Readout::Mk1Inductance), NumberText::notANumberMark());
    EXPECT_EQ(controls.readoutText(Readout::Mk2Capacitance), NumberText::notANumberMark());
}

TEST(MarkerReadouts, ZeroReactanceShowsTheReadoutOffsetAndAFiniteCapacitance) {
    PlainSweepControls controls;
    // Phase 0 with a matched-ish load: Gamma is real, so |Xs| is 0 and the readout 0.01.
    const MarkerSample sample{171.0F, 0.0F, 1'000'000.0};
    ShowMarkerReadouts(controls, sample, sample, kPointLocale);
    EXPECT_EQ(controls.readoutText(Readout::Mk1Reactance), "0.01");
    EXPECT_EQ(controls.readoutText(Readout::Mk1Capacitance),
              "15923566.88");  // 1 / (0.01 x 6.28 x 1e6) pF
}

TEST(MarkerReadouts, SingleMarkerHidesTheSecondMarkerButStillComputesIt) {
    PlainSweepControls controls;
    const MarkerSample sample{171.0F, 514.0F, 14'000'000.0};
    controls.singleMarker = 1;
    ShowMarkerReadouts(controls, sample, {700.0F, 300.0F, 7'050'000.0}, kPointLocale);
    EXPECT_FALSE(controls.secondMarkerVisible);
    EXPECT_EQ(controls.readoutText(Readout::Mk2Impedance), "69.47");
    EXPECT_EQ(controls.readoutText(Readout::Mk2Frequency), "7,050,000");

    for (const int shown : {0, 2}) {
        controls.singleMarker = shown;
        ShowMarkerReadouts(controls, sample, sample, kPointLocale);
        EXPECT_TRUE(controls.secondMarkerVisible) << "Check9 value " << shown;
        EXPECT_EQ(controls.readoutText(Readout::Mk2Impedance), "50.02");
    }
}

}  // namespace
}  // namespace ravemo
