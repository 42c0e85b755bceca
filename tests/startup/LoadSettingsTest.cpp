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
        QString path = folder_.filePath("ravemo.ini");
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

// Each row: a file, the locale, the key looked at and the value it must hold.
TEST_F(LoadSettingsTest, ReadsEachValueAsTheProgramAlwaysHas) {
    using Key = double (*)(const Settings&);
    const Key fMax = [](const Settings& s) { return double{s.FMax}; };
    const Key fMin = [](const Settings& s) { return double{s.FMin}; };
    const Key champ = [](const Settings& s) { return static_cast<double>(s.Champ); };
    const Key step = [](const Settings& s) { return static_cast<double>(s.Step); };
    const Key address1 = [](const Settings& s) { return static_cast<double>(s.Address1); };
    const Key address2 = [](const Settings& s) { return static_cast<double>(s.Address2); };
    const Key velocity = [](const Settings& s) { return double{s.InputVelFactor}; };
    const QByteArray fifty = "6.6" + QByteArray(47, '0');  // then junk: only 50 characters count
    const struct {
        QByteArray content;
        QLocale locale;
        Key key;
        double value;
    } cases[] = {
        // Frequencies round to the nearest single-precision number.
        {"[PARAMETERS]\nFMax=30000001\n", kUnitedStates, fMax, 30000000.0F},
        {"[PARAMETERS]\nFMin=16777217\n", kUnitedStates, fMin, 16777216.0F},
        {"[PARAMETERS]\nFMax=2147483647\n", kUnitedStates, fMax, 2147483648.0F},
        // Integers: leading digits count, no leading digit reads 0, an empty value is the default.
        {"[PARAMETERS]\nFMax=14200000Hz\n", kUnitedStates, fMax, 14200000.0F},
        {"[PARAMETERS]\nFMin=abc\n", kUnitedStates, fMin, 0.0},
        {"[PARAMETERS]\nChamp=\n", kUnitedStates, champ, 6000},
        {"[PARAMETERS]\nStep=+3\n", kUnitedStates, step, 3},
        {"[PORTSETTING]\nAddress1=0x378\n", kUnitedStates, address1, 0},
        {"[PORTSETTING]\nAddress2=-12\n", kUnitedStates, address2, -12},
        // The edges of each range.
        {"[PORTSETTING]\nAddress1=32766\n", kUnitedStates, address1, 32766},
        {"[PORTSETTING]\nAddress1=-32768\n", kUnitedStates, address1, -32768},
        {"[PORTSETTING]\nAddress2=32767\n", kUnitedStates, address2, 32767},
        {"[PARAMETERS]\nChamp=1\n", kUnitedStates, champ, 1},
        {"[PARAMETERS]\nChamp=10000000\n", kUnitedStates, champ, 10000000},
        // The velocity factor in the user's locale; a point is never a group separator.
        {"[PARAMETERS]\nInputVelFactor=0,66\n", kGerman, velocity, 0.66F},
        {"[PARAMETERS]\nInputVelFactor=0.66\n", kGerman, velocity, 0.66F},
        {"[PARAMETERS]\nInputVelFactor=0.660\n", kGerman, velocity, 0.66F},
        {"[PARAMETERS]\nInputVelFactor=66\n", kGerman, velocity, 66.0F},
        {"[PARAMETERS]\nInputVelFactor=0.8\n", kUnitedStates, velocity, 0.8F},
        {"[PARAMETERS]\nInputVelFactor=0.8\n", kEgypt, velocity, 0.8F},
        {"[PARAMETERS]\nInputVelFactor=" + fifty + "junk\n", kUnitedStates, velocity, 6.6F},
    };
    for (const auto& c : cases) {
        const SettingsLoad result = load(c.content, c.locale);
        ASSERT_TRUE(result.ok()) << c.content.toStdString() << result.error.toStdString();
        EXPECT_EQ(c.key(result.settings), c.value) << c.content.toStdString();
    }
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
        // A velocity factor that is no number in the user's locale (German here).
        {"[PARAMETERS]\nInputVelFactor=\n", {"InputVelFactor", "0.66"}},
        {"[PARAMETERS]\nInputVelFactor=\"\"\n", {"InputVelFactor", "0.66"}},
        {"[PARAMETERS]\nInputVelFactor=abc\n", {"InputVelFactor", "0.66"}},
        {"[PARAMETERS]\nInputVelFactor=0.66x\n", {"InputVelFactor", "0.66"}},
        {"[PARAMETERS]\nInputVelFactor=1e300\n", {"InputVelFactor", "0.66"}},
        {"[PARAMETERS]\nInputVelFactor=1.000,5\n", {"InputVelFactor", "0.66"}},
    };
    for (const auto& c : cases) {
        const SettingsLoad result = load(c.content, kGerman);
        EXPECT_FALSE(result.ok()) << c.content;
        for (const char* part : c.says) {
            EXPECT_TRUE(result.error.contains(part)) << c.content << " lacks " << part;
        }
    }
    // A comma is no decimal separator where the locale groups with it.
    EXPECT_FALSE(load("[PARAMETERS]\nInputVelFactor=1,000\n", kUnitedStates).ok());
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

TEST_F(LoadSettingsTest, FirstRefusedKeyStopsTheLoad) {
    const SettingsLoad result = load("[PARAMETERS]\nStep=0\nChamp=0\n");
    EXPECT_TRUE(result.error.contains("Champ"));
    EXPECT_FALSE(result.error.contains("Step"));
}

TEST_F(LoadSettingsTest, UnreadableFileIsAnErrorNotSilentDefaults) {
    const SettingsLoad folder = LoadSettings(folder_.path(), kUnitedStates);
    EXPECT_FALSE(folder.ok());
    EXPECT_TRUE(folder.error.contains("folder"));

    const SettingsLoad huge = load(QByteArray(qsizetype{2} * 1024 * 1024, ' '));
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
