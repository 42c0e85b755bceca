#pragma once

#include <complex>
#include <memory>
#include <vector>

#include "instrument/LoadModel.h"

namespace ravemo {

// A one-port Touchstone (.s1p, version 1 or 2.0) measurement replayed as a load: the reflection
// is interpolated linearly (real and imaginary parts) between the file's frequencies and held at
// the first or last point outside them; the impedance comes from it with the file's reference
// resistance. Formats MA, DB and RI, units HZ, KHZ, MHZ and GHZ, S parameters only (see
// ParseTouchstone). A file is read only when it is a regular file of at most 64 MiB.
class TouchstoneModel final : public LoadModel {
  public:
    struct Point {
        double hz;
        std::complex<double> gamma;
    };
    // Either a model or an error that names the line and what is allowed.
    struct Parsed {
        std::unique_ptr<TouchstoneModel> model;
        QString error;
    };

    static Parsed fromText(const QString& text, const QString& name);
    static Parsed fromFile(const QString& path);

    std::complex<double> impedance(double hz) const override;
    QString description() const override;

    std::complex<double> reflection(double hz) const;
    double referenceOhms() const { return referenceOhms_; }
    const std::vector<Point>& points() const { return points_; }
    // The file is Ravemo's own export of a sweep: the signs of its angles are estimates.
    bool signsEstimated() const { return signsEstimated_; }

  private:
    TouchstoneModel(std::vector<Point> points, double referenceOhms, QString name,
                    bool signsEstimated)
        : points_(std::move(points)),
          referenceOhms_(referenceOhms),
          name_(std::move(name)),
          signsEstimated_(signsEstimated) {}

    std::vector<Point> points_;  // strictly increasing frequencies, at least one
    double referenceOhms_;
    QString name_;
    bool signsEstimated_;
};

}  // namespace ravemo
