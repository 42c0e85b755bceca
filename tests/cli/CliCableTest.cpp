// The cable command as a user runs it: its status, its messages and its JSON keys, on a
// Touchstone file of an open 23.4 m RG-58 built from the line equations.

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliTestSupport.h"
#include "analysis/SimulatedSweep.h"
#include "common/LineTransform.h"

namespace ravemo::cli_cable_test {

const char kCableSettings[] =
    "[PARAMETERS]\nChamp=400\nStep=1\nInputVelFactor=66\n[PORTSETTING]\nAddress1=888\n";

class CableRun : public ::testing::Test {
  protected:
    void SetUp() override {
        const Feedline line{*FeedlineTypeNamed(QStringLiteral("rg58")), 23.4};
        test::WriteTouchstone(
            cli.path("open.s1p"), [&](double hz) { return ImpedanceThroughLine(1e12, line, hz); },
            1e6, 30e6, 1001);
    }
    CliRun cli{QString::fromLatin1(kCableSettings)};
};

TEST_F(CableRun, TheJsonHasExactlyTheKeysAndFindsTheOpenEnd) {
    ASSERT_EQ(cli.run(cli.words("cable @open.s1p --end open --length-m 23.4 --json")), 0)
        << cli.err().toStdString();
    const QJsonObject root = QJsonDocument::fromJson(cli.out().toUtf8()).object();
    EXPECT_EQ(root.keys(), (QStringList{"end", "faults", "length_m", "loss_db", "range_m",
                                        "resolution_m", "velocity_factor"}));
    EXPECT_EQ(root[QStringLiteral("end")].toString(), QStringLiteral("open"));
    EXPECT_NEAR(root[QStringLiteral("velocity_factor")].toDouble(), 0.66, 0.01);
    EXPECT_DOUBLE_EQ(root[QStringLiteral("length_m")].toDouble(), 23.4);
    const QJsonArray losses = root[QStringLiteral("loss_db")].toArray();
    ASSERT_FALSE(losses.isEmpty());
    EXPECT_EQ(losses[0].toObject().keys(), (QStringList{"frequency_hz", "loss_db"}));
    const QJsonArray faults = root[QStringLiteral("faults")].toArray();
    ASSERT_FALSE(faults.isEmpty());
    EXPECT_EQ(faults[0].toObject().keys(), (QStringList{"distance_m", "reflection"}));
    EXPECT_NEAR(faults[0].toObject()[QStringLiteral("distance_m")].toDouble(), 23.4,
                root[QStringLiteral("resolution_m")].toDouble());
    EXPECT_GT(faults[0].toObject()[QStringLiteral("reflection")].toDouble(), 0.0);
}

TEST_F(CableRun, TheTextNamesTheEndAndTheNearestCable) {
    ASSERT_EQ(cli.run(cli.words("cable @open.s1p --end open --velocity-factor 0.66")), 0)
        << cli.err().toStdString();
    EXPECT_TRUE(cli.out().contains(QStringLiteral("the open end"))) << cli.out().toStdString();
    EXPECT_TRUE(cli.out().contains(QStringLiteral("nearest RG-58"))) << cli.out().toStdString();
}

TEST_F(CableRun, BadArgumentsAreRefusedWithTheReason) {
    struct Case {
        const char* line;
        const char* message;
    };
    for (const Case& c : {
             Case{"cable @open.s1p", "cable needs --end open or --end short"},
             Case{"cable @open.s1p --end closed", "--end takes open or short, not closed"},
             Case{"cable @open.s1p --end open --length-m 20 --velocity-factor 0.66", "not both"},
             Case{"cable @open.s1p --end open --length-m -3", "--length-m takes a length"},
             Case{"cable @open.s1p --end open --length-m 0.05", "--length-m takes a length"},
             Case{"cable @open.s1p --end open --velocity-factor 66", "--velocity-factor takes"},
             Case{"cable @open.s1p --end open --region 4", "--region takes"},
             Case{"cable --end open", "cable needs one file"},
             Case{"cable @missing.s1p --end open --length-m 20", "missing.s1p"},
             Case{"cable @open.txt --end open", "reads a sweep file (.vec)"},
             Case{"cable @open.s1p --end open --calibration @none.cal",
                  "none.cal\" does not exist"},
             Case{"cable @open.s1p --end open --calibration @open.s1p", "not a calibration file"},
         }) {
        EXPECT_EQ(cli.run(cli.words(QString::fromLatin1(c.line))), kExitBadInput) << c.line;
        EXPECT_TRUE(cli.err().contains(QString::fromLatin1(c.message)))
            << c.line << ": " << cli.err().toStdString();
    }
}

TEST_F(CableRun, AnUnknownFactorLeavesTheDistancesNull) {
    // A length that makes no cable of this sweep: VF above 1.
    ASSERT_EQ(cli.run(cli.words("cable @open.s1p --end open --length-m 500 --json")), 0);
    const QJsonObject root = QJsonDocument::fromJson(cli.out().toUtf8()).object();
    EXPECT_TRUE(root[QStringLiteral("velocity_factor")].isNull());
    EXPECT_TRUE(root[QStringLiteral("resolution_m")].isNull());
    EXPECT_TRUE(root[QStringLiteral("faults")].toArray().isEmpty());
}

}  // namespace ravemo::cli_cable_test
