#include "plot/RightAxis.h"

#include <limits>

namespace ravemo {

double RightAxisValue(const AntennaSample& sample, RightAxisQuantity quantity) {
    switch (quantity) {
        case RightAxisQuantity::Impedance:
            return sample.z;
        case RightAxisQuantity::Resistance:
            return sample.rs;
        case RightAxisQuantity::Reactance:
            // Where its sign is unknown X has no place on a signed axis.
            return sample.xsSign == ReactanceSign::Unknown
                       ? std::numeric_limits<double>::quiet_NaN()
                       : sample.xs;
        case RightAxisQuantity::None:
            break;
    }
    return 0.0;
}

QString RightAxisTitle(RightAxisQuantity quantity, ReactanceSign sign) {
    switch (quantity) {
        case RightAxisQuantity::Impedance:
            return QStringLiteral("|Z| Ω");
        case RightAxisQuantity::Resistance:
            return QStringLiteral("Rs Ω");
        case RightAxisQuantity::Reactance:
            return sign == ReactanceSign::Estimated ? QStringLiteral("X (est.) Ω")
                                                    : QStringLiteral("X Ω");
        case RightAxisQuantity::None:
            break;
    }
    return {};
}

}  // namespace ravemo
