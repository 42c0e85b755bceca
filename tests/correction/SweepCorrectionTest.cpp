#include <gtest/gtest.h>

#include "correction/CalibrationFromSweeps.h"
#include "correction/SweepCorrection.h"
#include "instrument/Dds.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

// Three points at 10, 15 and 20 MHz, every reading given in converter steps.
SweepData Sweep(float returnLossSteps, float phaseSteps) {
    SweepData data(2);
    for (std::size_t i = 0; i < 3; ++i) {
        data.DdsWords[i] = TuningWord(10e6 + 5e6 * static_cast<double>(i));
        data.ReturnLossSamples[i] = returnLossSteps;
        data.PhaseSamples[i] = phaseSteps;
    }
    return data;
}

// 512 steps are 0.0032 dB, 0 steps 0 degrees: the open; 1000 steps 175 degrees: the short;
// 100 steps of return loss, -24.14 dB: the load.
const SweepData kShort = Sweep(512.0F, 1000.0F);
const SweepData kOpen = Sweep(512.0F, 0.0F);
const SweepData kLoad = Sweep(100.0F, 200.0F);

TEST(SweepCorrection, CorrectsAWholeSweepWithinTheRangeInConverterSteps) {
    const Calibration::Made made = CalibrationFromSweeps({kShort, kOpen, kLoad}, 1);
    ASSERT_TRUE(made.calibration) << made.error.toStdString();
    SweepData data = Sweep(400.0F, 500.0F);
    data.DdsWords[1] = kNotMeasuredWord;  // left alone
    ASSERT_TRUE(CorrectSweep(*made.calibration, data, 1).corrected);
    // The tracking error is 512 steps' 0.0032 dB: 400 steps, -6.56 dB, become -6.5632 dB.
    EXPECT_NEAR(ReturnLossDb(data.ReturnLossSamples[0]), -6.56 - 0.0032, 1e-4);
    // 500 of the short's 1000 steps is half way: 90 degrees.
    EXPECT_NEAR(PhaseDegrees(data.PhaseSamples[2]), 90.0, 1e-4);
    EXPECT_EQ(data.ReturnLossSamples[1], 400.0F);
    // A reading better than the load's stops at the load's (less the tracking error); none goes
    // beyond 1023 steps.
    SweepData matched = Sweep(0.0F, 1023.0F);
    ASSERT_TRUE(CorrectSweep(*made.calibration, matched, 1).corrected);
    EXPECT_NEAR(matched.ReturnLossSamples[0], 100.0 - 0.0032 / 0.0586, 1e-3);
    EXPECT_EQ(matched.PhaseSamples[0], 1023.0F);
}

TEST(SweepCorrection, LeavesASweepReachingOutsideTheRangeAndSaysWhy) {
    const Calibration calibration = *CalibrationFromSweeps({kShort, kOpen, kLoad}, 1).calibration;
    SweepData data = Sweep(700.0F, 500.0F);
    data.DdsWords[2] = TuningWord(21e6);
    const SweepCorrectionOutcome outcome = CorrectSweep(calibration, data, 1);
    EXPECT_FALSE(outcome.corrected);
    EXPECT_TRUE(outcome.problem.contains(QLatin1String("10 to 21 MHz")));
    EXPECT_TRUE(outcome.problem.contains(QLatin1String("10 to 20 MHz")));
    EXPECT_EQ(data.ReturnLossSamples[0], 700.0F);
}

TEST(SweepCorrection, RefusesStandardsSweptOverOtherPoints) {
    SweepData open = kOpen;
    open.DdsWords[1] = TuningWord(14e6);
    const Calibration::Made made = CalibrationFromSweeps({kShort, open, kLoad}, 1);
    EXPECT_FALSE(made.calibration);
    EXPECT_TRUE(made.error.contains(QLatin1String("open sweep was not measured")));
    EXPECT_FALSE(CalibrationFromSweeps({kShort, kOpen, SweepData(4)}, 1).calibration);
}

}  // namespace
}  // namespace ravemo
