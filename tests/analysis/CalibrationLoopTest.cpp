// A calibration made from the imperfect simulated instrument's own sweeps of a short, an open
// and a 50 ohm load, applied to its sweeps of antennas and loads, against the ideal instrument's
// sweeps of the same loads.

#include <gtest/gtest.h>

#include <cmath>

#include "SimulatedSweep.h"
#include "correction/CalibrationFromSweeps.h"
#include "correction/SweepCorrection.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

constexpr std::int32_t kLoopChamp = 290;  // 1 to 30 MHz in 100 kHz steps
constexpr double kLoopLowMHz = 1.0;
constexpr double kLoopHighMHz = 30.0;

SweepData LoopSweep(const QString& model, const QString& instrument) {
    return test::SweepSimulated(model + instrument, kLoopLowMHz, kLoopHighMHz, kLoopChamp);
}

// Tracking 0.5 dB at 0 Hz to 2.5 dB at 30 MHz, a phase converter 4 degrees high and 3 % steep,
// and a bridge directivity of 45 dB. The directivity's leakage adds to the load's reflection
// with a phase the |phase| converter cannot tell: a scalar calibration cannot take it out, it
// only shows its size (the load's floor). At 45 dB it moves a 20 dB return loss by at most
// 20 log (1 + 10^(-25/20)) = 0.48 dB.
const QString kImperfectBridgeText = QStringLiteral(";tracking=0.5:2.5;phase=4:3;directivity=45");

TEST(CalibrationLoop, UndoesTheImperfectInstrumentWhereTheReturnLossIsUnder20Db) {
    const SweepData shortSweep = LoopSweep(QStringLiteral("short"), kImperfectBridgeText);
    const SweepData openSweep = LoopSweep(QStringLiteral("open"), kImperfectBridgeText);
    const SweepData loadSweep = LoopSweep(QStringLiteral("resistor:50"), kImperfectBridgeText);
    const Calibration::Made made = CalibrationFromSweeps({shortSweep, openSweep, loadSweep}, 1);
    ASSERT_TRUE(made.calibration) << made.error.toStdString();

    for (const char* model :
         {"dipole:7.1", "dipole:14.2", "resistor:100", "resistor:20", "rlc:r=30,l=2u,c=100p"}) {
        const SweepData ideal = LoopSweep(QLatin1String(model), QString());
        SweepData measured = LoopSweep(QLatin1String(model), kImperfectBridgeText);
        double worstBefore = 0.0;
        double worstAfter = 0.0;
        const SweepData uncorrected = measured;
        ASSERT_TRUE(CorrectSweep(*made.calibration, measured, 1).corrected);
        int compared = 0;
        for (std::size_t i = 0; i < ideal.DdsWords.size(); ++i) {
            const double truth = ReturnLossDb(ideal.ReturnLossSamples[i]);
            if (truth < -20.0) continue;
            ++compared;
            worstBefore = std::max(
                worstBefore, std::fabs(ReturnLossDb(uncorrected.ReturnLossSamples[i]) - truth));
            worstAfter = std::max(worstAfter,
                                  std::fabs(ReturnLossDb(measured.ReturnLossSamples[i]) - truth));
        }
        EXPECT_GT(compared, 100) << model;
        EXPECT_GT(worstBefore, 1.0) << model;  // the errors were there to undo
        EXPECT_LE(worstAfter, 0.5) << model << " (before: " << worstBefore << " dB)";
    }
}

}  // namespace
}  // namespace ravemo
