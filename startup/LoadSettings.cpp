#include "startup/LoadSettings.h"

#include <cmath>
#include <limits>
#include <optional>

#include <QDir>

#include "common/BoundedFileRead.h"
#include "common/NumberText.h"
#include "startup/IniFile.h"
#include "startup/ProfileInteger.h"

namespace ravemo {
namespace {

// A settings file is a few hundred bytes; anything this large was named by mistake.
constexpr qint64 kLargestSettingsFileBytes = 1024 * 1024;

constexpr std::int64_t kInt16Min = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

const QString kParameters = QStringLiteral("PARAMETERS");
const QString kGraphProperties = QStringLiteral("GRAF_PROP");
const QString kPortSetting = QStringLiteral("PORTSETTING");

constexpr std::int64_t kFrequencyDefaultHz = 10000;
constexpr std::int64_t kChampDefault = 6000;
constexpr std::int64_t kStepDefault = 1;
// A number, never text: read in the user's locale "0.66" would fail where the decimal mark
// is not the point.
constexpr float kVelocityFactorDefault = 0.66F;

// Reads the keys in order; the first refused value stops the load with its message.
class SettingsReader {
  public:
    SettingsReader(const IniFile& ini, const QString& path) : ini_(ini), path_(path) {}

    const QString& error() const { return error_; }

    // An integer key within [low, high]; `allowed` says what is allowed, for the message.
    std::optional<std::int64_t> integer(const QString& section, const QString& key,
                                        std::int64_t fallback, std::int64_t low, std::int64_t high,
                                        const QString& allowed) {
        if (!error_.isEmpty()) return std::nullopt;
        const QString text = ini_.value(section, key);
        if (text.isEmpty()) return fallback;
        const std::int64_t value = ProfileIntegerValue(text);
        if (value < low || value > high) {
            refuse(section, key, text, allowed);
            return std::nullopt;
        }
        return value;
    }

    std::optional<std::int64_t> int32(const QString& section, const QString& key,
                                      std::int64_t fallback) {
        return integer(section, key, fallback, kInt32Min, kInt32Max,
                       QStringLiteral("a whole number from -2147483648 to 2147483647"));
    }

    bool has(const QString& section, const QString& key) const {
        return ini_.contains(section, key);
    }

    QString text(const QString& section, const QString& key, const QString& fallback) const {
        return ini_.value(section, key, fallback);
    }

    void refuse(const QString& section, const QString& key, const QString& value,
                const QString& allowed) {
        error_ = QStringLiteral(
                     "The settings file %1 has the value \"%2\" for %3 in section [%4], which "
                     "the program cannot use.\n\nAllowed is %5.\n\nCorrect the value, or "
                     "remove the line to use the default, and start the program again.")
                     .arg(QDir::toNativeSeparators(path_), value, key, section, allowed);
    }

  private:
    const IniFile& ini_;
    QString path_;
    QString error_;
};

}  // namespace

SettingsLoad LoadSettings(const QString& path, const QLocale& locale) {
    SettingsLoad load;
    IniFile ini;
    if (!path.isEmpty()) {
        const BoundedFileRead read =
            ReadBoundedFile(path, kLargestSettingsFileBytes, QStringLiteral("settings file"));
        if (read.bytes) {
            ini = IniFile::fromBytes(*read.bytes);
        } else if (!read.missing) {
            load.error = read.error + QStringLiteral(
                                          "\n\nCorrect or remove the file and start the "
                                          "program again.");
            return load;
        }
    }

    SettingsReader reader(ini, path);
    Settings& s = load.settings;
    // Integers become single precision rounded to the nearest float (30000001 -> 30000000).
    if (const auto v = reader.int32(kParameters, QStringLiteral("FMax"), kFrequencyDefaultHz)) {
        s.FMax = static_cast<float>(*v);
    }
    if (const auto v = reader.int32(kParameters, QStringLiteral("FMin"), kFrequencyDefaultHz)) {
        s.FMin = static_cast<float>(*v);
    }
    if (const auto v =
            reader.integer(kParameters, QStringLiteral("Champ"), kChampDefault, 1, kChampMaximum,
                           QStringLiteral("a whole number from 1 to %1 (the highest sample "
                                          "index; the sweep has that many points plus one)")
                               .arg(kChampMaximum))) {
        s.Champ = static_cast<std::int32_t>(*v);
    }
    if (const auto v = reader.integer(
            kParameters, QStringLiteral("Step"), kStepDefault, 1, kInt16Max,
            QStringLiteral("a whole number from 1 to 32767 (the stride between swept "
                           "sample indices; 1 sweeps every point)"))) {
        s.Step = static_cast<std::int16_t>(*v);
    }
    float* const colours[] = {&s.colorS1, &s.colorS2, &s.colorS3,
                              &s.colorS4, &s.colorS5, &s.colorS6};
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("colorS%1").arg(i + 1);
        if (const auto v = reader.int32(kGraphProperties, key, 0)) {
            *colours[i] = static_cast<float>(*v);
        }
    }
    // The status register is read at Address1 + 1, which must stay a 16-bit number too.
    if (const auto v = reader.integer(
            kPortSetting, QStringLiteral("Address1"), 0, kInt16Min, kInt16Max - 1,
            QStringLiteral("a whole number from -32768 to 32766 (the address of the parallel "
                           "port's data register, usually 888; its status register at "
                           "Address1 + 1 must be a 16-bit address too)"))) {
        s.Address1 = static_cast<std::int16_t>(*v);
    }
    if (const auto v =
            reader.integer(kPortSetting, QStringLiteral("Address2"), 0, kInt16Min, kInt16Max,
                           QStringLiteral("a whole number from -32768 to 32767"))) {
        s.Address2 = static_cast<std::int16_t>(*v);
    }
    const QString velocityKey = QStringLiteral("InputVelFactor");
    if (reader.error().isEmpty() && !reader.has(kParameters, velocityKey)) {
        s.InputVelFactor = kVelocityFactorDefault;
    } else if (reader.error().isEmpty()) {
        // Group separators are refused: "0.660" is 0.66 in de_DE too, never 660.
        const QString text =
            reader.text(kParameters, velocityKey, QString()).left(kVelocityFactorTextChars);
        const std::optional<double> value = NumberText::parseBoxNumber(text, locale);
        if (value && std::fabs(*value) <= std::numeric_limits<float>::max()) {
            s.InputVelFactor = static_cast<float>(*value);
        } else {
            reader.refuse(kParameters, velocityKey, text,
                          QStringLiteral("a number without group separators, such as 0.66 or "
                                         "66 (the cable velocity factor; the decimal separator "
                                         "is '%1' or '.')")
                              .arg(locale.decimalPoint()));
        }
    }
    // Our own key: blanks inside the quotes mean nothing either.
    s.Port = reader.text(kPortSetting, QStringLiteral("Port"), QString()).trimmed();
    load.error = reader.error();
    return load;
}

}  // namespace ravemo
