#pragma once

#include <memory>

#include "common/LineTransform.h"
#include "instrument/LoadModel.h"

namespace ravemo {

// A load seen through a feedline: what the bridge meets at the near end of `line` with `load`
// at its far end, with the line's impedance, velocity factor and loss.
class BehindFeedlineModel final : public LoadModel {
  public:
    BehindFeedlineModel(std::unique_ptr<LoadModel> load, Feedline line);

    std::complex<double> impedance(double hz) const override;
    QString description() const override;

    const LoadModel& load() const { return *load_; }
    const Feedline& line() const { return line_; }

  private:
    std::unique_ptr<LoadModel> load_;
    Feedline line_;
};

}  // namespace ravemo
