// The tuning window's rules that need no window: the sweep limits around a dip or a band, the
// shift since the reference, and the remembered choices.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "analysis/AmateurBands.h"
#include "plot/ReferenceShift.h"
#include "support/FileBytes.h"
#include "ui/tuning/SweepAroundLimits.h"
#include "ui/tuning/TuningPreferences.h"

namespace ravemo {
namespace {

const QLocale kPoint(QLocale::English, QLocale::UnitedStates);
const QLocale kComma(QLocale::German, QLocale::Germany);

SwrDip DipAt(double hz, std::optional<SwrEdges> swr2) {
    SwrDip dip;
    dip.bottom.hz = hz;
    dip.bottom.swr = 1.3;
    dip.swr2 = swr2;
    return dip;
}

TEST(SweepAroundLimits, TheBandOrDipWithHalfItsWidthOnEachSideRoundedOutwards) {
    const struct {
        SweepLimitsHz limits;
        double lowHz;
        double highHz;
    } cases[] = {
        // 2:1 band 7.05 to 7.25 MHz: 6.95 to 7.35, rounded to 5 kHz.
        {LimitsAroundDip(DipAt(7.1e6, SwrEdges{7.05e6, 7.25e6})), 6.95e6, 7.35e6},
        // 6.98123 to 7.24567 MHz: 6.849 to 7.378 MHz, rounded outwards to 10 kHz.
        {LimitsAroundDip(DipAt(7.1e6, SwrEdges{6.98123e6, 7.24567e6})), 6.84e6, 7.38e6},
        // A 2:1 band 2 kHz wide still gets 5 kHz on each side: 7.094 to 7.106 MHz.
        {LimitsAroundDip(DipAt(7.1e6, SwrEdges{7.099e6, 7.101e6})), 7.094e6, 7.106e6},
        // The upper edge beyond the sweep: as far above the bottom as the lower one is below.
        {LimitsAroundDip(DipAt(7.1e6, SwrEdges{7.05e6, std::nullopt})), 7.0e6, 7.2e6},
        // No 2:1 band: 5 % of the frequency on each side, 13.49 to 14.91 MHz, rounded to 20 kHz.
        {LimitsAroundDip(DipAt(14.2e6, std::nullopt)), 13.48e6, 14.92e6},
        // At least 5 kHz on each side, and never below 0.
        {LimitsAroundDip(DipAt(2e3, std::nullopt)), 0.0, 7e3},
        // 40 m in region 1, 7.0 to 7.2 MHz; a 2:1 band past the top of the synthesiser.
        {LimitsAroundBand(AmateurBandsOf(1).at(5)), 6.9e6, 7.3e6},
        {LimitsAroundDip(DipAt(89.9e6, SwrEdges{89.8e6, 90.2e6})), 89.6e6, 90.0035e6},
        // Both limits beyond the top: a span below it, so the sweep still has points.
        {RoundedReachableLimits(95e6, 96e6), 89.9935e6, 90.0035e6},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.limits.lowHz, c.lowHz, 1e-3) << c.lowHz;
        EXPECT_NEAR(c.limits.highHz, c.highHz, 1e-3) << c.highHz;
    }
    EXPECT_STREQ(AmateurBandsOf(1).at(5).name, "40m");
}

TEST(ReferenceShift, SaysHowTheTunedFrequencyAndTheLowestSwrMoved) {
    const HistoryPoint reference{7.0e6, 1.62};
    const HistoryPoint edge{7.2e6, 1.3, TunedFrequency::SweepEdge};
    const struct {
        HistoryPoint now;
        QLocale locale;
        const char* text;
    } cases[] = {
        {{7.085e6, 1.46}, kPoint, "dip +85 kHz since reference; lowest SWR 1.46, was 1.62"},
        {{6.9988e6, 1.62}, kComma, "dip -1,2 kHz since reference; lowest SWR 1,62, was 1,62"},
        {{7.00035e6, 1.5}, kPoint, "dip +350 Hz since reference; lowest SWR 1.50, was 1.62"},
        {{8.25e6, 1.5}, kPoint, "dip +1.250 MHz since reference; lowest SWR 1.50, was 1.62"},
        {{7.0000004e6, 1.62}, kPoint, "dip unchanged since reference; lowest SWR 1.62, was 1.62"},
        {edge, kPoint, "lowest SWR +200 kHz since reference; lowest SWR 1.30, was 1.62"},
        {{std::nullopt, std::nullopt},
         kPoint,
         "no dip now, was 7.0000 MHz; lowest SWR "
         "\u2013, was 1.62"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReferenceShiftText(c.now, reference, c.locale), QString::fromUtf8(c.text));
    }
    // A low at the sweep's edge in the reference is no dip either.
    EXPECT_TRUE(ReferenceShiftText(reference, edge, kPoint).startsWith("lowest SWR -200 kHz"));
}

TEST(TuningPreferences, RoundTripThroughTheirOwnFileAndDefaultsForAnythingElse) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tuning.ini");
    TuningPreferences chosen;
    chosen.region = 2;
    chosen.scale = SwrScaleChoice::Logarithmic;
    chosen.rightAxis = RightAxisQuantity::Reactance;
    chosen.targetHz = 7.1e6;
    chosen.geometry = QByteArray("\x01\x02geometry", 10);
    chosen.windowState = "state";
    chosen.paneSizes = {{"ChartsSideBySide", "a"}, {"PicturesAndTables", "b"}};
    ASSERT_TRUE(SaveTuningPreferences(path, chosen));
    EXPECT_EQ(LoadTuningPreferences(path), chosen);

    // Values by hand that the window never writes keep their defaults.
    ASSERT_TRUE(
        test::WriteFileBytes(path, "[view]\nregion=4\nswrScale=7\nrightAxis=Z\ntargetMHz=-3\n"));
    EXPECT_EQ(LoadTuningPreferences(path), TuningPreferences{});
    EXPECT_EQ(LoadTuningPreferences(folder.filePath("missing.ini")), TuningPreferences{});
}

}  // namespace
}  // namespace ravemo
