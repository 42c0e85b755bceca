#include <gtest/gtest.h>

#include "startup/StartupOptions.h"

namespace ravemo {
namespace {

StartupOptions parse(const QStringList& rest) {
    return ParseStartupOptions(QStringList{"ravemo"} + rest);
}

TEST(StartupOptions, NoArgumentsMeanTheUsualStart) {
    const StartupOptions options = parse({});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_FALSE(options.showHelp || options.showVersion || options.noSplash || options.openTuning);
    EXPECT_TRUE(options.settingsPath.isEmpty());
    EXPECT_TRUE(options.portChoice.isEmpty());
}

TEST(StartupOptions, ReadsEveryOption) {
    const StartupOptions options = parse({"--settings", "/tmp/x.ini", "--no-splash", "--port",
                                          "sim:short", "--version", "--tuning"});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_EQ(options.settingsPath, "/tmp/x.ini");
    EXPECT_TRUE(options.noSplash);
    EXPECT_EQ(options.portChoice, "sim:short");
    EXPECT_TRUE(options.showVersion);
    EXPECT_TRUE(options.openTuning);
    EXPECT_TRUE(parse({"--help"}).showHelp);
    EXPECT_TRUE(parse({"--help"}).helpText.contains("--port"));
    EXPECT_TRUE(parse({"--help"}).helpText.startsWith("Usage: ravemo "));
}

TEST(StartupOptions, ReportsMistakes) {
    EXPECT_FALSE(parse({"--bogus"}).error.isEmpty());
    EXPECT_FALSE(parse({"--port"}).error.isEmpty());
    EXPECT_FALSE(parse({"--port", " "}).error.isEmpty());
    EXPECT_FALSE(parse({"--settings", ""}).error.isEmpty());
    EXPECT_TRUE(parse({"stray"}).error.contains("stray"));
}

}  // namespace
}  // namespace ravemo
