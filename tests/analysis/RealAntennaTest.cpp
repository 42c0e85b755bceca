// Antennas as hams use them, built from physics (AntennaPhysics.h), written as Touchstone files
// and replayed through the simulated instrument as a user of the hardware would measure them:
// the estimated sign of X may be unknown, but never confidently wrong, and the trim advice
// follows the SWR dip.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include <QTemporaryDir>

#include "AntennaPhysics.h"
#include "SimulatedSweep.h"
#include "analysis/AntennaAnalysis.h"
#include "analysis/SweepSamples.h"

namespace ravemo {
namespace {

using test::Impedance;

constexpr std::int32_t kRealChamp = 3000;
constexpr int kTouchstonePoints = 6001;

struct RealCase {
    const char* name;
    std::function<Impedance(double)> impedance;
    double lowMHz;
    double highMHz;
    double noiseSteps = 0.0;
    double seriesMHz = 0.0;  // a narrow series resonance that must be found, when not 0
};

Impedance EndFedThroughTransformer(double hz, double hz0) {
    return test::ThroughTransformer49(test::EndFedWire(hz, hz0), hz);
}

// A G5RV: a 31.1 m flat top (a half wave at 4.6 MHz) fed through 10.36 m of window line, then
// 20 m of RG-58.
Impedance G5rv(double hz) {
    return test::ThroughLine(test::ThroughLine(test::Dipole(hz, 4.6e6), test::kWindowLine, hz),
                             test::kRg58, hz);
}

std::vector<RealCase> Cases() {
    return {
        {"dipole 7.1 MHz behind 20 m RG-58",
         [](double hz) { return test::ThroughLine(test::Dipole(hz, 7.1e6), test::kRg58, hz); }, 3,
         30},
        {"end-fed 7.1 MHz through 49:1",
         [](double hz) { return EndFedThroughTransformer(hz, 7.1e6); }, 3, 30},
        {"end-fed 7.1 MHz through 49:1 behind 20 m RG-58",
         [](double hz) {
             return test::ThroughLine(EndFedThroughTransformer(hz, 7.1e6), test::kRg58, hz);
         },
         3, 30, 1.0},
        {"G5RV with its window line and 20 m RG-58", G5rv, 3, 30},
        {"dipole 1.9 MHz in a wide sweep", [](double hz) { return test::Dipole(hz, 1.9e6); }, 1, 50,
         0.0, 1.9},
        // 30 ohms, 100 uH, 1.27 pF: resonant at 14.12 MHz, a 2:1 band of 30 kHz, 3 samples.
        {"a high-Q load in a wide sweep",
         [](double hz) {
             const double w = test::Omega(hz);
             return Impedance(30.0, w * 100e-6 - 1.0 / (w * 1.27e-12));
         },
         1, 30, 0.0, 1.0 / (2.0 * std::numbers::pi * std::sqrt(100e-6 * 1.27e-12)) / 1e6},
    };
}

// The true reactance changes sign within `hzAround` of `hz`, rising (series) or falling.
bool TrueZeroNear(const RealCase& c, double hz, double hzAround, ResonanceKind kind) {
    constexpr int kSteps = 400;
    double before = c.impedance(hz - hzAround).imag();
    for (int i = 1; i <= kSteps; ++i) {
        const double x = c.impedance(hz - hzAround + 2.0 * hzAround * i / kSteps).imag();
        if (kind == ResonanceKind::Series ? before < 0.0 && x >= 0.0 : before > 0.0 && x <= 0.0) {
            return true;
        }
        before = x;
    }
    return false;
}

TEST(RealAntennas, TheSignOfXIsNeverConfidentlyWrongAndEveryResonanceIsReal) {
    const QTemporaryDir folder;
    for (const RealCase& c : Cases()) {
        const QString path = folder.filePath(QStringLiteral("antenna.s1p"));
        test::WriteTouchstone(path, c.impedance, c.lowMHz * 1e6, c.highMHz * 1e6,
                              kTouchstonePoints);
        const AntennaSamples set =
            SamplesFromSweep(test::SweepSimulated(QStringLiteral("s1p:") + path, c.lowMHz,
                                                  c.highMHz, kRealChamp, c.noiseSteps),
                             1);
        int clear = 0;
        int wrong = 0;
        int unknown = 0;
        for (const AntennaSample& s : set.samples) {
            const Impedance z = c.impedance(s.hz);
            if (std::fabs(z.imag()) <= 0.05 * std::abs(z)) continue;
            ++clear;
            if (s.xsSign == ReactanceSign::Unknown) {
                ++unknown;
            } else if ((s.xs > 0.0) != (z.imag() > 0.0)) {
                ++wrong;
            }
        }
        EXPECT_LE(wrong, 0.05 * clear) << c.name;

        AnalysisOptions options;
        options.maxDips = 100;
        const AntennaAnalysis analysis = AnalyseAntenna(set, options);
        for (const SwrDip& dip : analysis.dips) {
            const Impedance z = c.impedance(dip.bottom.hz);
            if (dip.bottom.xsSign == ReactanceSign::Unknown ||
                std::fabs(z.imag()) <= 0.02 * std::abs(z)) {
                continue;
            }
            EXPECT_EQ(dip.bottom.xs > 0.0, z.imag() > 0.0) << c.name << " dip " << dip.bottom.hz;
        }
        const double step = (c.highMHz - c.lowMHz) * 1e6 / kRealChamp;
        if (c.seriesMHz > 0.0) {
            EXPECT_TRUE(std::any_of(set.resonances.begin(), set.resonances.end(),
                                    [&](const Resonance& r) {
                                        return r.kind == ResonanceKind::Series &&
                                               std::fabs(r.hz - c.seriesMHz * 1e6) < 2.0 * step;
                                    }))
                << c.name;
        }
        for (const Resonance& r : set.resonances) {
            EXPECT_TRUE(TrueZeroNear(c, r.hz, std::max(0.01 * r.hz, 3.0 * step), r.kind))
                << c.name << " resonance " << r.hz;
        }
    }
}

// The frequency of the lowest true SWR within 5 % of `hz`, to 1 kHz.
double TrueDipNear(const std::function<Impedance(double)>& impedance, double hz) {
    double best = hz;
    for (double f = hz * 0.95; f <= hz * 1.05; f += 1e3) {
        if (test::SwrOf(impedance(f)) < test::SwrOf(impedance(best))) best = f;
    }
    return best;
}

// An end-fed wire cut for 7.1 MHz, through its transformer (and behind its coax), tuned for
// 14.2 MHz: the advice follows the 20 m dip, and cutting the wire as advised brings the dip to
// the target.
TEST(RealAntennas, TrimAdviceFollowsTheSwrDipAndCuttingAsAdvisedReachesTheTarget) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("endfed.s1p"));
    for (const bool coax : {false, true}) {
        const auto antenna = [coax](double wireHz) {
            return [coax, wireHz](double hz) {
                const Impedance z = EndFedThroughTransformer(hz, wireHz);
                return coax ? test::ThroughLine(z, test::kRg58, hz) : z;
            };
        };
        test::WriteTouchstone(path, antenna(7.1e6), 3e6, 30e6, kTouchstonePoints);
        const AntennaSamples set = SamplesFromSweep(
            test::SweepSimulated(QStringLiteral("s1p:") + path, 3, 30, kRealChamp), 1);
        AnalysisOptions options;
        options.targetHz = 14.2e6;
        const TrimAdvice trim = *AnalyseAntenna(set, options).trim;
        ASSERT_EQ(trim.basis, TrimBasis::Dip) << coax;
        const double trueDip = TrueDipNear(antenna(7.1e6), trim.dipHz);
        EXPECT_NEAR(trim.dipHz, trueDip, 0.002 * trueDip) << coax;
        EXPECT_NEAR(trim.lengthChangePercent, (trueDip / 14.2e6 - 1.0) * 100.0, 0.2) << coax;
        // A length change of p % moves the wire's resonances by 1 / (1 + p / 100).
        const double cutHz = 7.1e6 / (1.0 + trim.lengthChangePercent / 100.0);
        EXPECT_NEAR(TrueDipNear(antenna(cutHz), 14.2e6), 14.2e6, 0.01 * 14.2e6) << coax;
    }
}

}  // namespace
}  // namespace ravemo
