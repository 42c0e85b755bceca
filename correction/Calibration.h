#pragma once

#include <optional>
#include <vector>

#include <QString>

namespace ravemo {

// One standard's converter readings at one frequency, as the program reads them, before any
// correction: the return-loss converter in dB as the chart shows it (0 dB total reflection,
// negative towards a match: 20 log |reflection|) and |phase| in degrees.
struct StandardReading {
    double returnLossDb = 0.0;
    double phaseDegrees = 0.0;
};

// The three standards swept at the reference plane, at one frequency.
struct CalibrationPoint {
    double hz = 0.0;
    StandardReading shortCircuit;
    StandardReading openCircuit;
    StandardReading load;
};

// A reading after the correction, and whether the bridge could tell it apart from its
// directivity floor (the 50 ohm load's return loss).
struct CorrectedReading {
    double returnLossDb = 0.0;
    double phaseDegrees = 0.0;
    bool atFloor = false;  // the reading came to the floor or beyond: "better than" the floor
};

// What a scalar bridge allows to correct, from a short, an open and a 50 ohm load swept over one
// range. Per frequency the open and the short should read 0 dB return loss: the mean of their
// readings is the return-loss converter's tracking error (the mean cancels most of the bridge's
// leakage, which lifts one and lowers the other). They also give the phase converter's end
// points (the open 0 degrees, the short 180), mapped linearly. The load's corrected return loss
// is the directivity floor: no reading is let claim a better match than it.
//
// Between two points the standards' readings are interpolated linearly; outside the range
// nothing is corrected. A phase rotation from a cable between the bridge and the standards
// cannot be undone: the |phase| converter gives no sign to rotate with.
class Calibration {
  public:
    // Refused (with the reason) unless there are at least two points, in strictly increasing
    // frequency above 0, all readings finite, and the standards look like standards: the short
    // reads at least kLeastPhaseSpanDegrees above the open, and the load at least
    // kLeastLoadReturnLossDb below the open and short's mean.
    struct Made;
    static Made make(std::vector<CalibrationPoint> points);

    static constexpr double kLeastPhaseSpanDegrees = 90.0;
    static constexpr double kLeastLoadReturnLossDb = 10.0;

    const std::vector<CalibrationPoint>& points() const { return points_; }
    double lowHz() const { return points_.front().hz; }
    double highHz() const { return points_.back().hz; }
    // Whether every frequency from lowHz to highHz lies within the range (a relative tolerance
    // of one part in 10^6 covers the rounding of tuning words).
    bool covers(double lowHz, double highHz) const;

    // The standards at `hz` (interpolated), or nothing outside the range.
    std::optional<CalibrationPoint> at(double hz) const;
    // A reading at `hz` corrected, or nothing outside the range.
    std::optional<CorrectedReading> correct(double hz, StandardReading reading) const;

  private:
    explicit Calibration(std::vector<CalibrationPoint> points) : points_(std::move(points)) {}
    std::vector<CalibrationPoint> points_;
};

struct Calibration::Made {
    std::optional<Calibration> calibration;
    QString error;
};

// The correction with the standards at one frequency (no range check).
CorrectedReading CorrectReading(const CalibrationPoint& standards, StandardReading reading);

}  // namespace ravemo
