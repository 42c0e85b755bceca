#include "sweep/MarkerReadouts.h"

#include <array>
#include <cmath>
#include <limits>

#include "common/CheckBoxValue.h"
#include "common/NumberText.h"
#include "common/SinglePrecision.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

// The boxes of one marker.
struct MarkerBoxes {
    Readout phase;
    Readout returnLoss;
    Readout frequency;
    Readout reactance;
    Readout resistance;
    Readout swr;
    Readout impedance;
    Readout capacitance;
    Readout inductance;
};

constexpr std::array<MarkerBoxes, 2> kMarkers{{
    {Readout::Mk1Phase, Readout::Mk1ReturnLoss, Readout::Mk1Frequency, Readout::Mk1Reactance,
     Readout::Mk1Resistance, Readout::Mk1Swr, Readout::Mk1Impedance, Readout::Mk1Capacitance,
     Readout::Mk1Inductance},
    {Readout::Mk2Phase, Readout::Mk2ReturnLoss, Readout::Mk2Frequency, Readout::Mk2Reactance,
     Readout::Mk2Resistance, Readout::Mk2Swr, Readout::Mk2Impedance, Readout::Mk2Capacitance,
     Readout::Mk2Inductance},
}};

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// a / b, or NaN where b is 0, so a division by zero shows the not-a-number mark.
double quotient(double a, double b) { return b == 0.0 ? kNotANumber : a / b; }

class ReadoutWriter {
  public:
    ReadoutWriter(SweepControls& controls, const QLocale& locale)
        : controls_(controls), locale_(locale) {}

    void showTwoDecimals(Readout box, double value) {
        controls_.setReadoutText(box, NumberText::formatTwoDecimals(value, locale_));
    }
    void showGrouped(Readout box, double value) {
        controls_.setReadoutText(box, NumberText::formatGrouped(value, locale_));
    }
    // The number a box shows, read back in the user's locale; NaN when it is not a number.
    double numberIn(Readout box) const {
        return NumberText::parseLocaleNumber(controls_.readoutText(box), locale_)
            .value_or(kNotANumber);
    }
    double offsetDb() const {
        return NumberText::leadingNumberOfBox(controls_.offsetText(), locale_);
    }

  private:
    SweepControls& controls_;
    const QLocale& locale_;
};

// 1 / 10^(dB / 20), stored in single precision like the instrument program's (an offset of
// hundreds of dB gives a magnitude beyond single precision: infinite, not undefined).
float reflectionMagnitude(double returnLossDb) {
    return ToSingle(quotient(1.0, std::pow(10.0, returnLossDb / kDbPerRatioDecade)));
}

}  // namespace

void ShowMarkerReadouts(SweepControls& controls, const MarkerSample& mk1, const MarkerSample& mk2,
                        const QLocale& locale) {
    ReadoutWriter out(controls, locale);
    const std::array<const MarkerSample*, 2> samples{&mk1, &mk2};

    // An unmeasured sample enters as no number: every value computed from it shows the mark.
    const auto reading = [&samples](std::size_t k, double value) {
        return samples[k]->measured ? value : kNotANumber;
    };
    for (std::size_t k = 0; k < 2; ++k) {
        out.showTwoDecimals(kMarkers[k].phase, reading(k, PhaseDegrees(samples[k]->phaseRaw)));
    }
    // The offset is read again for each marker, as the instrument program does.
    for (std::size_t k = 0; k < 2; ++k) {
        const double offset = out.offsetDb();
        out.showTwoDecimals(kMarkers[k].returnLoss,
                            reading(k, ReturnLossDb(samples[k]->returnLossRaw)) - offset);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        out.showGrouped(kMarkers[k].frequency, samples[k]->frequencyHz);
    }

    std::array<float, 2> rho{};
    for (std::size_t k = 0; k < 2; ++k) {
        rho[k] = reflectionMagnitude(out.numberIn(kMarkers[k].returnLoss));
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const double phi = out.numberIn(kMarkers[k].phase) / kDegreesPerRadian;
        const auto phaseCos = static_cast<float>(std::cos(phi));
        const auto phaseSin = static_cast<float>(std::sin(phi));
        const float gammaRe = rho[k] * phaseCos;
        const float gammaIm = rho[k] * phaseSin;
        const SeriesImpedance series = SeriesFromReflection(gammaRe, gammaIm);
        out.showTwoDecimals(kMarkers[k].reactance, series.xs + kReactanceReadoutOffsetOhms);
        out.showTwoDecimals(kMarkers[k].resistance, series.rs);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const double r = rho[k];
        out.showTwoDecimals(kMarkers[k].swr,
                            std::fabs(quotient(r + 1.0, kMarkerSwrDenominatorOne - r)));
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const double rs = out.numberIn(kMarkers[k].resistance);
        const double xs = out.numberIn(kMarkers[k].reactance);
        out.showTwoDecimals(kMarkers[k].impedance, std::sqrt(rs * rs + xs * xs));
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const double xs = out.numberIn(kMarkers[k].reactance);
        const double hz = out.numberIn(kMarkers[k].frequency);
        out.showTwoDecimals(kMarkers[k].capacitance,
                            quotient(1.0, xs * kTwoPi * hz) * kPicofaradsPerFarad);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const double xs = out.numberIn(kMarkers[k].reactance);
        const double hz = out.numberIn(kMarkers[k].frequency);
        out.showTwoDecimals(kMarkers[k].inductance,
                            quotient(xs, hz * kTwoPi) * kMicrohenriesPerHenry);
    }

    controls.setSecondMarkerVisible(controls.singleMarkerValue() != kTicked);
}

}  // namespace ravemo
