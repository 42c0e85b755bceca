#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CliTestSupport.h"
#include "analysis/SimulatedSweep.h"

namespace ravemo {
namespace {

const char kAnalyseSettings[] =
    "[PARAMETERS]\nChamp=400\nStep=1\nInputVelFactor=66\n[PORTSETTING]\nAddress1=888\n";

// A run with a swept dipole (d.vec), Touchstone files of a series RLC (rlc.s1p) and of a
// capacitor (cap.s1p), a sweep file that was never swept (empty.vec), a file of neither kind,
// and two other settings files.
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
        {"analyse @d.vec --swr-limit 1", 2, "--swr-limit takes an SWR above 1"},
        {"analyse @d.vec --dips 1.5", 2, "--dips takes a whole number"},
        {"analyse @d.vec --region 4", 2, "--region takes the IARU region 1, 2 or 3"},
        {"analyse @d.vec --target-mhz 0", 2, "--target-mhz takes a frequency"},
        {"analyse @d.vec --velocity-factor 0.66", 2, "--velocity-factor goes with --cable"},
        {"analyse @d.vec --cable --velocity-factor 66", 2, "66 is outside 0 < VF <= 1"},
        {"analyse @missing.vec", 2, "missing.vec: no such file"},
        {"analyse @odd.vec", 2, "is not a sweep file"},
        {"analyse @empty.vec", 2, "holds 0 measured point(s)"},
        {"analyse @CliTestSupport.h", 2, "reads a sweep file (.vec) or a one-port"},
        {"analyse @d.vec --target-mhz 14", 0,
         "Trim for 14.0000 MHz: the dip at 14.2000 MHz: make the element 1.4% longer"},
        {"analyse @d.vec --target-mhz 1e9", 2,
         "--target-mhz takes a frequency from 0.001 to 90.0035"},
        {"analyse @d.vec", 0, "X (est.) "},
        {"analyse @d.vec", 0, "  20m (14.0000 MHz to 14.3500 MHz): lowest SWR 1.4"},
        {"analyse @d.vec --cable", 0, "Cable open at its far end, velocity factor 0.66: "},
        {"analyse @d.vec --samples", 0, "MHz\tSWR\tRs (ohm)\tX (est.) (ohm)\t|Z| (ohm)\n10\t"},
        {"analyse @rlc.s1p --dips 0", 0, "SWR dips below 2: none"},
        {"analyse @rlc.s1p", 0, "reactance is measured"},
        {"analyse @rlc.s1p --target-mhz 7", 0,
         "the dip at 14.2500 MHz: make the element 103.6% longer"},
        {"analyse @cap.s1p", 0, "Resonances (zeros of X): none"},
        {"analyse @cap.s1p --cable", 0, "no series resonance in the sweep"},
        // The settings' velocity factor and Step count.
        {"--settings @vf150.ini analyse @rlc.s1p --cable", 2,
         "InputVelFactor=150 gives a velocity factor of 1.5"},
        {"--settings @vf150.ini analyse @rlc.s1p --cable --velocity-factor 0.8", 0,
         "velocity factor 0.8"},
        {"--settings @step2.ini analyse @d.vec --json", 0, "\"points\": 201"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run(cli.words(QString::fromUtf8(c.arguments))), c.status) << c.arguments;
        const QString& text = c.status == 0 ? cli.out() : cli.err();
        EXPECT_TRUE(text.contains(QString::fromUtf8(c.fragment))) << c.arguments << "\n"
                                                                  << text.toStdString();
    }
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
          "resonances", "samples", "source", "to_hz", "trim"}},
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

    // Without the options, nothing of theirs.
    ASSERT_EQ(cli.run(cli.words("analyse @d.vec --json")), 0);
    EXPECT_EQ(QJsonDocument::fromJson(cli.out().toUtf8()).object().keys(),
              QStringList({"bands", "dips", "from_hz", "lowest_swr_at_edge", "points",
                           "reactance_sign", "resonances", "source", "to_hz"}));
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
