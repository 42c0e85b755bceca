#include <gtest/gtest.h>
#include <QProcess>

#include "CliTestSupport.h"

namespace ravemo {
namespace {

TEST(CliCommands, HelpAndVersionSucceedOnEveryLevel) {
    CliRun cli("");
    EXPECT_EQ(cli.run({"--version"}), 0);
    for (const char* command : {"--help", "settings", "sweep", "convert", "readout"}) {
        EXPECT_EQ(cli.run({command, "--help"}), 0) << command;
        EXPECT_TRUE(cli.out().startsWith("Usage: ravemo-cli")) << command;
    }
}

// Output that cannot be written fails the command, with the reason on stderr; a command that
// failed already keeps its own status.
TEST(CliCommands, OutputThatCannotBeWrittenFailsTheCommand) {
    CliRun cli(QString::fromLatin1(kSmallSweepSettings));
    cli.outputFails = true;
    const struct {
        const char* arguments;
        int status;
    } cases[] = {{"--version", 1},
                 {"readout --rl 171 --phase 514 --freq 14000000", 1},
                 {"settings", 1},
                 {"readout --rl 171", 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(cli.run(cli.words(QString::fromLatin1(c.arguments))), c.status) << c.arguments;
        EXPECT_TRUE(cli.err().contains("cannot write the output: No space left on device") ||
                    c.status == 2)
            << c.arguments << cli.err().toStdString();
    }
    // The program itself, its standard output on a full device.
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(RAVEMO_CLI, {"readout", "--rl", "171", "--phase", "514", "--freq", "14000000"});
    ASSERT_TRUE(process.waitForFinished(20'000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError(),
              "ravemo-cli: cannot write the output: No space left on device\n");
}

TEST(CliCommands, TheCommandNameSkipsTheSettingsOption) {
    const std::pair<QStringList, QString> cases[] = {
        {{"report", "f.vec"}, "report"},
        {{"--settings", "report", "analyse"}, "analyse"},
        {{"--settings=x.ini", "report"}, "report"},
        {{"--settings"}, ""},
        {{}, ""},
    };
    for (const auto& [arguments, name] : cases) {
        EXPECT_EQ(CliCommandName(arguments), name) << arguments.join(' ').toStdString();
    }
}

TEST(CliCommands, BadArgumentsGiveStatusTwoOneLineAndNoFile) {
    CliRun cli(kSmallSweepSettings);
    EXPECT_EQ(cli.run({}), 2);
    EXPECT_TRUE(cli.err().contains("no command given"));  // and the usage
    const struct {
        const char* arguments;  // as CliRun::words reads it
        const char* message;
    } cases[] = {
        {"frobnicate", "unknown command \"frobnicate\""},
        {"--settings", "option --settings needs a file"},
        {"--settings= settings", "--settings needs a file name"},
        {"sweep --from 1", "sweep needs --from MHZ and --to MHZ"},
        {"sweep --from 1,5 --to 3", "point as decimal separator"},
        {"sweep --from 1e400 --to 3", "--from 1e400 is out of range"},
        {"sweep --from 1 --to 3 --bogus", "unknown option --bogus"},
        {"sweep --from 1 --to 3 --sweeps 0", "--sweeps takes a whole number"},
        {"sweep --from 1 --to 3 --sweeps 2.5", "--sweeps takes a whole number"},
        {"sweep --from 5 --to 5 --output @z.vec", "must differ"},
        {"sweep --from 1 --to 110 --output @z.vec",
         "--to 110 is beyond the synthesiser's range: give a frequency from 0 to 90.0035 MHz"},
        {"sweep --from -0.5 --to 30", "--from -0.5 is beyond"},
        {"sweep --from 1 --to 3 --trace @t.txt --output @x.doc", "must be .vec"},
        {"sweep --from 1 --to 3 --hold --output @h.s1p", "--hold takes no readings"},
        {"sweep --from 1 --to 3 --port serial", "unknown port choice 'serial'"},
        {"sweep --from 1 --to 3 --port sim:rlc:l=1e400", "rlc part 'l=1e400' is out of range"},
        {"readout --rl 100", "readout needs --rl R --phase P --freq HZ"},
        {"readout --rl 1024 --phase 0 --freq 1",
         "--rl takes a raw converter reading from 0 to 1023"},
        {"readout --rl 0 --phase -1 --freq 1", "--phase takes a raw"},
        {"readout --rl 0 --phase 0 --freq -1",
         "--freq takes a frequency from 0 to 90003500 Hz (the synthesiser's range), not -1"},
        {"readout --rl 0 --phase 0 --freq 1e300", "not 1e300"},
        {"readout --rl 0 --phase 0 --freq 1 --offset 1e300",
         "--offset takes a return-loss offset from -100 to 100 dB, not 1e300"},
        {"readout --rl 0 --phase 0 --freq 1 --offset -101", "not -101"},
        {"readout --rl 0 --phase 0 --freq 1e999", "--freq 1e999 is out of range"},
        {"readout --rl 0 --phase 0 --freq nan", "--freq takes a number"},
        {"readout @x.vec --at -2", "--at takes a frequency from 0 to 90.0035 MHz, not -2"},
    };
    for (const auto& c : cases) {
        const QStringList arguments = cli.words(QString::fromUtf8(c.arguments));
        const std::string label = arguments.join(' ').toStdString();
        EXPECT_EQ(cli.run(arguments), 2) << label;
        EXPECT_TRUE(cli.err().contains(QString::fromUtf8(c.message)))
            << label << ": " << cli.err().toStdString();
        EXPECT_EQ(cli.err().count('\n'), 1) << label;
        EXPECT_TRUE(cli.out().isEmpty()) << label;
        EXPECT_EQ(QDir(cli.path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"ravemo.ini"})
            << label;
    }
}

TEST(CliCommands, SettingsPrintsEveryKeyInOrder) {
    CliRun cli(
        "[parameters]\nFMax=30000001\nChamp=100\nStep=2\nInputVelFactor=0.5\n"
        "[GRAF_PROP]\ncolorS2=255\ncolorS6=16777215\n[PORTSETTING]\nAddress1=888\n");
    ASSERT_EQ(cli.run({"settings"}), 0) << cli.err().toStdString();
    // Whole numbers print in full: the single-precision value, not seven digits of it.
    EXPECT_EQ(cli.out(),
              "FMax=30000000\nFMin=10000\nChamp=100\nStep=2\ncolorS1=0\ncolorS2=255\n"
              "colorS3=0\ncolorS4=0\ncolorS5=0\ncolorS6=16777215\nAddress1=888\nAddress2=0\n"
              "InputVelFactor=0.5\n");
}

TEST(CliCommands, SettingsFollowTheLocaleAndTheOverrideAndRefusalsGiveTheMessage) {
    CliRun cli("[PARAMETERS]\nInputVelFactor=0,25\n", QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(cli.run({"settings"}), 0);
    EXPECT_TRUE(cli.out().endsWith("InputVelFactor=0,25\n"));
    cli.writeFile("other.ini", "[PARAMETERS]\nChamp=0\n");
    EXPECT_EQ(cli.run({"--settings", cli.path("other.ini"), "settings"}), 2);
    EXPECT_TRUE(cli.err().contains("Champ"));
    EXPECT_TRUE(cli.out().isEmpty());
    EXPECT_EQ(cli.run({"--settings", cli.path("missing.ini"), "settings"}), 2);
}

// The marker boxes' examples (the readings themselves are tested in MarkerReadoutsTest): here
// the keys, the locale's separators and the no-number mark.
TEST(CliCommands, ReadoutPrintsWhatTheMarkerBoxesShow) {
    const QLocale de(QLocale::German, QLocale::Germany);
    const struct {
        QLocale locale;
        const char* arguments;  // after "readout"
        QString output;
    } cases[] = {
        {QLocale::c(), "--rl 171 --phase 514 --freq 14000000",
         "frequency=14,000,000\nswr=1.22\nphase=89.95\nreturn_loss=-19.98\nxs=9.94\n"
         "rs=49.02\nz=50.02\nl=0.11\nc=1144.26\n"},
        {de, "--rl 700 --phase 300 --freq 7050000",
         "frequency=7.050.000\nswr=1,78\nphase=52,5\nreturn_loss=11,02\nxs=30,29\n"
         "rs=62,52\nz=69,47\nl=0,68\nc=745,68\n"},
        {QLocale::c(), "--rl 853 --phase 514 --freq 14000000 --offset 1.5",
         "frequency=14,000,000\nswr=1.27\nphase=89.95\nreturn_loss=18.49\nxs=11.75\n"},
        {QLocale::c(), "--rl 200 --phase 300 --freq 0", QStringLiteral("c=\u2014\n")},
        // The ends of the ranges.
        {QLocale::c(), "--rl 1023 --phase 0 --freq 90003500 --offset -100",
         "frequency=90,003,500\n"},
    };
    for (const auto& c : cases) {
        CliRun cli("", c.locale);
        ASSERT_EQ(cli.run(cli.words(QStringLiteral("readout ") + c.arguments)), 0)
            << cli.err().toStdString();
        EXPECT_TRUE(cli.out().startsWith(c.output) || cli.out().endsWith(c.output))
            << cli.out().toStdString();
        EXPECT_FALSE(cli.out().contains("inf") || cli.out().contains("nan"));
    }
}

}  // namespace
}  // namespace ravemo
