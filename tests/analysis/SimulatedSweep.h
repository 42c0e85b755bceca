#pragma once

#include <complex>
#include <cstdint>
#include <functional>
#include <stdexcept>

#include <QFile>
#include <QLocale>
#include <QString>

#include "common/Settings.h"
#include "instrument/SimulatedInstrument.h"
#include "instrument/SimulatorText.h"
#include "support/FakeSweepControls.h"
#include "support/ScriptedPump.h"
#include "sweep/SweepData.h"
#include "sweep/SweepEngine.h"

namespace ravemo::test {

inline constexpr std::uint16_t kSimulatedAddress = 888;

// One sweep tick over a simulated load ("--port sim:MODEL[;OPTION...]", e.g.
// "open;tracking=0.5:1.5") with champ + 1 points, through the sweep engine and the quantising
// converters (with `noiseSteps` of Gaussian noise unless the text sets noise=).
inline SweepData SweepSimulated(const QString& modelText, double lowMHz, double highMHz,
                                std::int32_t champ, double noiseSteps = 0.0) {
    ParsedSimulator parsed = ParseSimulator(modelText);
    if (!parsed.model) throw std::invalid_argument(parsed.error.toStdString());
    SimulatedInstrument instrument(std::move(parsed.model), kSimulatedAddress,
                                   parsed.noiseOr(SimulatedNoise{noiseSteps, 1}), parsed.bridge);
    Settings settings;
    settings.Champ = champ;
    settings.Step = 1;
    settings.Address1 = static_cast<std::int16_t>(kSimulatedAddress);
    settings.FMin = static_cast<float>(lowMHz * 1e6);
    settings.FMax = static_cast<float>(highMHz * 1e6);
    SweepData data(champ);
    FakeSweepControls controls;
    controls.lowerLimit = QString::number(lowMHz, 'g', 12);
    controls.upperLimit = QString::number(highMHz, 'g', 12);
    ScriptedPump pump;
    CountingRedraw redraw;
    SweepEngine engine(settings, data, controls, PortLink{instrument, kSimulatedAddress, pump},
                       redraw, QLocale::c());
    engine.tick();
    return data;
}

// Writes a one-port Touchstone file (Hz, RI against 50 ohms) of an impedance in closed form.
inline void WriteTouchstone(const QString& path,
                            const std::function<std::complex<double>(double)>& impedance,
                            double lowHz, double highHz, int points) {
    QByteArray text = "# HZ S RI R 50\n";
    for (int i = 0; i < points; ++i) {
        const double hz = lowHz + (highHz - lowHz) * i / (points - 1);
        const std::complex<double> z = impedance(hz);
        const std::complex<double> g = (z - 50.0) / (z + 50.0);
        text += QByteArray::number(hz, 'g', 12) + ' ' + QByteArray::number(g.real(), 'g', 15) +
                ' ' + QByteArray::number(g.imag(), 'g', 15) + '\n';
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

}  // namespace ravemo::test
