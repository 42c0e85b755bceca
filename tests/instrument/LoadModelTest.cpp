#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "instrument/DipoleModel.h"
#include "instrument/OpenModel.h"
#include "instrument/ResistorModel.h"
#include "instrument/SeriesRlcModel.h"
#include "instrument/ShortModel.h"

namespace ravemo {
namespace {

double Swr(const LoadModel& model, double hz) {
    const double rho = std::abs(ReflectionOf(model.impedance(hz), 50.0));
    return (1 + rho) / (1 - rho);
}

TEST(Reflection, OfSimpleLoadsAndBack) {
    EXPECT_EQ(ReflectionOf({75.0, 0.0}, 50.0), std::complex<double>(0.2, 0.0));
    EXPECT_EQ(ReflectionOf({0.0, 0.0}, 50.0), std::complex<double>(-1.0, 0.0));
    EXPECT_EQ(ReflectionOf(kOpenCircuitOhms, 50.0), std::complex<double>(1.0, 0.0));
    EXPECT_EQ(ReflectionOf({NAN, 0.0}, 50.0), std::complex<double>(1.0, 0.0));
    EXPECT_EQ(ReflectionOf({-50.0, 0.0}, 50.0), std::complex<double>(1.0, 0.0));  // no 0 / 0
    const std::complex<double> z{30.0, -42.0};
    const std::complex<double> back = ImpedanceOf(ReflectionOf(z, 75.0), 75.0);
    EXPECT_NEAR(back.real(), 30.0, 1e-9);
    EXPECT_NEAR(back.imag(), -42.0, 1e-9);
    EXPECT_TRUE(std::isinf(ImpedanceOf({1.0, 0.0}, 50.0).real()));
}

TEST(SimpleModels, ImpedanceAndDescription) {
    EXPECT_EQ(ResistorModel(75).impedance(1e6), std::complex<double>(75.0, 0.0));
    EXPECT_EQ(ShortModel().impedance(1e6), std::complex<double>(0.0, 0.0));
    EXPECT_TRUE(std::isinf(OpenModel().impedance(1e6).real()));
    EXPECT_EQ(ResistorModel(75).description(), QStringLiteral("75-ohm resistor"));
    EXPECT_EQ(DipoleModel().description(), QStringLiteral("dipole resonant near 14.2 MHz"));
}

TEST(SeriesRlcModel, ResonatesAt1Over2PiSqrtLC) {
    const SeriesRlcModel rlc(50.0, 1.2e-6, 100e-12);
    const double resonance =
        1.0 / (2 * std::numbers::pi * std::sqrt(1.2e-6 * 100e-12));  // 14.53 MHz
    EXPECT_NEAR(rlc.impedance(resonance).real(), 50.0, 1e-9);
    EXPECT_NEAR(rlc.impedance(resonance).imag(), 0.0, 1e-6);
    EXPECT_LT(rlc.impedance(resonance / 2).imag(), 0.0);
    EXPECT_GT(rlc.impedance(resonance * 2).imag(), 0.0);
    EXPECT_TRUE(std::isinf(rlc.impedance(0.0).real()));  // the capacitor blocks DC
    EXPECT_EQ(SeriesRlcModel(10.0, 1e-6, std::nullopt).impedance(0.0),
              std::complex<double>(10.0, 0.0));
    EXPECT_NEAR(SeriesRlcModel(10.0, 1e-6, std::nullopt).impedance(1e6).imag(),
                2 * std::numbers::pi, 1e-9);
}

TEST(DipoleModel, ResonatesNearItsFrequencyWithAbout73Ohms) {
    const DipoleModel dipole(14.2e6);
    const std::complex<double> atResonance = dipole.impedance(14.2e6);
    EXPECT_NEAR(atResonance.real(), 73.0, 3.0);
    EXPECT_NEAR(atResonance.imag(), 0.0, 3.0);
    EXPECT_LT(dipole.impedance(13.5e6).imag(), -10.0);  // too long for the wave: capacitive
    EXPECT_GT(dipole.impedance(15.0e6).imag(), 10.0);   // inductive above
    // The SWR dips near resonance and its 2:1 width is a few percent of the frequency.
    double best = 1e9;
    double bestHz = 0;
    for (double hz = 12e6; hz <= 16.5e6; hz += 10e3) {
        if (Swr(dipole, hz) < best) {
            best = Swr(dipole, hz);
            bestHz = hz;
        }
    }
    EXPECT_NEAR(bestHz, 14.2e6, 0.15e6);
    EXPECT_LT(best, 1.6);
    EXPECT_LT(Swr(dipole, 14.0e6), 2.0);
    EXPECT_GT(Swr(dipole, 13.0e6), 3.0);
    EXPECT_GT(Swr(dipole, 15.5e6), 3.0);
}

TEST(DipoleModel, HigherResonancesAndDc) {
    const DipoleModel dipole(7.1e6);
    EXPECT_GT(std::abs(dipole.impedance(14.2e6)), 2000.0);  // full wave: high impedance
    const std::complex<double> threeHalfWaves = dipole.impedance(21.3e6);
    EXPECT_NEAR(threeHalfWaves.real(), 105.0, 10.0);
    EXPECT_NEAR(threeHalfWaves.imag(), 0.0, 5.0);
    EXPECT_TRUE(std::isinf(dipole.impedance(0.0).real()));
    EXPECT_LT(dipole.impedance(1e6).imag(), -1000.0);  // a short wire is a small capacitor
}

}  // namespace
}  // namespace ravemo
