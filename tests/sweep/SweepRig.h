#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>

#include <QLocale>

#include "common/Settings.h"
#include "support/FakeSweepControls.h"
#include "support/RecordingPort.h"
#include "support/ScriptedPump.h"
#include "sweep/SweepData.h"
#include "sweep/SweepEngine.h"

namespace ravemo::test {

inline constexpr std::uint16_t kDataAddress = 888;
inline constexpr std::uint8_t kUpdatePulse = 28;

// An engine on a recording port, a scripted pump and plain controls, as the main window leaves
// them after its load: settings limits 10000 Hz (the defaults), boxes "1" and "50".
struct SweepRig {
    explicit SweepRig(std::int32_t champ = 10, std::int16_t step = 1,
                      const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates))
        : data(champ) {
        settings.Champ = champ;
        settings.Step = step;
        settings.Address1 = static_cast<std::int16_t>(kDataAddress);
        settings.FMax = 10000.0F;
        settings.FMin = 10000.0F;
        settings.FullFMax = 10000.0F;
        settings.FullFMin = 10000.0F;
        engine = std::make_unique<SweepEngine>(settings, data, controls,
                                               PortLink{port, kDataAddress, pump}, redraw, locale);
        engine->onRangeNotice([this](const QString& notice) { rangeNotice = notice; });
    }

    // Makes the next tick sweep the box limits in MHz with the step they give.
    void settleLimits(float lowerMHz, float upperMHz) {
        settings.FMin = lowerMHz * 1e6F;
        settings.FMax = upperMHz * 1e6F;
    }

    void fillSamples(float returnLoss, float phase, double word) {
        std::fill(data.ReturnLossSamples.begin(), data.ReturnLossSamples.end(), returnLoss);
        std::fill(data.PhaseSamples.begin(), data.PhaseSamples.end(), phase);
        std::fill(data.DdsWords.begin(), data.DdsWords.end(), word);
    }

    std::size_t updatePulses() const {
        const auto values = port.writtenValues();
        return static_cast<std::size_t>(std::count(values.begin(), values.end(), kUpdatePulse));
    }

    Settings settings;
    SweepData data;
    FakeSweepControls controls;
    RecordingPort port;
    ScriptedPump pump;
    CountingRedraw redraw;
    std::unique_ptr<SweepEngine> engine;
    QString rangeNotice;  // as the latest tick told it
};

}  // namespace ravemo::test
