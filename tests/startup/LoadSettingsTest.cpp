#include <vector>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "startup/LoadSettings.h"

namespace ravemo {
namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUnitedStates(QLocale::English, QLocale::UnitedStates);
// Decimal separator neither point nor comma.
const QLocale kEgypt(QLocale::Arabic, QLocale::Egypt);
const QLocale kSaudiArabia(QLocale::Arabic, QLocale::SaudiArabia);
const QLocale kIran(QLocale::Persian, QLocale::Iran);

class LoadSettingsTest : public ::testing::Test {
  protected:
    QString write(const QByteArray& content) {
        const QString path = folder_.filePath("ravemo.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }
    SettingsLoad load(const QByteArray& content, const QLocale& locale = kUnitedStates) {
        return LoadSettings(write(content), locale);
    }

    QTemporaryDir folder_;
};

void expectDefaults(const Settings& s) {
    EXPECT_EQ(s.FMax, 10000.0F);
    EXPECT_EQ(s.FMin, 10000.0F);
    EXPECT_EQ(s.Champ, 6000);
    EXPECT_EQ(s.Step, 1);
    for (float colour : {s.colorS1, s.colorS2, s.colorS3, s.colorS4, s.colorS5, s.colorS6}) {
        EXPECT_EQ(colour, 0.0F);
    }
    EXPECT_EQ(s.Address1, 0);
    EXPECT_EQ(s.Address2, 0);
    EXPECT_EQ(s.InputVelFactor, 0.66F);
    EXPECT_EQ(s.FullFMax, 0.0F);
    EXPECT_TRUE(s.Port.isEmpty());
}

TEST_F(LoadSettingsTest, MissingFileGivesEveryDefaultInAnyLocale) {
    for (const QLocale& locale : {kGerman, kUnitedStates, kEgypt, kSaudiArabia, kIran}) {
        const SettingsLoad result = LoadSettings(folder_.filePath("absent.ini"), locale);
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        expectDefaults(result.settings);
    }
    const SettingsLoad noPath = LoadSettings(QString(), kGerman);
    ASSERT_TRUE(noPath.ok());
    expectDefaults(noPath.settings);
}

TEST_F(LoadSettingsTest, MissingSectionsAndOtherKeysGiveDefaults) {
    const SettingsLoad result = load("[OTHER]\nFMax=5\n[PARAMETERS]\nUnknown=abc\n");
    ASSERT_TRUE(result.ok());
    expectDefaults(result.settings);
}

TEST_F(LoadSettingsTest, ReadsEveryKey) {
    const SettingsLoad result = load(
        "[parameters]\nFMAX = 30000000\nfmin=1000000\nChamp=3000\nStep=2\n"
        "InputVelFactor=\"66\"\n"
        "[GRAF_PROP]\ncolorS1=255\ncolorS2=65280\ncolorS3=16711680\ncolorS4=16777215\n"
        "colorS5=1\ncolorS6=128\n"
        "[PORTSETTING]\nAddress1=888\nAddress2=-6144\nPort = \" ppdev:/dev/parport0 \"\n");
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    const Settings& s = result.settings;
    EXPECT_EQ(s.FMax, 30000000.0F);
    EXPECT_EQ(s.FMin, 1000000.0F);
    EXPECT_EQ(s.Champ, 3000);
    EXPECT_EQ(s.Step, 2);
    EXPECT_EQ(s.InputVelFactor, 66.0F);
    EXPECT_EQ(s.colorS1, 255.0F);
    EXPECT_EQ(s.colorS2, 65280.0F);
    EXPECT_EQ(s.colorS3, 16711680.0F);
    EXPECT_EQ(s.colorS4, 16777215.0F);
    EXPECT_EQ(s.colorS5, 1.0F);
    EXPECT_EQ(s.colorS6, 128.0F);
    EXPECT_EQ(s.Address1, 888);
    EXPECT_EQ(s.Address2, -6144);
    EXPECT_EQ(s.Port, "ppdev:/dev/parport0");
}

TEST_F(LoadSettingsTest, FrequencyRoundsToTheNearestSingle) {
    const SettingsLoad result = load("[PARAMETERS]\nFMax=30000001\nFMin=16777217\n");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.settings.FMax, 30000000.0F);
    EXPECT_EQ(result.settings.FMin, 16777216.0F);
}

TEST_F(LoadSettingsTest, IntegersReadLikeTheWindowsProfileReader) {
    // Leading digits count; no leading digit reads 0; an empty value takes the default.
    const SettingsLoad result = load(
        "[PARAMETERS]\nFMax=14200000Hz\nFMin=abc\nChamp=\nStep=+3\n"
        "[PORTSETTING]\nAddress1=0x378\nAddress2=-12\n");
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.settings.FMax, 14200000.0F);
    EXPECT_EQ(result.settings.FMin, 0.0F);
    EXPECT_EQ(result.settings.Champ, 6000);
    EXPECT_EQ(result.settings.Step, 3);
    EXPECT_EQ(result.settings.Address1, 0);
    EXPECT_EQ(result.settings.Address2, -12);
}

TEST_F(LoadSettingsTest, RefusesValuesTheProgramCannotRunWithNamingKeyValueAndRange) {
    const struct {
        const char* content;
        std::vector<const char*> says;
    } cases[] = {
        {"[PORTSETTING]\nAddress1=40000\n", {"Address1", "40000", "-32768 to 32766", "ravemo.ini"}},
        // The status register is read at Address1 + 1, which must stay 16-bit too.
        {"[PORTSETTING]\nAddress1=32767\n", {"Address1", "32767"}},
        {"[PORTSETTING]\nAddress2=-32769\n", {"Address2", "-32768 to 32767"}},
        {"[PARAMETERS]\nStep=32768\n", {"Step"}},
        {"[PARAMETERS]\nStep=0\n", {"Step"}},
        {"[PARAMETERS]\nStep=-1\n", {"Step"}},
        {"[PARAMETERS]\nChamp=0\n", {"Champ", "1 to 10000000"}},
        {"[PARAMETERS]\nChamp=-5\n", {"Champ", "1 to 10000000"}},
        {"[PARAMETERS]\nChamp=10000001\n", {"Champ", "1 to 10000000"}},
        {"[PARAMETERS]\nChamp=abc\n", {"Champ", "1 to 10000000"}},
        // Beyond 32 bits: refused instead of wrapping.
        {"[GRAF_PROP]\ncolorS3=4294967297\n", {"colorS3", "4294967297"}},
        {"[PARAMETERS]\nFMin=-99999999999999999999\n", {"FMin"}},
    };
    for (const auto& c : cases) {
        const SettingsLoad result = load(c.content);
        EXPECT_FALSE(result.ok()) << c.content;
        for (const char* part : c.says) {
            EXPECT_TRUE(result.error.contains(part)) << c.content << " lacks " << part;
        }
    }
}

TEST_F(LoadSettingsTest, TakesTheEdgesOfEveryRange) {
    EXPECT_EQ(load("[PORTSETTING]\nAddress1=32766\n").settings.Address1, 32766);
    EXPECT_EQ(load("[PORTSETTING]\nAddress1=-32768\n").settings.Address1, -32768);
    EXPECT_EQ(load("[PORTSETTING]\nAddress2=32767\n").settings.Address2, 32767);
    EXPECT_EQ(load("[PARAMETERS]\nChamp=1\n").settings.Champ, 1);
    EXPECT_EQ(load("[PARAMETERS]\nChamp=10000000\n").settings.Champ, 10000000);
    EXPECT_EQ(load("[PARAMETERS]\nFMax=2147483647\n").settings.FMax, 2147483648.0F);
}

TEST_F(LoadSettingsTest, VelocityFactorReadsInTheUserLocale) {
    EXPECT_EQ(load("[PARAMETERS]\nInputVelFactor=0,66\n", kGerman).settings.InputVelFactor, 0.66F);
    EXPECT_EQ(load("[PARAMETERS]\nInputVelFactor=0.66\n", kGerman).settings.InputVelFactor, 0.66F);
    EXPECT_EQ(load("[PARAMETERS]\nInputVelFactor=0.8\n", kUnitedStates).settings.InputVelFactor,
              0.8F);
    EXPECT_EQ(load("[PARAMETERS]\nInputVelFactor=66\n", kGerman).settings.InputVelFactor, 66.0F);
    // A point is a decimal point, never a group separator.
    EXPECT_EQ(load("[PARAMETERS]\nInputVelFactor=0.660\n", kGerman).settings.InputVelFactor, 0.66F);
    EXPECT_EQ(load("[PARAMETERS]\nInputVelFactor=0.8\n", kEgypt).settings.InputVelFactor, 0.8F);
}

TEST_F(LoadSettingsTest, VelocityFactorThatIsNotANumberIsRefused) {
    for (const char* text : {"", "\"\"", "abc", "0.66x", "1e300", "1,000", "1.000,5"}) {
        const QLocale& locale = QByteArray(text).contains(',') ? kUnitedStates : kGerman;
        const SettingsLoad result =
            load(QByteArray("[PARAMETERS]\nInputVelFactor=") + text + "\n", locale);
        EXPECT_FALSE(result.ok()) << text;
        EXPECT_TRUE(result.error.contains("InputVelFactor")) << text;
        EXPECT_TRUE(result.error.contains("0.66")) << text;
    }
}

TEST_F(LoadSettingsTest, VelocityFactorIsCutToFiftyCharacters) {
    // 50 characters that read 6.6, then text that would make the whole value no number.
    const QByteArray fifty = "6.6" + QByteArray(47, '0');
    const SettingsLoad result =
        load("[PARAMETERS]\nInputVelFactor=" + fifty + "junk\n", kUnitedStates);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.settings.InputVelFactor, 6.6F);
}

TEST_F(LoadSettingsTest, FirstRefusedKeyStopsTheLoad) {
    const SettingsLoad result = load("[PARAMETERS]\nStep=0\nChamp=0\n");
    EXPECT_TRUE(result.error.contains("Champ"));
    EXPECT_FALSE(result.error.contains("Step"));
}

TEST_F(LoadSettingsTest, UnreadableFileIsAnErrorNotSilentDefaults) {
    const SettingsLoad folder = LoadSettings(folder_.path(), kUnitedStates);
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(folder.error.contains("folder"));

    const SettingsLoad huge = load(QByteArray(2 * 1024 * 1024, ' '));
    EXPECT_FALSE(huge.ok());
    EXPECT_TRUE(huge.error.contains("too large"));

    const SettingsLoad device = LoadSettings("/dev/zero", kUnitedStates);
    EXPECT_TRUE(device.error.contains("character device")) << device.error.toStdString();
}

TEST(LoadSettingsEncodings, EveryEncodingAndLineEndIsRead) {
    // Each file holds Champ=0 under [PARAMETERS]: only a file whose section was seen is refused.
    for (const char* name :
         {"settings-utf8-bom-latin1.ini", "settings-utf16le-bom.ini", "settings-utf16be-bom.ini",
          "settings-utf16le.ini", "settings-utf16be.ini", "settings-cr-only.ini"}) {
        const SettingsLoad result =
            LoadSettings(QStringLiteral(RAVEMO_SOURCE_DIR "/tests/data/") + name, kUnitedStates);
        EXPECT_FALSE(result.ok()) << name;
        EXPECT_TRUE(result.error.contains("\"0\" for Champ")) << name;
    }
}

TEST(LoadSettingsSample, TheShippedSampleFileLoads) {
    const QString sample = QStringLiteral(RAVEMO_SOURCE_DIR "/packaging/ravemo.ini");
    ASSERT_TRUE(QFileInfo::exists(sample)) << sample.toStdString();
    for (const QLocale& locale : {kGerman, kUnitedStates}) {
        const SettingsLoad result = LoadSettings(sample, locale);
        ASSERT_TRUE(result.ok()) << result.error.toStdString();
        EXPECT_GE(result.settings.Champ, 1);
        EXPECT_GE(result.settings.Step, 1);
    }
}

}  // namespace
}  // namespace ravemo
