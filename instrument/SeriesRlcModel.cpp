#include "instrument/SeriesRlcModel.h"

#include <numbers>

namespace ravemo {

std::complex<double> SeriesRlcModel::impedance(double hz) const {
    const double omega = 2.0 * std::numbers::pi * hz;
    double reactance = omega * henries_;
    if (farads_) {
        if (omega * *farads_ == 0.0) return kOpenCircuitOhms;
        reactance -= 1.0 / (omega * *farads_);
    }
    return {ohms_, reactance};
}

QString SeriesRlcModel::description() const {
    QString text =
        QStringLiteral("series R %1 ohm, L %2 uH")
            .arg(QString::number(ohms_, 'g', 6), QString::number(henries_ * 1e6, 'g', 6));
    if (farads_) text += QStringLiteral(", C %1 pF").arg(QString::number(*farads_ * 1e12, 'g', 6));
    return text;
}

}  // namespace ravemo
