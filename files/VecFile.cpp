#include "files/VecFile.h"

#include <algorithm>
#include <cmath>

#include <QtEndian>

namespace ravemo {
namespace {

float floatAt(const char* raw) { return qFromLittleEndian<float>(raw); }
double doubleAt(const char* raw) { return qFromLittleEndian<double>(raw); }

QString sizeMismatchMessage(qint64 actual, std::int32_t champ) {
    QString text = QStringLiteral(
                       "The file is %1 bytes long, but a sweep file of this program "
                       "is %2 bytes long.")
                       .arg(actual)
                       .arg(VecFileSize(champ));
    if (const auto fileChamp = ChampOfVecFileSize(actual)) {
        text += QStringLiteral(
                    " This file holds a sweep of %1 points (Champ %2); this program is set up "
                    "for Champ %3. To read it, set Champ=%2 in section PARAMETERS of "
                    "ravemo.ini and restart the program.")
                    .arg(static_cast<qint64>(*fileChamp) + 1)
                    .arg(*fileChamp)
                    .arg(champ);
    } else {
        text += QStringLiteral(" It is not a sweep file, or it is damaged.");
    }
    return text;
}

const QString kNotASweep = QStringLiteral(" The file is not a sweep, or it is damaged.");

// Text for a stored value that is not finite: "nan", "inf" or "-inf".
QString nonFiniteText(double value) {
    if (std::isnan(value)) return QStringLiteral("nan");
    return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
}

// The first converter reading that is not a finite number, as a message, or nothing.
std::optional<QString> nonFiniteReading(const std::vector<float>& samples, const QString& what) {
    const auto bad =
        std::find_if(samples.begin(), samples.end(), [](float v) { return !std::isfinite(v); });
    if (bad == samples.end()) return std::nullopt;
    return QStringLiteral("The %1 reading at sample index %2 is not a number (%3).")
               .arg(what)
               .arg(bad - samples.begin())
               .arg(nonFiniteText(*bad)) +
           kNotASweep;
}

std::optional<QString> nonFiniteLimit(float value, const QString& which) {
    if (std::isfinite(value)) return std::nullopt;
    return QStringLiteral("The %1 limit is not a number (%2).").arg(which, nonFiniteText(value)) +
           kNotASweep;
}

}  // namespace

std::optional<std::int32_t> ChampOfVecFileSize(qint64 size) {
    if (size < kVecLimitsBytes) return std::nullopt;
    const qint64 arrayBytes = size - kVecLimitsBytes;
    if (arrayBytes % kVecBytesPerPoint != 0) return std::nullopt;
    const qint64 champ = arrayBytes / kVecBytesPerPoint - 1;
    if (champ < 1 || champ > kChampMaximum) return std::nullopt;
    return static_cast<std::int32_t>(champ);
}

QByteArray EncodeVecFile(const SweepData& data, VecLimits limits) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(VecFileSize(data.champ())));
    auto putFloat = [&bytes](float value) {
        char raw[4];
        qToLittleEndian(value, raw);
        bytes.append(raw, 4);
    };
    for (float v : data.ReturnLossSamples) putFloat(v);
    for (float v : data.PhaseSamples) putFloat(v);
    for (double v : data.DdsWords) {
        char raw[8];
        qToLittleEndian(v, raw);
        bytes.append(raw, 8);
    }
    putFloat(limits.minMHz);
    putFloat(limits.maxMHz);
    return bytes;
}

VecDecodeResult DecodeVecFile(const QByteArray& bytes, std::int32_t champ) {
    VecDecodeResult result;
    if (champ < 0 || bytes.size() != VecFileSize(champ)) {
        result.error = sizeMismatchMessage(bytes.size(), champ);
        return result;
    }
    VecFileContents contents{SweepData(champ), {}};
    const char* raw = bytes.constData();
    for (float& v : contents.data.ReturnLossSamples) {
        v = floatAt(raw);
        raw += 4;
    }
    for (float& v : contents.data.PhaseSamples) {
        v = floatAt(raw);
        raw += 4;
    }
    for (double& v : contents.data.DdsWords) {
        v = doubleAt(raw);
        raw += 8;
    }
    contents.limits.minMHz = floatAt(raw);
    contents.limits.maxMHz = floatAt(raw + 4);
    for (const std::optional<QString>& problem :
         {nonFiniteReading(contents.data.ReturnLossSamples, QStringLiteral("return-loss")),
          nonFiniteReading(contents.data.PhaseSamples, QStringLiteral("phase")),
          nonFiniteLimit(contents.limits.minMHz, QStringLiteral("lower")),
          nonFiniteLimit(contents.limits.maxMHz, QStringLiteral("upper"))}) {
        if (problem) {
            result.error = *problem;
            return result;
        }
    }
    result.contents = std::move(contents);
    return result;
}

}  // namespace ravemo
