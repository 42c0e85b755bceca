#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "CliTestSupport.h"
#include "files/CsvExport.h"
#include "files/TableExport.h"
#include "files/TouchstoneExport.h"
#include "files/VecFile.h"
#include "instrument/PpdevPort.h"
#include "support/FakePortCalls.h"

namespace ravemo {
namespace {

VecFileContents Decode(const QByteArray& bytes, std::int32_t champ) {
    VecDecodeResult decoded = DecodeVecFile(bytes, champ);
    EXPECT_TRUE(decoded.contents.has_value()) << decoded.error.toStdString();
    return decoded.contents.value_or(VecFileContents{SweepData(champ), {}});
}

// The first tick already sweeps the requested range: index 0 at 1.8 MHz, 40 at 30 MHz, and the
// simulated dipole gives readings, not zeros. Each output format is its encoder's bytes.
TEST(CliSweep, WritesASweepFileOfTheSettingsGeometryAndConvertsIt) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "1.8", "--to", "30", "--output", cli.path("s.vec")}), 0)
        << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("swept 41 points (41 measured) from 1.8 to 30 MHz 1 time"))
        << cli.out().toStdString();
    const VecFileContents contents = Decode(cli.fileBytes("s.vec"), 40);
    EXPECT_EQ(cli.fileBytes("s.vec"), EncodeVecFile(contents.data, {1.8F, 30.0F}));
    EXPECT_NEAR(contents.data.DdsWords[0] / 23.86, 1.8e6, 1.0);
    EXPECT_NEAR(contents.data.DdsWords[40] / 23.86, 30e6, 10.0);
    EXPECT_GT(contents.data.ReturnLossSamples[20], 0.0F);
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const std::pair<const char*, QByteArray> outputs[] = {
        {"c.csv", EncodeCsvExport(contents.data, contents.limits, locale)},
        {"c.s1p", EncodeTouchstone(contents.data, 1)},
        {"c.tsv", EncodeSweepTable(contents.data, 1)},
        {"c.vec", cli.fileBytes("s.vec")},
    };
    for (const auto& [name, bytes] : outputs) {
        ASSERT_EQ(cli.run({"convert", cli.path("s.vec"), cli.path(name)}), 0) << name;
        EXPECT_EQ(cli.fileBytes(name), bytes) << name;
    }
    // The whole reachable range is measured.
    ASSERT_EQ(cli.run({"sweep", "--from", "0", "--to", "90.0035"}), 0) << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("swept 41 points (41 measured) from 0 to 90.0035 MHz"));
}

// The synthesiser clear comes first: 40 zero bits, then the update pulse, at Address1 888; then
// 20 status reads per point. Hold takes no readings.
TEST(CliSweep, TraceListsEveryPortAccessInOrderAndHoldReadsNothing) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "1", "--to", "30", "--trace", cli.path("t.txt")}), 0);
    const QStringList lines =
        QString::fromLatin1(cli.fileBytes("t.txt")).split('\n', Qt::SkipEmptyParts);
    QStringList clear;
    for (int bit = 0; bit < 40; ++bit)
        clear << "W 888 24"
              << "W 888 26";
    clear << "W 888 24"
          << "W 888 28"
          << "W 888 24"
          << "W 888 0";
    EXPECT_EQ(lines.mid(0, clear.size()), clear);
    EXPECT_EQ(lines.filter(QRegularExpression("^R 889 \\d+$")).size(), 41 * 20);
    EXPECT_EQ(lines.filter(QRegularExpression("^(W 888|R 889) \\d+$")).size(), lines.size());

    ASSERT_EQ(cli.run({"sweep", "--from", "1", "--to", "30", "--hold", "--trace", cli.path("t.txt"),
                       "--output", cli.path("h.vec")}),
              0);
    EXPECT_TRUE(cli.out().startsWith("swept 41 points (none measured: held)"));
    EXPECT_EQ(Decode(cli.fileBytes("h.vec"), 40).data.ReturnLossSamples,
              std::vector<float>(41, 0.0F));
    EXPECT_FALSE(cli.fileBytes("t.txt").contains("R "));
}

// An adapter unplugged after the port opened fails every status read: the zeros read are no
// measurement, so the sweep fails and the previous output stays. So does a trace that cannot
// be written.
TEST(CliSweep, FailedPortAccessesOrTraceFailTheSweepAndWriteNothing) {
    FakePortCalls kernel;
    CliRun cli(kSmallSweepSettings);
    cli.openPort = [&kernel](const QString&, std::int16_t address1) {
        PortOpening opening =
            PpdevPort::open("/dev/parport0", static_cast<std::uint16_t>(address1), kernel);
        OpenedPort opened;
        opened.port = std::move(opening.port);
        opened.description = opening.description;
        opened.simulated = false;
        return opened;
    };
    const QStringList sweep = {"sweep", "--from", "1", "--to", "30", "--output", cli.path("a.vec")};
    ASSERT_EQ(cli.run(sweep), 0) << cli.err().toStdString();
    EXPECT_TRUE(cli.out().contains("on the parallel port /dev/parport0 (0x378)"));
    const QByteArray measured = cli.fileBytes("a.vec");

    kernel.ioctlErrors[PPRSTATUS] = ENODEV;
    EXPECT_EQ(cli.run(sweep), 1);
    EXPECT_EQ(cli.err(),
              "ravemo-cli: 820 port accesses failed during the sweep: the readings are not a "
              "measurement and nothing was written; check the cable and the adapter\n");
    EXPECT_TRUE(cli.out().isEmpty());
    EXPECT_EQ(cli.fileBytes("a.vec"), measured);

    EXPECT_EQ(cli.run({"sweep", "--from", "1", "--to", "30", "--trace", "/dev/full"}), 1);
    EXPECT_TRUE(cli.err().contains("cannot write the trace"));
    EXPECT_TRUE(cli.out().isEmpty());
}

TEST(CliConvert, RefusesWhatIsNoSweepFileAndWritesNothing) {
    CliRun cli(kSmallSweepSettings);
    cli.writeFile("bad.vec", QByteArray(16 * 41 + 9, '\0'));
    const std::pair<QString, const char*> cases[] = {
        {cli.path("bad.vec"), "665 bytes"},
        {RAVEMO_SOURCE_DIR "/tests/data/sweep-nan-reading.vec",
         "return-loss reading at sample index 0 is not a number (nan)"},
        {cli.path("missing.vec"), "does not exist"},
        {"/dev/zero", "is a character device"},
    };
    for (const auto& [input, says] : cases) {
        EXPECT_EQ(cli.run({"convert", input, cli.path("out.s1p")}), 2) << says;
        EXPECT_TRUE(cli.err().contains(says)) << cli.err().toStdString();
        EXPECT_FALSE(QFile::exists(cli.path("out.s1p")));
    }
    EXPECT_FALSE(QFile::exists(cli.path("missing.vec")));
}

// A file of any point count is read by its size, whatever the settings' Champ.
TEST(CliConvert, ReadsAnyPointCountFromTheSize) {
    CliRun cli("[PARAMETERS]\nChamp=6000\n");
    SweepData data(3);
    data.DdsWords = {23.86e6, 2 * 23.86e6, 3 * 23.86e6, 4 * 23.86e6};
    data.PhaseSamples = {0, 10, 20, 30};
    cli.writeFile("four.vec", EncodeVecFile(data, {1.0F, 4.0F}));
    ASSERT_EQ(cli.run({"readout", cli.path("four.vec"), "--at", "2.9"}), 0)
        << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("frequency=3,000,000\n"));
    EXPECT_TRUE(cli.out().contains("phase=3.5\n"));  // 20 x 0.175
}

}  // namespace
}  // namespace ravemo
