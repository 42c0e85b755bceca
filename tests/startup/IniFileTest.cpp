#include <gtest/gtest.h>

#include "startup/IniFile.h"

namespace ravemo {
namespace {

// Each row: the file's bytes, a section and key looked up, and the value found (none: absent).
TEST(IniFile, FindsValuesAsTheProgramAlwaysHas) {
    const QByteArray repeated =
        "[PARAMETERS]\nChamp=100\nChamp=200\n[GRAF_PROP]\ncolorS1=5\n[parameters]\nChamp=300\n"
        "Step=2\n";
    const QByteArray strays =
        "FMax=1\n; [PARAMETERS]\n[PARAMETERS]\n;Champ=5\nno equals\n=7\nStep=3\n";
    const struct {
        QByteArray bytes;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"[Parameters]\r\nfmax=30000000\r\n", "GRAF_PROP", "FMax", nullptr},
        // Blanks and one pair of enclosing quotes go.
        {"  [ PARAMETERS ]  \n  InputVelFactor  =   \" 0.66 \"  \n", "PARAMETERS", "InputVelFactor",
         " 0.66 "},
        {"[P]\nSingle='x'\n", "P", "Single", "x"},
        {"[P]\nDouble=\"\"a\"\"\n", "P", "Double", "\"a\""},
        {"[P]\nUnmatched=\"abc\n", "P", "Unmatched", "\"abc"},
        {"[P]\nInner=a \"b\" c\n", "P", "Inner", "a \"b\" c"},
        // The first occurrence wins across repeated sections.
        {repeated, "PARAMETERS", "Champ", "100"},
        {repeated, "PARAMETERS", "Step", "2"},
        {repeated, "GRAF_PROP", "colorS1", "5"},
        // Comments, stray lines and keys before any section hold nothing.
        {strays, "PARAMETERS", "FMax", nullptr},
        {strays, "PARAMETERS", "Champ", nullptr},
        {strays, "PARAMETERS", "", nullptr},
        {strays, "PARAMETERS", "Step", "3"},
        // UTF-8 with a byte order mark, else Latin-1.
        {"\xEF\xBB\xBF[PORTSETTING]\nPort=sim:\xC2\xB5\n", "PORTSETTING", "Port", "sim:\xC2\xB5"},
        {"[PORTSETTING]\nPort=sim:\xB5\n", "PORTSETTING", "Port", "sim:\xC2\xB5"},
        {QByteArray("\0\0\xFF[", 4), "PARAMETERS", "FMax", nullptr},
    };
    for (const auto& c : cases) {
        const IniFile ini = IniFile::fromBytes(c.bytes);
        EXPECT_EQ(ini.contains(c.section, c.key), c.value != nullptr) << c.bytes.toStdString();
        if (c.value != nullptr) {
            EXPECT_EQ(ini.value(c.section, c.key), QString::fromUtf8(c.value)) << c.key;
        }
    }
    EXPECT_EQ(IniFile::fromBytes(strays).value("PARAMETERS", "Champ", "fallback"), "fallback");
}

}  // namespace
}  // namespace ravemo
