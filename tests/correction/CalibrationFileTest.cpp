#include <gtest/gtest.h>

#include <QTimeZone>

#include "correction/CalibrationFile.h"

namespace ravemo {
namespace {

const QDateTime kSweptAt(QDate(2026, 12, 7), QTime(14, 54, 39), QTimeZone::utc());

const QByteArray kTwoPoints =
    "ravemo-calibration 1\n"
    "range_mhz 1.000000 30.000000\n"
    "points 2\n"
    "date 2026-12-07T14:54:39Z\n"
    "# MHz short_dB short_deg open_dB open_deg load_dB load_deg\n"
    "1.000000 0.0586 178.5000 -0.1172 1.2250 -27.3040 63.0000\n"
    "30.000000 0.5000 170.0000 0.2500 4.5000 -25.0000 12.2500\n";

TEST(CalibrationFile, WritesAndReadsBackByteForByte) {
    const ParsedCalibration parsed = ParseCalibrationFile(kTwoPoints);
    ASSERT_TRUE(parsed.calibration) << parsed.error.toStdString();
    EXPECT_EQ(parsed.sweptAt, kSweptAt);
    const CalibrationPoint& last = parsed.calibration->points().back();
    EXPECT_DOUBLE_EQ(last.hz, 30e6);
    EXPECT_DOUBLE_EQ(last.openCircuit.phaseDegrees, 4.5);
    EXPECT_DOUBLE_EQ(last.load.returnLossDb, -25.0);
    EXPECT_EQ(EncodeCalibrationFile(*parsed.calibration, kSweptAt), kTwoPoints);
    // Windows line ends and extra blanks read the same.
    QByteArray crlf = kTwoPoints;
    crlf.replace("\n", "  \r\n");
    EXPECT_TRUE(ParseCalibrationFile(crlf).calibration);
}

TEST(CalibrationFile, RefusesMalformedFilesWithTheReason) {
    struct Case {
        QByteArray from;
        QByteArray to;
        const char* reason;
    };
    const Case cases[] = {
        {"ravemo-calibration 1", "touchstone 1", "not a calibration file"},
        {"ravemo-calibration 1", "ravemo-calibration 2", "version 2"},
        {"range_mhz 1.000000 30.000000", "range_mhz 1 x", "line 2: expected \"range_mhz"},
        {"range_mhz 1.000000 30.000000", "range_mhz 2 30", "does not match"},
        {"points 2", "points 3", "says 3 points but holds 2"},
        {"points 2", "points -1", "line 3"},
        {"date 2026-12-07T14:54:39Z", "date yesterday", "line 4"},
        {"63.0000\n", "63.0000 7\n", "line 6: a point line holds 7"},
        {"178.5000", "1e999", "line 6"},
        {"178.5000", "nan", "line 6"},
        {"30.000000 0.5000", "1.000000 0.5000", "must rise"},
        {"178.5000 -0.1172 1.2250", "1.2250 -0.1172 178.5000", "swapped"},
    };
    for (const Case& c : cases) {
        QByteArray text = kTwoPoints;
        text.replace(c.from, c.to);
        const ParsedCalibration parsed = ParseCalibrationFile(text);
        EXPECT_FALSE(parsed.calibration) << c.reason;
        EXPECT_TRUE(parsed.error.contains(QLatin1String(c.reason))) << parsed.error.toStdString();
    }
    EXPECT_FALSE(ParseCalibrationFile(kTwoPoints.left(60)).calibration);
    EXPECT_FALSE(ParseCalibrationFile({}).calibration);
}

}  // namespace
}  // namespace ravemo
