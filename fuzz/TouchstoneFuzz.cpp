// The Touchstone reader, and a parsed model evaluated where the simulator asks it: at the
// file's own frequencies, between and beyond them.
#include <array>
#include <cmath>

#include "FuzzCheck.h"
#include "instrument/TouchstoneModel.h"

using namespace ravemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As TouchstoneModel::fromFile reads a file's bytes.
    const QString text = QString::fromUtf8(BytesOf(data, size));
    const TouchstoneModel::Parsed parsed =
        TouchstoneModel::fromText(text, QStringLiteral("fuzz.s1p"));
    if (!parsed.model) {
        Require(!parsed.error.isEmpty(), "a refusal says why");
        return 0;
    }
    const TouchstoneModel& model = *parsed.model;
    const std::vector<TouchstoneModel::Point>& points = model.points();
    Require(!points.empty(), "a model holds at least one point");
    Require(std::isfinite(model.referenceOhms()) && model.referenceOhms() > 0.0,
            "a positive reference resistance");
    const double first = points.front().hz;
    const double last = points.back().hz;
    const std::array<double, 6> frequencies = {0.0,  first,  (first + last) / 2.0,
                                               last, 14.2e6, 1e12};
    for (const double hz : frequencies) {
        static_cast<void>(model.impedance(hz));
        const std::complex<double> gamma = model.reflection(hz);
        Require(std::isfinite(gamma.real()) && std::isfinite(gamma.imag()), "a finite reflection",
                QString::number(hz));
    }
    static_cast<void>(model.description());
    return 0;
}
