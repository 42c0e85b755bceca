// The settings reader: IniFile on any bytes, then the whole LoadSettings with its checks on the
// values, read from a file as the program reads it.
#include <cmath>

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "FuzzCheck.h"
#include "startup/IniFile.h"
#include "startup/LoadSettings.h"

using namespace ravemo;

namespace {

const char* const kKeys[][2] = {{"PARAMETERS", "FMax"},           {"PARAMETERS", "FMin"},
                                {"PARAMETERS", "Champ"},          {"PARAMETERS", "Step"},
                                {"GRAF_PROP", "colorS1"},         {"GRAF_PROP", "colorS6"},
                                {"PORTSETTING", "Address1"},      {"PORTSETTING", "Address2"},
                                {"PARAMETERS", "InputVelFactor"}, {"PORTSETTING", "Port"}};

void checkLoaded(const SettingsLoad& load, const QString& path) {
    if (!load.ok()) {
        Require(load.error.contains(path), "a refusal names the file", load.error);
        return;
    }
    const Settings& s = load.settings;
    Require(s.Champ >= 1 && s.Champ <= kChampMaximum, "Champ within 1..kChampMaximum");
    Require(s.Step >= 1, "Step at least 1");
    Require(s.Address1 <= 32766, "Address1 leaves room for the status register");
    Require(std::isfinite(s.FMax) && std::isfinite(s.FMin), "finite frequencies");
    Require(std::isfinite(s.InputVelFactor), "a finite velocity factor");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = BytesOf(data, size);
    const IniFile ini = IniFile::fromBytes(bytes);
    for (const auto& [section, key] : kKeys) {
        const QString value = ini.value(QLatin1String(section), QLatin1String(key));
        Require(ini.contains(QLatin1String(section), QLatin1String(key)) || value.isEmpty(),
                "a missing key has no value");
    }

    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ravemo.ini"));
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input file can be written");
    file.write(bytes);
    file.close();
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        checkLoaded(LoadSettings(path, locale), path);
    }
    return 0;
}
