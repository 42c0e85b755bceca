#include "files/CsvExport.h"

#include <gtest/gtest.h>
#include <QByteArrayList>

namespace ravemo {
namespace {

const QLocale kPointLocale(QLocale::English, QLocale::UnitedStates);
const QLocale kCommaLocale(QLocale::German, QLocale::Germany);

SweepData twoPoints() {
    SweepData data(2);
    data.ReturnLossSamples = {999.0F, 512.0F, 0.5F};  // index 0 is never exported
    data.PhaseSamples = {999.0F, 300.0F, -3.25F};
    data.DdsWords = {999.0, 23860000.0, 334040000.1234567};
    return data;
}

const QByteArray kHeader = QByteArray("SAMPLE N\xB0;RETURN LOSS;PHASE;DDS WORD;\r\n");

// Byte for byte; a comma locale changes only the decimal separator.
TEST(CsvExport, EveryLineByteForByteInTheLocale) {
    const struct {
        QLocale locale;
        VecLimits limits;
        QByteArray body;
    } cases[] = {
        {kPointLocale,
         {1.0F, 30.0F},
         " 1 ; 512 ; 300 ; 23860000 ;\r\n"
         " 2 ; .5 ;-3.25 ; 334040000.123457 ;\r\n"
         " 1             30 \r\n"},
        {kCommaLocale,
         {1.8F, 0.5F},
         " 1 ; 512 ; 300 ; 23860000 ;\r\n"
         " 2 ; ,5 ;-3,25 ; 334040000,123457 ;\r\n"
         " 1,8           ,5 \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeCsvExport(twoPoints(), c.limits, c.locale), kHeader + c.body);
    }
}

TEST(CsvExport, SecondLimitStartsAtTheNextPrintZone) {
    SweepData data(1);
    const QByteArray bytes = EncodeCsvExport(data, {1.0F, 30.0F}, kPointLocale);
    const QByteArray last = bytes.mid(bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2);
    EXPECT_EQ(last.indexOf("30"), 15);  // column 16, after the sign space in column 15
    // A negative first limit of 9 characters pads to column 15 as well.
    const QByteArray negative = EncodeCsvExport(data, {-1234567.0F, 7.5F}, kPointLocale);
    EXPECT_TRUE(negative.endsWith("-1234567       7.5 \r\n"));
    // A first limit longer than one zone moves the second to the zone after.
    const QByteArray longer = EncodeCsvExport(data, {1.234567E+20F, 7.0F}, kPointLocale);
    EXPECT_TRUE(longer.endsWith(" 1.234567E+20  7 \r\n")) << longer.toStdString();
}

TEST(CsvExport, EveryIndexIsWrittenAndTheLimitsLineAlways) {
    SweepData data(6000);
    for (std::size_t i = 0; i < data.DdsWords.size(); ++i) data.DdsWords[i] = double(i);
    const QByteArray bytes = EncodeCsvExport(data, {1.0F, 50.0F}, kPointLocale);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 6003);  // 6002 lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines[1], " 1 ; 0 ; 0 ; 1 ;\r");
    EXPECT_EQ(lines[6000], " 6000 ; 0 ; 0 ; 6000 ;\r");
    EXPECT_TRUE(lines[6001].startsWith(" 1 "));

    // Beyond the 16-bit range of an index counter, the export still completes.
    SweepData large(40000);
    const QList<QByteArray> largeLines =
        EncodeCsvExport(large, {1.0F, 50.0F}, kPointLocale).split('\n');
    ASSERT_EQ(largeLines.size(), 40003);
    EXPECT_EQ(largeLines[40000], " 40000 ; 0 ; 0 ; 0 ;\r");
}

}  // namespace
}  // namespace ravemo
