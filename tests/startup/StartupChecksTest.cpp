#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "startup/ScreenCheck.h"
#include "startup/SettingsLocation.h"
#include "startup/StartupOptions.h"

namespace ravemo {
namespace {

TEST(SettingsLocation, BesideTheProgramElseTheConfigFolderElseTheInstalledSampleUnlessNamed) {
    const QTemporaryDir root;
    const QString program = root.filePath("bin");
    const QString config = root.filePath("config");
    const QString inConfig = config + "/ravemo/ravemo.ini";
    QDir().mkpath(program + "/ravemo.ini");  // a folder is not the settings file
    EXPECT_EQ(FindSettingsFile(program, config, QString()).path, inConfig);
    const QString sample = root.filePath("share/ravemo/ravemo.ini");
    QDir().mkpath(sample);  // nor here
    EXPECT_EQ(FindSettingsFile(program, config, QString()).path, inConfig);
    QDir(root.filePath("share/ravemo")).rmdir("ravemo.ini");
    ASSERT_TRUE(QFile(sample).open(QIODevice::WriteOnly));
    EXPECT_EQ(FindSettingsFile(program, config, QString()).path, sample);
    EXPECT_TRUE(FindSettingsFile(program, config, QString()).installedSample);
    QDir().mkpath(config + "/ravemo");
    ASSERT_TRUE(QFile(inConfig).open(QIODevice::WriteOnly));
    EXPECT_EQ(FindSettingsFile(program, config, QString()).path, inConfig);
    QDir(program).rmdir("ravemo.ini");
    ASSERT_TRUE(QFile(program + "/ravemo.ini").open(QIODevice::WriteOnly));
    const SettingsLocation beside = FindSettingsFile(program, config, QString());
    EXPECT_EQ(beside.path, program + "/ravemo.ini");
    EXPECT_TRUE(beside.problem.isEmpty());
    // A named file wins and must exist.
    EXPECT_EQ(FindSettingsFile(program, config, inConfig).path, inConfig);
    const SettingsLocation missing = FindSettingsFile(program, config, root.filePath("typo.ini"));
    EXPECT_EQ(missing.path, root.filePath("typo.ini"));
    EXPECT_TRUE(missing.problem.contains("typo.ini"));
    EXPECT_TRUE(missing.problem.contains("does not exist"));
}

StartupOptions Parse(const QStringList& rest) {
    return ParseStartupOptions(QStringList{"ravemo"} + rest);
}

TEST(StartupOptions, ReadsEveryOption) {
    EXPECT_FALSE(Parse({}).noSplash || Parse({}).openTuning);
    const StartupOptions all = Parse({"--settings", "/tmp/x.ini", "--no-splash", "--port",
                                      "sim:short", "--version", "--tuning"});
    EXPECT_TRUE(all.error.isEmpty());
    EXPECT_EQ(all.settingsPath, "/tmp/x.ini");
    EXPECT_EQ(all.portChoice, "sim:short");
    EXPECT_TRUE(all.noSplash && all.showVersion && all.openTuning);
    EXPECT_TRUE(Parse({"--help"}).showHelp);
    EXPECT_TRUE(Parse({"--help"}).helpText.startsWith("Usage: ravemo "));
}

// The program's own refusals at start are checked whole by startup/app/refusals.sh.
TEST(StartupOptions, APortChoiceNeedsAWord) {
    EXPECT_FALSE(Parse({"--port"}).error.isEmpty());
    EXPECT_FALSE(Parse({"--port", " "}).error.isEmpty());
}

// The warning needs both sizes below 12000 x 9000 twips; no DPI reported counts as 96.
TEST(ScreenCheck, WarnsOnlyWhenBothSizesAreBelowTheirLimits) {
    const struct {
        int width;
        int height;
        double dpi;
        bool warns;
    } cases[] = {
        {800, 600, 96.0, false},  // exactly the limits
        {799, 599, 96.0, true},   // both below
        {640, 600, 96.0, false},  // narrow but tall enough
        {800, 480, 96.0, false},  // wide enough but low
        {800, 600, 120.0, true},  // 9600 x 7200 twips
        {800, 600, 0.0, false},   // no DPI: 96
        {799, 599, -1.0, true},   // no DPI: 96
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScreenWarningNeeded(c.width, c.height, c.dpi), c.warns)
            << c.width << " " << c.dpi;
    }
}

}  // namespace
}  // namespace ravemo
