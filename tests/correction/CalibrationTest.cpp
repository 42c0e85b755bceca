#include <gtest/gtest.h>

#include "common/Units.h"
#include "correction/Calibration.h"

namespace ravemo {
namespace {

// An instrument worked out by hand: a tracking error of T dB added to every return-loss reading
// (20 log |reflection|), a phase converter reading o + k x phase, and a bridge whose 50 ohm load
// reads 30 dB below total reflection.
struct Instrument {
    double trackingDb;
    double offsetDegrees;
    double slope;
    StandardReading read(double returnLossDb, double phaseDegrees) const {
        return {returnLossDb + trackingDb, offsetDegrees + slope * phaseDegrees};
    }
    CalibrationPoint standards(double hz) const {
        return {hz, read(0.0, 180.0), read(0.0, 0.0), read(-30.0, 40.0)};
    }
};

constexpr Instrument kAt10MHz{1.0, 5.0, 0.9};
constexpr Instrument kAt20MHz{3.0, 9.0, 0.95};

Calibration TwoPoints() {
    return *Calibration::make({kAt10MHz.standards(10e6), kAt20MHz.standards(20e6)}).calibration;
}

TEST(Calibration, UndoesTrackingAndPhaseErrorsAndStopsAtTheFloor) {
    const Calibration calibration = TwoPoints();
    struct Case {
        const char* what;
        double hz;
        StandardReading reading;
        CorrectedReading expected;
    };
    const Case cases[] = {
        {"at a point", 10e6, kAt10MHz.read(-6.0, 90.0), {-6.0, 90.0, false}},
        {"second point", 20e6, kAt20MHz.read(-12.0, 30.0), {-12.0, 30.0, false}},
        // Half way the tracking error is 2 dB, the offset 7 and the slope 0.925.
        {"interpolated", 15e6, {-8.0, 7.0 + 0.925 * 120.0}, {-10.0, 120.0, false}},
        {"better than the floor", 10e6, kAt10MHz.read(-35.0, 10.0), {-30.0, 10.0, true}},
        {"below the open's phase", 10e6, {-5.0, 1.0}, {-6.0, 0.0, false}},
        {"beyond the short's phase", 10e6, {-5.0, 179.0}, {-6.0, 180.0, false}},
    };
    for (const Case& c : cases) {
        const std::optional<CorrectedReading> got = calibration.correct(c.hz, c.reading);
        ASSERT_TRUE(got) << c.what;
        EXPECT_NEAR(got->returnLossDb, c.expected.returnLossDb, 1e-9) << c.what;
        EXPECT_NEAR(got->phaseDegrees, c.expected.phaseDegrees, 1e-9) << c.what;
        EXPECT_EQ(got->atFloor, c.expected.atFloor) << c.what;
    }
    EXPECT_FALSE(calibration.correct(9.9e6, {6.0, 90.0}));
    EXPECT_FALSE(calibration.correct(20.1e6, {6.0, 90.0}));
    EXPECT_TRUE(calibration.covers(10e6, 20e6));
    EXPECT_FALSE(calibration.covers(9e6, 15e6));
}

TEST(Calibration, RefusesReadingsThatAreNoStandards) {
    CalibrationPoint swapped = kAt10MHz.standards(10e6);
    std::swap(swapped.shortCircuit, swapped.openCircuit);
    // The short reads more than the open, but by far less than a quarter turn.
    CalibrationPoint close = kAt10MHz.standards(10e6);
    close.shortCircuit.phaseDegrees = close.openCircuit.phaseDegrees + 30.0;
    CalibrationPoint noLoad = kAt10MHz.standards(10e6);
    noLoad.load = kAt10MHz.read(-6.0, 50.0);
    CalibrationPoint notANumber = kAt10MHz.standards(10e6);
    notANumber.load.phaseDegrees = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<CalibrationPoint> points;
        const char* reason;
    };
    const Case cases[] = {
        {{kAt10MHz.standards(10e6)}, "at least 2 points"},
        {{kAt10MHz.standards(10e6), swapped}, "swapped"},
        {{close, kAt20MHz.standards(20e6)}, "at least 90 degrees more"},
        {{noLoad, kAt20MHz.standards(20e6)}, "is it the load"},
        {{notANumber, kAt20MHz.standards(20e6)}, "not a number"},
        {{kAt20MHz.standards(20e6), kAt10MHz.standards(10e6)}, "must rise"},
        {{kAt10MHz.standards(0.0), kAt10MHz.standards(10e6)}, "not above 0"},
    };
    for (const Case& c : cases) {
        const Calibration::Made made = Calibration::make(c.points);
        EXPECT_FALSE(made.calibration) << c.reason;
        EXPECT_TRUE(made.error.contains(QLatin1String(c.reason))) << made.error.toStdString();
    }
}

}  // namespace
}  // namespace ravemo
