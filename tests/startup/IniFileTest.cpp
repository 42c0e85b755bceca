#include <gtest/gtest.h>

#include "startup/IniFile.h"

namespace ravemo {
namespace {

TEST(IniFile, MatchesSectionsAndKeysWithoutRegardToCase) {
    const IniFile ini = IniFile::fromBytes("[Parameters]\r\nfmax=30000000\r\n");
    EXPECT_EQ(ini.value("PARAMETERS", "FMax"), "30000000");
    EXPECT_TRUE(ini.contains("parameters", "FMAX"));
    EXPECT_FALSE(ini.contains("GRAF_PROP", "FMax"));
}

TEST(IniFile, RemovesBlanksAndOnePairOfEnclosingQuotes) {
    const IniFile ini = IniFile::fromBytes(
        "  [ PARAMETERS ]  \n"
        "  InputVelFactor  =   \" 0.66 \"  \n"
        "Single='x'\n"
        "Double=\"\"a\"\"\n"
        "Unmatched=\"abc\n"
        "Inner=a \"b\" c\n");
    EXPECT_EQ(ini.value("PARAMETERS", "InputVelFactor"), " 0.66 ");
    EXPECT_EQ(ini.value("PARAMETERS", "Single"), "x");
    EXPECT_EQ(ini.value("PARAMETERS", "Double"), "\"a\"");
    EXPECT_EQ(ini.value("PARAMETERS", "Unmatched"), "\"abc");
    EXPECT_EQ(ini.value("PARAMETERS", "Inner"), "a \"b\" c");
}

TEST(IniFile, FirstOccurrenceWinsAcrossRepeatedSections) {
    const IniFile ini = IniFile::fromBytes(
        "[PARAMETERS]\nChamp=100\nChamp=200\n[GRAF_PROP]\ncolorS1=5\n"
        "[parameters]\nChamp=300\nStep=2\n");
    EXPECT_EQ(ini.value("PARAMETERS", "Champ"), "100");
    EXPECT_EQ(ini.value("PARAMETERS", "Step"), "2");
    EXPECT_EQ(ini.value("GRAF_PROP", "colorS1"), "5");
}

TEST(IniFile, IgnoresCommentsStrayLinesAndKeysBeforeAnySection) {
    const IniFile ini = IniFile::fromBytes(
        "FMax=1\n; [PARAMETERS]\n[PARAMETERS]\n;Champ=5\nno equals sign\n=7\nStep=3\n");
    EXPECT_FALSE(ini.contains("PARAMETERS", "FMax"));
    EXPECT_FALSE(ini.contains("PARAMETERS", "Champ"));
    EXPECT_FALSE(ini.contains("PARAMETERS", ""));
    EXPECT_EQ(ini.value("PARAMETERS", "Step"), "3");
    EXPECT_EQ(ini.value("PARAMETERS", "Missing", "fallback"), "fallback");
}

TEST(IniFile, ReadsUtf8WithByteOrderMarkAndFallsBackToLatin1) {
    const IniFile utf8 = IniFile::fromBytes("\xEF\xBB\xBF[PORTSETTING]\nPort=sim:\xC2\xB5\n");
    EXPECT_EQ(utf8.value("PORTSETTING", "Port"), QString::fromUtf8("sim:\xC2\xB5"));
    const IniFile latin1 = IniFile::fromBytes("[PORTSETTING]\nPort=sim:\xB5\n");
    EXPECT_EQ(latin1.value("PORTSETTING", "Port"), QString::fromUtf8("sim:\xC2\xB5"));
}

TEST(IniFile, EmptyOrGarbageBytesHoldNoKeys) {
    EXPECT_FALSE(IniFile::fromBytes("").contains("PARAMETERS", "FMax"));
    EXPECT_FALSE(IniFile::fromBytes(QByteArray("\0\0\xFF[", 4)).contains("PARAMETERS", "FMax"));
}

}  // namespace
}  // namespace ravemo
