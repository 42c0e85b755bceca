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
    return *decoded.contents;
}

TEST(CliSweep, WritesASweepFileOfTheSettingsGeometry) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "1.8", "--to", "30", "--output", cli.path("a.vec")}), 0)
        << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("swept 41 points (41 measured) from 1.8 to 30 MHz 1 time"))
        << cli.out().toStdString();
    const QByteArray bytes = cli.fileBytes("a.vec");
    ASSERT_EQ(bytes.size(), 16 * 41 + 8);
    const VecFileContents contents = Decode(bytes, 40);
    EXPECT_FLOAT_EQ(contents.limits.minMHz, 1.8F);
    EXPECT_FLOAT_EQ(contents.limits.maxMHz, 30.0F);
    // The first tick already sweeps the requested range: index 0 at 1.8 MHz, 40 at 30 MHz.
    EXPECT_NEAR(contents.data.DdsWords[0] / 23.86, 1.8e6, 1.0);
    EXPECT_NEAR(contents.data.DdsWords[40] / 23.86, 30e6, 10.0);
    // The simulated dipole gives readings, not zeros.
    double sum = 0;
    for (float r : contents.data.ReturnLossSamples) sum += r;
    EXPECT_GT(sum, 0.0);
}

TEST(CliSweep, HoldTakesNoReadings) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "1", "--to", "30", "--hold", "--trace", cli.path("t.txt"),
                       "--output", cli.path("h.vec")}),
              0);
    EXPECT_TRUE(cli.out().startsWith("swept 41 points (none measured: held)"));
    const VecFileContents contents = Decode(cli.fileBytes("h.vec"), 40);
    for (float r : contents.data.ReturnLossSamples) EXPECT_EQ(r, 0.0F);
    EXPECT_FALSE(cli.fileBytes("t.txt").contains("R "));
}

TEST(CliSweep, TraceListsEveryPortAccessInOrder) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "1", "--to", "30", "--trace", cli.path("t.txt")}), 0);
    const QStringList lines =
        QString::fromLatin1(cli.fileBytes("t.txt")).split('\n', Qt::SkipEmptyParts);
    // The synthesiser clear comes first: 40 zero bits, then the update pulse, at Address1 888.
    ASSERT_GT(lines.size(), 83);
    for (qsizetype bit = 0; bit < 40; ++bit) {
        EXPECT_EQ(lines[2 * bit], "W 888 24");
        EXPECT_EQ(lines[2 * bit + 1], "W 888 26");
    }
    EXPECT_EQ(lines[80], "W 888 24");
    EXPECT_EQ(lines[81], "W 888 28");
    EXPECT_EQ(lines[82], "W 888 24");
    EXPECT_EQ(lines[83], "W 888 0");  // the tick's first write
    const QRegularExpression format(QStringLiteral("^(W 888 \\d+|R 889 \\d+)$"));
    qsizetype reads = 0;
    for (const QString& line : lines) {
        ASSERT_TRUE(format.match(line).hasMatch()) << line.toStdString();
        reads += line.startsWith('R') ? 1 : 0;
    }
    EXPECT_EQ(reads, 41 * 20);  // 20 status reads per point
}

TEST(CliSweep, OutputsByExtensionMatchTheEncoders) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "3", "--to", "20", "--output", cli.path("s.vec")}), 0);
    const VecFileContents contents = Decode(cli.fileBytes("s.vec"), 40);
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    ASSERT_EQ(cli.run({"convert", cli.path("s.vec"), cli.path("s.csv")}), 0);
    EXPECT_EQ(cli.fileBytes("s.csv"), EncodeCsvExport(contents.data, contents.limits, locale));
    ASSERT_EQ(cli.run({"convert", cli.path("s.vec"), cli.path("s.s1p")}), 0);
    EXPECT_EQ(cli.fileBytes("s.s1p"), EncodeTouchstone(contents.data, 1));
    ASSERT_EQ(cli.run({"convert", cli.path("s.vec"), cli.path("s.tsv")}), 0);
    EXPECT_EQ(cli.fileBytes("s.tsv"), EncodeSweepTable(contents.data, 1));
    ASSERT_EQ(cli.run({"convert", cli.path("s.vec"), cli.path("copy.vec")}), 0);
    EXPECT_EQ(cli.fileBytes("copy.vec"), cli.fileBytes("s.vec"));
}

TEST(CliSweep, TheWholeReachableRangeIsMeasured) {
    CliRun cli(kSmallSweepSettings);
    ASSERT_EQ(cli.run({"sweep", "--from", "0", "--to", "90.0035"}), 0) << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("swept 41 points (41 measured) from 0 to 90.0035 MHz"));
}

TEST(CliSweep, ATraceThatCannotBeWrittenFails) {
    CliRun cli(kSmallSweepSettings);
    EXPECT_EQ(cli.run({"sweep", "--from", "1", "--to", "30", "--trace", "/dev/full"}), 1);
    EXPECT_TRUE(cli.err().contains("cannot write the trace"));
    EXPECT_TRUE(cli.out().isEmpty());
}

// An adapter unplugged after the port opened fails every status read: the zeros read are no
// measurement, so the sweep fails and the previous output stays.
TEST(CliSweep, FailedPortAccessesFailTheSweepAndWriteNothing) {
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
}

TEST(CliConvert, RefusesWhatIsNoSweepFileAndWritesNothing) {
    CliRun cli(kSmallSweepSettings);
    const auto fileOf = [&cli](const char* name, const QByteArray& bytes) {
        QFile file(cli.path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const struct {
        QString input;
        const char* says;
    } cases[] = {
        {fileOf("bad.vec", QByteArray(16 * 41 + 9, '\0')), "665 bytes"},
        {RAVEMO_SOURCE_DIR "/tests/data/sweep-nan-reading.vec",
         "return-loss reading at sample index 0 is not a number (nan)"},
        {cli.path("missing.vec"), "does not exist"},
        {"/dev/zero", "is a character device"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run({"convert", c.input, cli.path("out.s1p")}), 2) << c.says;
        EXPECT_TRUE(cli.err().contains(c.says)) << cli.err().toStdString();
        EXPECT_FALSE(QFile::exists(cli.path("out.s1p")));
    }
    EXPECT_FALSE(QFile::exists(cli.path("missing.vec")));
}

TEST(CliConvert, ReadsAnyPointCountFromTheSize) {
    CliRun cli("[PARAMETERS]\nChamp=6000\n");
    SweepData data(3);
    data.DdsWords = {23.86e6, 2 * 23.86e6, 3 * 23.86e6, 4 * 23.86e6};
    data.ReturnLossSamples = {0, 100, 200, 300};
    data.PhaseSamples = {0, 10, 20, 30};
    QFile file(cli.path("four.vec"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(EncodeVecFile(data, {1.0F, 4.0F}));
    file.close();
    ASSERT_EQ(cli.run({"readout", cli.path("four.vec"), "--at", "2.9"}), 0)
        << cli.err().toStdString();
    EXPECT_TRUE(cli.out().startsWith("frequency=3,000,000\n"));
    EXPECT_TRUE(cli.out().contains("phase=3.5\n"));  // 20 x 0.175
}

}  // namespace
}  // namespace ravemo
