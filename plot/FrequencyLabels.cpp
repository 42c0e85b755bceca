#include "plot/FrequencyLabels.h"

#include <cmath>

#include "common/Units.h"
#include "plot/NiceTicks.h"

namespace ravemo {
namespace {

constexpr double kLargestFixedValue = 1e9;
constexpr int kLargeValueDigits = 6;

}  // namespace

int MHzDecimalsForStep(double stepHz) { return DecimalsForStep(stepHz / kHzPerMHz); }

QString MHzText(double hz, int decimals, const QLocale& locale) {
    return FixedText(hz / kHzPerMHz, decimals, locale);
}

QString FixedText(double value, int decimals, const QLocale& locale) {
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    // A magnitude no antenna gives (|Z| near a full reflection, a length from a frequency near
    // 0) in powers of ten, not as a line of digits.
    if (std::fabs(value) >= kLargestFixedValue) {
        return plain.toString(value, 'g', kLargeValueDigits);
    }
    // A value that rounds to zero is written without its sign.
    const double scale = std::pow(10.0, decimals);
    if (std::fabs(value) * scale < 0.5) value = 0.0;
    return plain.toString(value, 'f', decimals);
}

}  // namespace ravemo
