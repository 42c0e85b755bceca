#include <tuple>

#include <gtest/gtest.h>

#include <QHash>
#include <QTemporaryDir>

#include "startup/LoadSettings.h"
#include "support/FileBytes.h"

namespace ravemo {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
const QLocale kEgypt(QLocale::Arabic, QLocale::Egypt);  // decimal separator neither . nor ,

// Every key: FMax, FMin, Champ, Step, InputVelFactor, colorS1..6, Address1, Address2, Port.
auto Fields(const Settings& s) {
    return std::make_tuple(s.FMax, s.FMin, s.Champ, int{s.Step}, s.InputVelFactor, s.colorS1,
                           s.colorS2, s.colorS3, s.colorS4, s.colorS5, s.colorS6, int{s.Address1},
                           int{s.Address2}, s.Port);
}

class LoadSettingsTest : public ::testing::Test {
  protected:
    SettingsLoad load(const QByteArray& content, const QLocale& locale = kUnitedStates) {
        const QString path = folder_.filePath("ravemo.ini");
        EXPECT_TRUE(test::WriteFileBytes(path, content));
        return LoadSettings(path, locale);
    }

    QTemporaryDir folder_;
};

TEST_F(LoadSettingsTest, ReadsEveryKeyAndAMissingFileSectionOrKeyGivesTheDefault) {
    const SettingsLoad read = load(
        "[parameters]\nFMAX = 30000000\nfmin=1000000\nChamp=3000\nStep=2\n"
        "InputVelFactor=\"66\"\n"
        "[GRAF_PROP]\ncolorS1=255\ncolorS2=65280\ncolorS3=16711680\ncolorS4=16777215\n"
        "colorS5=1\ncolorS6=128\n"
        "[PORTSETTING]\nAddress1=888\nAddress2=-6144\nPort = \" ppdev:/dev/parport0 \"\n");
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(
        Fields(read.settings),
        std::make_tuple(30000000.0F, 1000000.0F, 3000, 2, 66.0F, 255.0F, 65280.0F, 16711680.0F,
                        16777215.0F, 1.0F, 128.0F, 888, -6144, QString("ppdev:/dev/parport0")));
    for (const SettingsLoad& result :
         {LoadSettings(folder_.filePath("absent.ini"), kEgypt),
          LoadSettings(folder_.filePath("absent.ini"), QLocale(QLocale::Persian, QLocale::Iran)),
          LoadSettings(QString(), kGerman), load("[OTHER]\nFMax=5\n[PARAMETERS]\nUnknown=1\n")}) {
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_EQ(Fields(result.settings),
                  std::make_tuple(10000.0F, 10000.0F, 6000, 1, 0.66F, 0.0F, 0.0F, 0.0F, 0.0F, 0.0F,
                                  0.0F, 0, 0, QString()));
    }
}

// The simulator's options follow ';', which starts a comment only at the start of a line.
TEST_F(LoadSettingsTest, PortKeepsTheSimulatorsOptionsWhole) {
    const QString port = QStringLiteral(
        "sim:dipole:7.1;line=rg58:20;noise=2;tracking=0.5:1.5;phase=3:2;directivity=30");
    const SettingsLoad read = load("[PORTSETTING]\nPort=" + port.toUtf8() + "\n");
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    EXPECT_EQ(read.settings.Port, port);
}

// Each row: a key's line, the locale, and the value it reads as (a float for every key) or a
// part of the message that refuses it, which names the key too.
TEST_F(LoadSettingsTest, ReadsEachValueAsTheProgramAlwaysHasOrRefusesIt) {
    const QByteArray fifty = "6.6" + QByteArray(47, '0');  // then junk: only 50 characters count
    const QLocale& us = kUnitedStates;
    const struct {
        QByteArray line;
        QLocale locale;
        float value;
        const char* refusal = nullptr;
    } cases[] = {
        // Frequencies round to the nearest single-precision number.
        {"FMax=30000001", us, 30000000.0F},
        {"FMax=2147483647", us, 2147483648.0F},
        // Integers: leading digits count, no leading digit reads 0, an empty value is the default.
        {"FMax=14200000Hz", us, 14200000.0F},
        {"FMin=abc", us, 0.0F},
        {"Champ=", us, 6000},
        {"Step=+3", us, 3},
        // The edges of each range, and beyond.
        {"Address1=32766", us, 32766},
        {"Address1=-32768", us, -32768},
        {"Address1=32767", us, 0, "-32768 to 32766"},  // the status register is at Address1 + 1
        {"Address2=32767", us, 32767},
        {"Address2=-32769", us, 0, "-32768 to 32767"},
        {"Champ=1", us, 1},
        {"Champ=10000000", us, 10000000},
        {"Champ=10000001", us, 0, "1 to 10000000"},
        {"Champ=abc", us, 0, "1 to 10000000"},
        {"Step=0", us, 0, "Step"},
        {"Step=32768", us, 0, "32768"},
        // Beyond 32 bits: refused instead of wrapping.
        {"colorS3=4294967297", us, 0, "4294967297"},
        {"FMin=-99999999999999999999", us, 0, "FMin"},
        // The velocity factor in the user's locale; a point is never a group separator.
        {"InputVelFactor=0,66", kGerman, 0.66F},
        {"InputVelFactor=0.66", kGerman, 0.66F},
        {"InputVelFactor=0.660", kGerman, 0.66F},
        {"InputVelFactor=0.8", us, 0.8F},
        {"InputVelFactor=0.8", kEgypt, 0.8F},
        {"InputVelFactor=" + fifty + "junk", us, 6.6F},
        {"InputVelFactor=", kGerman, 0, "0.66"},
        {"InputVelFactor=0.66x", kGerman, 0, "0.66"},
        {"InputVelFactor=1e300", kGerman, 0, "0.66"},
        {"InputVelFactor=1.000,5", kGerman, 0, "0.66"},
        {"InputVelFactor=1,000", us, 0, "0.66"},  // a comma groups here
    };
    for (const auto& c : cases) {
        const QByteArray key = c.line.left(c.line.indexOf('='));
        const QByteArray section = key.startsWith("Address") ? "[PORTSETTING]\n"
                                   : key.startsWith("color") ? "[GRAF_PROP]\n"
                                                             : "[PARAMETERS]\n";
        const SettingsLoad result = load(section + c.line + "\n", c.locale);
        if (c.refusal != nullptr) {
            EXPECT_TRUE(result.error.contains(key) && result.error.contains(c.refusal))
                << c.line.toStdString() << ": " << result.error.toStdString();
            continue;
        }
        ASSERT_TRUE(result.ok()) << c.line.toStdString() << result.error.toStdString();
        const Settings& s = result.settings;
        const QHash<QByteArray, float> values{{"FMax", s.FMax},
                                              {"FMin", s.FMin},
                                              {"Champ", float(s.Champ)},
                                              {"Step", s.Step},
                                              {"Address1", s.Address1},
                                              {"Address2", s.Address2},
                                              {"InputVelFactor", s.InputVelFactor}};
        EXPECT_EQ(values.value(key), c.value) << c.line.toStdString();
    }
    // The message names the file; the first refused key in the program's order stops the load.
    EXPECT_TRUE(load("[PORTSETTING]\nAddress1=40000\n").error.contains("ravemo.ini"));
    const QString first = load("[PARAMETERS]\nStep=0\nChamp=0\n").error;
    EXPECT_TRUE(first.contains("Champ") && !first.contains("Step")) << first.toStdString();
}

TEST_F(LoadSettingsTest, AFileThatCannotBeReadIsAnErrorNotSilentDefaults) {
    const QString huge = load(QByteArray(qsizetype{2} * 1024 * 1024, ' ')).error;
    EXPECT_TRUE(huge.contains("too large")) << huge.toStdString();
    EXPECT_TRUE(LoadSettings(folder_.path(), kUnitedStates).error.contains("folder"));
    EXPECT_TRUE(LoadSettings("/dev/zero", kUnitedStates).error.contains("character device"));
}

// Each file holds Champ=0 under [PARAMETERS]: only a file whose section was seen is refused.
TEST(LoadSettingsFiles, EveryEncodingAndLineEndIsReadAndTheShippedSampleLoads) {
    for (const char* name :
         {"settings-utf8-bom-latin1.ini", "settings-utf16le-bom.ini", "settings-utf16be-bom.ini",
          "settings-utf16le.ini", "settings-utf16be.ini", "settings-cr-only.ini"}) {
        const SettingsLoad result =
            LoadSettings(QStringLiteral(RAVEMO_SOURCE_DIR "/tests/data/") + name, kUnitedStates);
        EXPECT_TRUE(result.error.contains("\"0\" for Champ")) << name;
    }
    for (const QLocale& locale : {kGerman, kUnitedStates}) {
        const SettingsLoad result =
            LoadSettings(QStringLiteral(RAVEMO_SOURCE_DIR "/packaging/ravemo.ini"), locale);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
    }
}

}  // namespace
}  // namespace ravemo
