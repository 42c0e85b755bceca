// The simulator text of "--port sim:MODEL[;OPTION...]" and the settings' Port (the load model
// and its options: feedline, noise, bridge errors), evaluated at a few frequencies. The s1p
// form names a file and is left to the Touchstone target.
#include <array>
#include <cmath>
#include <complex>

#include "FuzzCheck.h"
#include "instrument/LoadModelText.h"
#include "instrument/SimulatorText.h"

using namespace ravemo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(BytesOf(data, size));
    static_cast<void>(ReadEngineeringNumber(text));
    if (text.contains(QStringLiteral("s1p"), Qt::CaseInsensitive)) return 0;
    const ParsedSimulator parsed = ParseSimulator(text);
    Require(parsed.model != nullptr || !parsed.error.isEmpty(), "a model or a reason");
    if (!parsed.model) return 0;
    const std::array<double, 5> frequencies = {0.0, 1.8e6, 14.2e6, 30e6, 90e6};
    for (const double hz : frequencies) {
        const std::complex<double> gamma = ReflectionOf(parsed.model->impedance(hz), 50.0);
        const ConverterSteps steps = StepsOfReflection(gamma, hz, parsed.bridge);
        Require(!std::isnan(steps.returnLoss) && !std::isnan(steps.phase), "readable steps");
    }
    static_cast<void>(parsed.model->description());
    return 0;
}
