#pragma once

#include <cstdint>

#include <QString>

namespace ravemo {

// The largest highest-sample-index the program accepts. The three sample arrays take 16 bytes
// per index (two single-precision readings and one double-precision tuning word), so this
// bound keeps them at 160 MB and the sweep file at the same size.
inline constexpr std::int32_t kChampMaximum = 10'000'000;

// The process-wide record of the settings file. Field names are the file's keys. FMax and FMin
// (hertz) double as the live sweep limits: every sweep tick rewrites them.
struct Settings {
    float FMax = 0.0F;
    float FMin = 0.0F;
    std::int32_t Champ = 0;     // highest sample index; the arrays hold 0..Champ
    std::int16_t Step = 0;      // stride between swept sample indices
    float colorS1 = 0.0F;       // phase curve
    float colorS2 = 0.0F;       // return-loss curve
    float colorS3 = 0.0F;       // |Xs| curve
    float colorS4 = 0.0F;       // Rs curve
    float colorS5 = 0.0F;       // |Z| curve
    float colorS6 = 0.0F;       // SWR curve
    std::int16_t Address1 = 0;  // data register of the parallel port; status is Address1 + 1
    std::int16_t Address2 = 0;  // read and kept, used by nothing
    float InputVelFactor = 0.0F;
    float FullFMax = 0.0F;  // full sweep range, set by the main window's load
    float FullFMin = 0.0F;

    // Our own key "Port" in section PORTSETTING: which back end drives the instrument
    // ("sim[:MODEL][;OPTION...]", "ppdev[:/dev/parportN]", "direct"); empty means the automatic
    // choice.
    QString Port;
};

}  // namespace ravemo
