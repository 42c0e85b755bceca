#include "instrument/BehindFeedlineModel.h"

#include <cmath>

namespace ravemo {

BehindFeedlineModel::BehindFeedlineModel(std::unique_ptr<LoadModel> load, Feedline line)
    : load_(std::move(load)), line_(std::move(line)) {}

std::complex<double> BehindFeedlineModel::impedance(double hz) const {
    const std::complex<double> far = load_->impedance(hz);
    // An open end (infinite impedance) is the limit ZL -> infinity: Z0 / tanh(gamma l).
    if (!std::isfinite(far.real()) || !std::isfinite(far.imag())) {
        const std::complex<double> tanh = std::tanh(line_.gammaLength(hz));
        if (std::abs(tanh) == 0.0) return kOpenCircuitOhms;
        return line_.type.impedanceOhms / tanh;
    }
    return ImpedanceThroughLine(far, line_, hz);
}

QString BehindFeedlineModel::description() const {
    return QStringLiteral("%1 behind %2 m of %3")
        .arg(load_->description(), QString::number(line_.lengthM, 'g', 6), line_.type.description);
}

}  // namespace ravemo
