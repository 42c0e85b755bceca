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
constexpr qint64 kLargestSettingsFileBytes = qint64{1024} * 1024;

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

// An integer key of the settings file: where it stands, its default, the range the program
// can use (with the words that say so) and the field it fills.
struct IntegerKey {
    const QString& section;
    QString key;
    std::int64_t fallback;
    std::int64_t low;
    std::int64_t high;
    QString allowed;
    void (*store)(Settings& settings, std::int64_t value);
};

// Integers become single precision rounded to the nearest float (30000001 -> 30000000).
float toSingle(std::int64_t value) { return static_cast<float>(value); }

const QString kAnyInt32 = QStringLiteral("a whole number from -2147483648 to 2147483647");

// In the order they are read; the first refused value stops the load.
const IntegerKey kIntegerKeys[] = {
    {kParameters, QStringLiteral("FMax"), kFrequencyDefaultHz, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.FMax = toSingle(v); }},
    {kParameters, QStringLiteral("FMin"), kFrequencyDefaultHz, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.FMin = toSingle(v); }},
    {kParameters, QStringLiteral("Champ"), kChampDefault, 1, kChampMaximum,
     QStringLiteral("a whole number from 1 to %1 (the highest sample index; the sweep has that "
                    "many points plus one)")
         .arg(kChampMaximum),
     [](Settings& s, std::int64_t v) { s.Champ = static_cast<std::int32_t>(v); }},
    {kParameters, QStringLiteral("Step"), kStepDefault, 1, kInt16Max,
     QStringLiteral("a whole number from 1 to 32767 (the stride between swept sample indices; "
                    "1 sweeps every point)"),
     [](Settings& s, std::int64_t v) { s.Step = static_cast<std::int16_t>(v); }},
    {kGraphProperties, QStringLiteral("colorS1"), 0, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.colorS1 = toSingle(v); }},
    {kGraphProperties, QStringLiteral("colorS2"), 0, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.colorS2 = toSingle(v); }},
    {kGraphProperties, QStringLiteral("colorS3"), 0, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.colorS3 = toSingle(v); }},
    {kGraphProperties, QStringLiteral("colorS4"), 0, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.colorS4 = toSingle(v); }},
    {kGraphProperties, QStringLiteral("colorS5"), 0, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.colorS5 = toSingle(v); }},
    {kGraphProperties, QStringLiteral("colorS6"), 0, kInt32Min, kInt32Max, kAnyInt32,
     [](Settings& s, std::int64_t v) { s.colorS6 = toSingle(v); }},
    // The status register is read at Address1 + 1, which must stay a 16-bit number too.
    {kPortSetting, QStringLiteral("Address1"), 0, kInt16Min, kInt16Max - 1,
     QStringLiteral("a whole number from -32768 to 32766 (the address of the parallel port's "
                    "data register, usually 888; its status register at Address1 + 1 must be a "
                    "16-bit address too)"),
     [](Settings& s, std::int64_t v) { s.Address1 = static_cast<std::int16_t>(v); }},
    {kPortSetting, QStringLiteral("Address2"), 0, kInt16Min, kInt16Max,
     QStringLiteral("a whole number from -32768 to 32767"),
     [](Settings& s, std::int64_t v) { s.Address2 = static_cast<std::int16_t>(v); }},
};

// The file's text as an ini; a missing file (or no path) is an empty one. Nothing, with the
// message in `error`, when an existing file cannot be read.
std::optional<IniFile> readIniFile(const QString& path, QString& error) {
    if (path.isEmpty()) return IniFile();
    const BoundedFileRead read =
        ReadBoundedFile(path, kLargestSettingsFileBytes, QStringLiteral("settings file"));
    if (read.bytes) return IniFile::fromBytes(*read.bytes);
    if (read.missing) return IniFile();
    error =
        read.error + QStringLiteral("\n\nCorrect or remove the file and start the program again.");
    return std::nullopt;
}

void readIntegerKeys(SettingsReader& reader, Settings& settings) {
    for (const IntegerKey& k : kIntegerKeys) {
        if (const auto v = reader.integer(k.section, k.key, k.fallback, k.low, k.high, k.allowed)) {
            k.store(settings, *v);
        }
    }
}

// Missing, the number 0.66; present, a number in `locale` without group separators ("0.660"
// is 0.66 in de_DE too, never 660).
void readVelocityFactor(SettingsReader& reader, Settings& settings, const QLocale& locale) {
    const QString key = QStringLiteral("InputVelFactor");
    if (!reader.error().isEmpty()) return;
    if (!reader.has(kParameters, key)) {
        settings.InputVelFactor = kVelocityFactorDefault;
        return;
    }
    const QString text = reader.text(kParameters, key, QString()).left(kVelocityFactorTextChars);
    const std::optional<double> value = NumberText::parseBoxNumber(text, locale);
    if (value && std::fabs(*value) <= std::numeric_limits<float>::max()) {
        settings.InputVelFactor = static_cast<float>(*value);
        return;
    }
    reader.refuse(kParameters, key, text,
                  QStringLiteral("a number without group separators, such as 0.66 or 66 (the "
                                 "cable velocity factor; the decimal separator is '%1' or '.')")
                      .arg(locale.decimalPoint()));
}

}  // namespace

SettingsLoad LoadSettings(const QString& path, const QLocale& locale) {
    SettingsLoad load;
    const std::optional<IniFile> ini = readIniFile(path, load.error);
    if (!ini) return load;
    SettingsReader reader(*ini, path);
    readIntegerKeys(reader, load.settings);
    readVelocityFactor(reader, load.settings, locale);
    // Our own key: blanks inside the quotes mean nothing either.
    load.settings.Port = reader.text(kPortSetting, QStringLiteral("Port"), QString()).trimmed();
    load.error = reader.error();
    return load;
}

}  // namespace ravemo
