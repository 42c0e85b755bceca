#include <gtest/gtest.h>

#include <QJsonObject>

#include <QJsonDocument>

#include "CliTestSupport.h"
#include "files/VecFile.h"
#include "sweep/MeasurementRules.h"

namespace ravemo {
namespace {

constexpr std::int32_t kChamp = 40;

SweepData Read(const CliRun& cli, const char* name) {
    return DecodeVecFile(cli.fileBytes(QLatin1String(name)), kChamp).contents.value().data;
}

// An instrument that reads 2 dB high and whose phase converter reads 3 degrees + 0.95 x phase,
// made by hand from the ideal simulator's readings.
void Distort(const CliRun& cli, const char* from, const char* to) {
    SweepData data = Read(cli, from);
    for (std::size_t i = 0; i < data.DdsWords.size(); ++i) {
        data.ReturnLossSamples[i] += static_cast<float>(2.0 / kDbPerReturnLossStep);
        data.PhaseSamples[i] =
            static_cast<float>(3.0 / kDegreesPerPhaseStep) + 0.95F * data.PhaseSamples[i];
    }
    cli.writeFile(QLatin1String(to), EncodeVecFile(data, {1.0F, 30.0F}));
}

class CliCalibrate : public testing::Test {
  protected:
    void SetUp() override {
        for (const char* model : {"short", "open", "resistor:50", "dipole:7.1"}) {
            const QString name = QString::fromLatin1(model).section(':', 0, 0) + ".vec";
            ASSERT_EQ(cli.run(cli.words(QStringLiteral("sweep --from 1 --to 30 --port sim:%1 "
                                                       "--output @%2")
                                            .arg(QLatin1String(model), name))),
                      0)
                << cli.err().toStdString();
            Distort(cli, name.toLatin1().constData(), ("bad-" + name).toLatin1().constData());
        }
    }
    CliRun cli{QString::fromLatin1(kSmallSweepSettings)};
};

// A calibration made from the distorted standards gives back the ideal readings of the
// distorted dipole: the return loss within 0.05 dB; the phase within 1 degree (the ideal short
// reads 179 degrees, the converter's top, which the calibration takes for 180).
TEST_F(CliCalibrate, UndoesADistortedInstrumentInConvert) {
    ASSERT_EQ(cli.run(cli.words("calibrate --short @bad-short.vec --open @bad-open.vec "
                                "--load @bad-resistor.vec --output @cal.txt")),
              0)
        << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("wrote ")) << cli.out().toStdString();
    ASSERT_EQ(cli.run(cli.words("convert @bad-dipole.vec @fixed.vec --calibration @cal.txt")), 0)
        << cli.err().toStdString();
    const SweepData ideal = Read(cli, "dipole.vec");
    const SweepData fixed = Read(cli, "fixed.vec");
    for (std::size_t i = 0; i < ideal.DdsWords.size(); ++i) {
        EXPECT_NEAR(ReturnLossDb(fixed.ReturnLossSamples[i]),
                    ReturnLossDb(ideal.ReturnLossSamples[i]), 0.05)
            << i;
        EXPECT_NEAR(PhaseDegrees(fixed.PhaseSamples[i]), PhaseDegrees(ideal.PhaseSamples[i]), 1.0)
            << i;
    }
    ASSERT_EQ(cli.run(cli.words("analyse @bad-dipole.vec --json --calibration @cal.txt")), 0);
    ASSERT_EQ(cli.run(cli.words("sweep --from 2 --to 29 --calibration @cal.txt")), 0);
    EXPECT_TRUE(cli.out().contains("corrected with")) << cli.out().toStdString();
}

// Behind a bridge of 26 dB directivity a perfect match reads as the floor: its SWR is "below"
// the floor's, never a figure better than the bridge can tell.
TEST_F(CliCalibrate, AMatchBeyondTheDirectivityFloorReadsBelowIt) {
    const struct {
        const char* model;
        const char* file;
    } standards[] = {{"short", "leaky-short"},
                     {"open", "leaky-open"},
                     {"resistor:50", "leaky-load"},
                     {"rlc:r=50,l=0.5u,c=250p", "leaky-rlc"}};
    for (const auto& s : standards) {
        ASSERT_EQ(cli.run(cli.words(QStringLiteral("sweep --from 1 --to 30 --port "
                                                   "sim:%1;directivity=26 --output @%2.vec")
                                        .arg(QLatin1String(s.model), QLatin1String(s.file)))),
                  0)
            << cli.err().toStdString();
    }
    ASSERT_EQ(cli.run(cli.words("calibrate --short @leaky-short.vec --open @leaky-open.vec "
                                "--load @leaky-load.vec --output @leaky.txt")),
              0)
        << cli.err().toStdString();
    ASSERT_EQ(cli.run(cli.words("analyse @leaky-rlc.vec --calibration @leaky.txt")), 0);
    EXPECT_TRUE(cli.out().contains(": SWR below 1.1")) << cli.out().toStdString();
    ASSERT_EQ(cli.run(cli.words("analyse @leaky-rlc.vec --json --calibration @leaky.txt")), 0);
    const QJsonObject dip =
        QJsonDocument::fromJson(cli.out().toUtf8()).object()["dips"][0].toObject();
    // 26 dB directivity: a leakage of 0.050, SWR 1.105.
    EXPECT_NEAR(dip["swr_floor"].toDouble(), 1.105, 0.01);
    // Without the calibration nobody knows the floor: a figure, and no "below".
    ASSERT_EQ(cli.run(cli.words("analyse @leaky-rlc.vec")), 0);
    EXPECT_FALSE(cli.out().contains("below 1.")) << cli.out().toStdString();
}

TEST_F(CliCalibrate, RefusesWhatCannotCalibrateOrBeCorrectedWithTheReason) {
    ASSERT_EQ(cli.run(cli.words("calibrate --short @short.vec --open @open.vec "
                                "--load @resistor.vec --output @cal.txt")),
              0);
    ASSERT_EQ(cli.run(cli.words("sweep --from 2 --to 31 --port sim:open --output @wide.vec")), 0);
    cli.writeFile(QStringLiteral("broken.txt"), "ravemo-calibration 1\nrange_mhz 1 30\n");
    cli.writeFile(QStringLiteral("a.s1p"), "# Hz S RI R 50\n1000000 0.5 0\n2000000 0.5 0\n");
    const std::pair<const char*, const char*> cases[] = {
        {"calibrate --short @open.vec --open @short.vec --load @resistor.vec --output @x.txt",
         "swapped"},
        {"calibrate --short @short.vec --open @wide.vec --load @resistor.vec --output @x.txt",
         "open sweep was not measured"},
        {"calibrate --short @short.vec --open @open.vec --output @x.txt", "--load is missing"},
        {"convert @wide.vec @y.csv --calibration @cal.txt", "NOT corrected"},
        {"analyse @dipole.vec --calibration @broken.txt", "broken.txt: the file ends"},
        {"analyse @a.s1p --calibration @cal.txt", "Touchstone file holds reflections"},
        {"analyse @wide.vec --calibration @cal.txt", "reaches outside"},
        {"sweep --from 1 --to 31 --calibration @cal.txt", "calibrates 1 to 30 MHz"},
        {"sweep --from 1 --to 30 --hold --calibration @cal.txt", "--hold takes no readings"},
    };
    for (const auto& [line, reason] : cases) {
        EXPECT_EQ(cli.run(cli.words(QLatin1String(line))), 2) << line;
        EXPECT_TRUE(cli.err().contains(QLatin1String(reason))) << cli.err().toStdString();
    }
    EXPECT_TRUE(cli.fileBytes(QStringLiteral("x.txt")).isEmpty());
    EXPECT_TRUE(cli.fileBytes(QStringLiteral("y.csv")).isEmpty());
}

}  // namespace
}  // namespace ravemo
