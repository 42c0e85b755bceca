#include <sys/stat.h>

#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "CliTestSupport.h"
#include "analysis/SimulatedSweep.h"
#include "files/VecFile.h"

namespace ravemo {
namespace {

const char kAnalyseSettings[] =
    "[PARAMETERS]\nChamp=400\nStep=1\nInputVelFactor=66\n[PORTSETTING]\nAddress1=888\n";

// A run with a swept dipole (d.vec) and damaged copies of it, Touchstone files of a series RLC
// (rlc.s1p), of a capacitor (cap.s1p) and a few odd ones, a sweep file that was never swept
// (empty.vec), a file of neither kind, and two other settings files.
class AnalyseRun : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli.run({"sweep", "--from", "10", "--to", "20", "--port", "sim:dipole",
                           "--output", cli.path("d.vec")}),
                  0)
            << cli.err().toStdString();
        test::WriteTouchstone(
            cli.path("rlc.s1p"),
            [](double hz) {
                const double w = 2.0 * 3.14159265358979 * hz;
                return std::complex<double>(50.0, w * 5e-6 - 1.0 / (w * 25e-12));
            },
            10e6, 20e6, 201);
        test::WriteTouchstone(
            cli.path("cap.s1p"),
            [](double hz) { return std::complex<double>(1.0, -1.0 / (6.2832 * hz * 100e-12)); },
            10e6, 20e6, 11);
        cli.writeFile("odd.vec", "not a sweep");
        cli.writeFile("empty.vec", QByteArray(16 * 401 + 8, '\0'));
        cli.writeFile("vf150.ini", "[PARAMETERS]\nInputVelFactor=150\n");
        cli.writeFile("vf066.ini", "[PARAMETERS]\nChamp=400\nInputVelFactor=0.66\n");
        // The dipole with one thing changed.
        const std::pair<const char*, std::function<void(SweepData&)>> damaged[] = {
            {"rl2000.vec", [](SweepData& d) { d.ReturnLossSamples[5] = 2000.0F; }},
            {"phase-1.vec", [](SweepData& d) { d.PhaseSamples[7] = -1.0F; }},
            {"rl1023.vec", [](SweepData& d) { d.ReturnLossSamples[5] = 1023.0F; }},
            {"oneword.vec", [](SweepData& d) { std::ranges::fill(d.DdsWords, 334040000.0); }},
            {"nanwords.vec",
             [](SweepData& d) {
                 std::ranges::fill(d.DdsWords, std::numeric_limits<double>::quiet_NaN());
             }},
        };
        const QByteArray dipole = cli.fileBytes("d.vec");
        for (const auto& [name, change] : damaged) {
            VecDecodeResult decoded = DecodeVecFile(dipole, 400);
            ASSERT_TRUE(decoded.contents);
            change(decoded.contents->data);
            cli.writeFile(name, EncodeVecFile(decoded.contents->data, decoded.contents->limits));
        }
        cli.writeFile("tiny.s1p", "# HZ S RI R 50\n1e-80 0.5 0.1\n2e-80 0.4 0.1\n3e-80 0.3 0\n");
        cli.writeFile("narrow.s1p", "# HZ S RI R 50\n14e6 0.5 0.1\n14000000.25 0.4 0\n");
        cli.writeFile("wide.s1p", "# HZ S RI R 50\n14e6 0.5 0.1\n14000001 0.4 0\n");
        cli.writeFile("full.s1p",
                      "# MHZ S RI R 50\n1.9 0.99999999999999989 0\n1.95 1 0\n3 0.5 0\n");
        cli.writeFile("one.s1p", "# HZ S MA R 50\n1000000 0.2 30\n");
        cli.writeFile("open.s1p", "# HZ S RI R 50\n1e6 1 0\n2e6 1 0\n3e6 0.5 0\n");
        cli.writeFile("above1.s1p", "# MHZ S MA R 50\n1 1.02 30\n2 0.2 20\n3 1.1 10\n");
        cli.writeFile("step2.ini", "[PARAMETERS]\nChamp=400\nStep=2\n");
    }

    CliRun cli{kAnalyseSettings};
};

TEST_F(AnalyseRun, StatusAndWhatItSays) {
    const struct {
        const char* arguments;  // as CliRun::words reads them
        int status;
        const char* fragment;  // in the output when the status is 0, else in the error
    } cases[] = {
        {"analyse --help", 0, "Usage: ravemo-cli [--settings FILE] analyse FILE"},
        {"analyse", 2, "analyse needs one file"},
        // Each number option within its range, the refusal naming the option, the range and
        // the value given.
        {"analyse @d.vec --swr-limit 1", 2,
         "--swr-limit takes an SWR above 1 and at most 100, such as 2 or 1.5, not 1"},
        {"analyse @d.vec --swr-limit 1e300", 2, "at most 100, such as 2 or 1.5, not 1e300"},
        {"analyse @d.vec --swr-limit 100", 0, "SWR dips below 100"},
        {"analyse @d.vec --dips 1.5", 2, "--dips takes a whole number of dips from 1 to 1000"},
        {"analyse @d.vec --dips 0", 2, "from 1 to 1000, not 0"},
        {"analyse @d.vec --dips 1001", 2, "from 1 to 1000, not 1001"},
        {"analyse @d.vec --dips 1000", 0, "SWR dips below 2:"},
        {"analyse @d.vec --region 4", 2, "--region takes the IARU region 1, 2 or 3, not 4"},
        {"analyse @d.vec --region 0", 2, "--region takes the IARU region 1, 2 or 3, not 0"},
        {"analyse @d.vec --target-mhz 0", 2,
         "--target-mhz takes a frequency from 0.001 to 90.0035 MHz"},
        {"analyse @d.vec --target-mhz 1e303", 2, "such as 14.2, not 1e303"},
        {"analyse @d.vec --target-mhz 90.0036", 2, "not 90.0036"},
        {"analyse @d.vec --target-mhz 0.001", 0, "Trim for 0.0010 MHz"},
        {"analyse @d.vec --velocity-factor 0.66", 2, "--velocity-factor goes with --cable"},
        {"analyse @d.vec --cable --velocity-factor 66", 2,
         "--velocity-factor takes a velocity factor from 0.1 to 1, such as 0.66, not 66"},
        {"analyse @d.vec --cable --velocity-factor 1e-300", 2, "not 1e-300"},
        {"analyse @d.vec --cable --velocity-factor 0.1", 0, "velocity factor 0.1: "},
        {"analyse @missing.vec", 2, "missing.vec\" does not exist"},
        {"analyse @odd.vec", 2, "is not a sweep file"},
        {"analyse @empty.vec", 2, "every tuning word is 0 or less, so it was never swept"},
        // What is wrong, not how many points were left.
        {"analyse @rl2000.vec", 2,
         "the return-loss reading at sample index 5 is 2000, outside the converters' 0 to 1023"},
        {"analyse @phase-1.vec", 2, "the phase reading at sample index 7 is -1, outside"},
        {"analyse @rl1023.vec", 0, "SWR dips below 2"},
        {"analyse @oneword.vec", 2, "all 401 swept points of"},
        {"analyse @oneword.vec", 2, "are at one frequency, 14 MHz"},
        {"analyse @nanwords.vec", 2, "401 of its tuning words are not finite numbers"},
        {"analyse @one.s1p", 2,
         "one.s1p holds one frequency, 1 MHz; the analysis needs at least 2"},
        {"analyse @open.s1p", 2, "the impedance is finite at only 1 of its 3 points"},
        {"analyse @tiny.s1p", 2, "tiny.s1p has a point at 1e-80 Hz, above 0 but below 1 Hz"},
        {"analyse @narrow.s1p", 2, "span less than 1 Hz (14000000 to 14000000.25 Hz)"},
        {"analyse @wide.s1p", 0, "2 points from 14.0000 MHz to 14.0000 MHz"},
        // No number past what it can mean.
        {"analyse @full.s1p", 0,
         "  160m (1.8100 MHz to 2.0000 MHz): lowest SWR > 99 at 1.9000 MHz"},
        {"analyse @full.s1p --samples", 0, "\n1.9\t> 99\t9.00719925474099E+17\t"},
        // Noise near a full reflection is a warning; the analysis goes on.
        {"analyse @above1.s1p", 0, "warning: "},
        {"analyse @above1.s1p", 0, "|S11| is above 1 at 2 points (largest 1.1 at 3 MHz)"},
        {"analyse @CliTestSupport.h", 2, "reads a sweep file (.vec) or a one-port"},
        {"analyse @d.vec --target-mhz 14", 0,
         "Trim for 14.0000 MHz: the dip at 14.2000 MHz: make the element 1.4% longer"},
        {"analyse @d.vec --target-mhz 1e9", 2,
         "--target-mhz takes a frequency from 0.001 to 90.0035"},
        {"analyse @d.vec", 0, "X (est.) "},
        {"analyse @d.vec --feedline rg58:20", 0,
         "Every figure stands at the antenna, through 20 m of RG-58 (50 ohm, VF 0.66)"},
        {"analyse @d.vec --feedline coax:20", 2, "--feedline: feedline 'coax:20': 'coax' is no"},
        {"analyse @d.vec --feedline rg174:1000", 2, "the antenna cannot be seen through 1000 m"},
        {"analyse @d.vec", 0, "  20m (14.0000 MHz to 14.3500 MHz): lowest SWR 1.4"},
        {"analyse @d.vec --cable", 0, "Cable open at its far end, velocity factor 0.66: "},
        {"analyse @d.vec --samples", 0, "MHz\tSWR\tRs (ohm)\tX (est.) (ohm)\t|Z| (ohm)\n10\t"},
        {"analyse @rlc.s1p", 0, "reactance is measured"},
        {"analyse @rlc.s1p --target-mhz 7", 0,
         "the dip at 14.2500 MHz: make the element 103.6% longer"},
        {"analyse @cap.s1p", 0, "Resonances (zeros of X): none"},
        {"analyse @cap.s1p --cable", 0, "no series resonance in the sweep"},
        // The settings' velocity factor and Step count.
        {"--settings @vf150.ini analyse @rlc.s1p --cable", 2,
         "InputVelFactor=150 gives a velocity factor of 1.5"},
        // The settings' factor printed as written there, not as single precision holds it.
        {"--settings @vf066.ini analyse @d.vec --cable", 0, "velocity factor 0.66: "},
        {"--settings @vf150.ini analyse @rlc.s1p --cable --velocity-factor 0.8", 0,
         "velocity factor 0.8"},
        {"--settings @step2.ini analyse @d.vec --json", 0, "\"points\": 201"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run(cli.words(QString::fromUtf8(c.arguments))), c.status) << c.arguments;
        const QString text = c.status == 0 ? cli.out() + cli.err() : cli.err();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.fragment))) << c.arguments << "\n"
                                                                  << text.toStdString();
    }
}

// The program itself, so that a command that opens a pipe fails here instead of hanging the
// suite: every command reads its input through the one reader that refuses a pipe, a folder or a
// device before it opens it.
TEST_F(AnalyseRun, NoCommandOpensAPipeOrADeviceGivenAsItsInput) {
    for (const char* pipe : {"pipe.vec", "pipe.s1p"}) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(cli.path(pipe)).constData(), 0600), 0);
    }
    ASSERT_TRUE(QDir(cli.path(".")).mkdir("folder.s1p"));
    ASSERT_TRUE(QFile::link("/dev/null", cli.path("null.vec")));
    const struct {
        const char* arguments;
        const char* fragment;
    } cases[] = {
        {"analyse @pipe.vec", "is a named pipe"},
        {"analyse @pipe.s1p --cable", "is a named pipe"},
        {"report @pipe.s1p --output @r.png", "is a named pipe"},
        {"report @null.vec --output @r.pdf", "is a character device"},
        {"analyse @folder.s1p", "is a folder"},
        {"readout @pipe.vec --at 14", "is a named pipe"},
        {"convert @null.vec @out.csv", "is a character device"},
    };
    for (const auto& c : cases) {
        QProcess process;
        process.start(RAVEMO_CLI, cli.words(QStringLiteral("--settings @ravemo.ini ") +
                                            QString::fromUtf8(c.arguments)));
        if (!process.waitForFinished(20'000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << c.arguments << " hung";
            continue;
        }
        EXPECT_EQ(process.exitCode(), 2) << c.arguments;
        EXPECT_TRUE(process.readAllStandardError().contains(c.fragment)) << c.arguments;
    }
    EXPECT_FALSE(QFile::exists(cli.path("r.png")));
}

TEST_F(AnalyseRun, NumbersFollowTheLocale) {
    CliRun german(kAnalyseSettings, QLocale(QLocale::German, QLocale::Germany));
    QFile::copy(cli.path("d.vec"), german.path("d.vec"));
    ASSERT_EQ(german.run({"analyse", german.path("d.vec"), "--target-mhz", "14.2"}), 0);
    EXPECT_TRUE(
        german.out().contains("Trim for 14,2000 MHz: the dip at 14,2000 MHz: no change needed"))
        << german.out().toStdString();
}

TEST_F(AnalyseRun, JsonHasExactlyTheDocumentedKeys) {
    ASSERT_EQ(cli.run(cli.words("analyse @d.vec --json --samples --target-mhz 14.2 --cable")), 0);
    const QJsonObject root = QJsonDocument::fromJson(cli.out().toUtf8()).object();
    EXPECT_EQ(root["points"].toInt(), 401);
    EXPECT_EQ(root["from_hz"].toDouble(), 10e6);
    EXPECT_EQ(root["reactance_sign"].toString(), "estimated");
    EXPECT_EQ(root["resonances"][0]["kind"].toString(), "series");
    // Each object's keys; of an array, its first element's.
    const std::pair<QJsonValue, QStringList> objects[] = {
        {root,
         {"bands", "cable", "dips", "from_hz", "lowest_swr_at_edge", "points", "reactance_sign",
          "reference_plane", "resonances", "samples", "source", "to_hz", "trim"}},
        {root["dips"][0],
         {"frequency_hz", "q", "return_loss_db", "rs_ohm", "swr", "swr_1_5", "swr_2", "xs_ohm",
          "xs_sign", "z_ohm"}},
        {root["dips"][0]["swr_2"], {"bandwidth_hz", "high_hz", "low_hz"}},
        {root["resonances"][0], {"frequency_hz", "kind", "rs_ohm", "xs_sign"}},
        {root["bands"][0],
         {"below_2_fraction", "covered_fraction", "high_hz", "low_hz", "min_swr", "min_swr_hz",
          "name"}},
        {root["trim"], {"advice", "basis", "dip_hz", "length_change_percent", "target_hz"}},
        {root["cable"], {"length_m", "quarter_wave_hz", "velocity_factor"}},
        {root["samples"][0], {"frequency_hz", "rs_ohm", "swr", "xs_ohm", "xs_sign", "z_ohm"}},
    };
    for (const auto& [object, keys] : objects) EXPECT_EQ(object.toObject().keys(), keys);

    // Through a feedline: the figures at the antenna, and the line with its loss at each dip.
    ASSERT_EQ(cli.run(cli.words("analyse @d.vec --json --feedline rg58:20")), 0);
    const QJsonObject fed = QJsonDocument::fromJson(cli.out().toUtf8()).object();
    EXPECT_EQ(fed["reference_plane"].toString(), "antenna");
    EXPECT_EQ(fed["feedline"].toObject().keys(),
              QStringList({"length_m", "loss_db_at_dips", "type", "unseen"}));
    EXPECT_EQ(fed["feedline"]["type"].toString(), "rg58");
    // 20 m of RG-58 near 14.2 MHz: (1.3875 sqrt(14.2) + 0.02125 x 14.2) / 5 = 1.11 dB.
    EXPECT_NEAR(fed["feedline"]["loss_db_at_dips"][0].toDouble(), 1.11, 0.01);
    // The cable's loss made the dip look better at the analyser than it is at the antenna.
    EXPECT_GT(fed["dips"][0]["swr"].toDouble(), root["dips"][0]["swr"].toDouble());

    // Without the options, nothing of theirs.
    ASSERT_EQ(cli.run(cli.words("analyse @d.vec --json")), 0);
    EXPECT_EQ(QJsonDocument::fromJson(cli.out().toUtf8()).object().keys(),
              QStringList({"bands", "dips", "from_hz", "lowest_swr_at_edge", "points",
                           "reactance_sign", "reference_plane", "resonances", "source", "to_hz"}));
    // Asked for but not to be had: null, not a missing key; a trim says why it has no advice.
    ASSERT_EQ(cli.run(cli.words("analyse @cap.s1p --json --target-mhz 14 --cable")), 0);
    const QJsonObject capacitor = QJsonDocument::fromJson(cli.out().toUtf8()).object();
    EXPECT_EQ(capacitor["reactance_sign"].toString(), "measured");
    EXPECT_EQ(capacitor["trim"]["basis"].toString(), "no_dip");
    EXPECT_TRUE(capacitor["trim"]["length_change_percent"].isNull());
    EXPECT_TRUE(capacitor["cable"].isNull());
    EXPECT_TRUE(capacitor["dips"].toArray().isEmpty());
}

}  // namespace
}  // namespace ravemo
