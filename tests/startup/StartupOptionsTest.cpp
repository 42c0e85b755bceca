#include <gtest/gtest.h>

#include "startup/StartupOptions.h"

namespace ravemo {
namespace {

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

}  // namespace
}  // namespace ravemo
