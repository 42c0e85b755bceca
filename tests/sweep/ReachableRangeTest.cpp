#include "sweep/ReachableRange.h"

#include <gtest/gtest.h>

#include "instrument/Dds.h"

namespace ravemo {
namespace {

TEST(RangeNotice, NamesEachLimitBeyondReachAndOnWhichSide) {
    const QLocale point(QLocale::English, QLocale::UnitedStates);
    const QString lead = QStringLiteral("The synthesiser reaches 0 to 90.0035 MHz: ");
    const QString tail = QStringLiteral(". Points out of its reach are not measured.");
    struct Case {
        double lower;
        double upper;
        const char* beyond;  // empty: no notice
    };
    const Case cases[] = {
        {1e6, 50e6, ""},
        {0.0, 90003505.0, ""},
        {1e6, 90003506.0, "the upper limit is above 90.0035 MHz"},
        {-1.0, 30e6, "the lower limit is below 0"},
        {-5e6, 110e6, "the lower limit is below 0 and the upper limit is above 90.0035 MHz"},
        {100e6, 120e6,
         "the lower limit is above 90.0035 MHz and the upper limit is above 90.0035 MHz"},
        {30e6, -1e6, "the upper limit is below 0"},
    };
    for (const Case& c : cases) {
        const QString beyond = QString::fromLatin1(c.beyond);
        EXPECT_EQ(RangeNotice(c.lower, c.upper, point),
                  beyond.isEmpty() ? QString() : lead + beyond + tail)
            << c.lower << " " << c.upper;
    }
    EXPECT_TRUE(RangeNotice(0.0, 100e6, QLocale(QLocale::German, QLocale::Germany))
                    .startsWith("The synthesiser reaches 0 to 90,0035 MHz: "));
}

TEST(ReachablePointCount, CountsTheStepGridsReachableWords) {
    SweepData data(6);
    data.DdsWords = {TuningWord(0.0),  TuningWord(-1.0), TuningWord(5e6), TuningWord(95e6),
                     TuningWord(90e6), TuningWord(1e6),  TuningWord(2e6)};
    EXPECT_EQ(ReachablePointCount(data, 1), 5);
    EXPECT_EQ(ReachablePointCount(data, 3), 2);  // 0, 3, 6: 95 MHz is not
    EXPECT_EQ(ReachablePointCount(data, 0), 5);
    data.DdsWords.assign(7, TuningWord(100e6));
    EXPECT_EQ(ReachablePointCount(data, 1), 0);
}

}  // namespace
}  // namespace ravemo
