#include "instrument/TouchstoneParser.h"

#include <cmath>
#include <numbers>
#include <optional>

#include <QStringList>

#include "common/Units.h"

namespace ravemo {
namespace {

constexpr double kDefaultReferenceOhms = 50.0;
constexpr double kDefaultHzPerUnit = 1e9;  // GHZ when the option line names no unit
constexpr int kNumbersPerOnePortLine = 3;
constexpr int kSupportedMajorVersion = 2;  // [Version] 2.0, 2.1

const QString kOnePortOnly = QStringLiteral("only one-port (.s1p) files can be read");
const QString kKnownKeywords = QStringLiteral(
    "[Version], [Number of Ports] 1, [Number of Frequencies], [Reference], [Matrix Format], "
    "[Network Data], [End]");

enum class Format { MagnitudeAngle, DecibelAngle, RealImaginary };

struct Options {
    double hzPerUnit = kDefaultHzPerUnit;
    QString unitName = QStringLiteral("GHz");
    Format format = Format::MagnitudeAngle;
    double referenceOhms = kDefaultReferenceOhms;
};

// A refusal on its way out of the reader; the text already names the line.
struct Refusal {
    QString message;
};

QString lineError(int lineNumber, const QString& what) {
    return QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
}

// The text split at LF, CRLF or a lone CR, so that line numbers count as an editor does.
QStringList splitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    return unified.split(u'\n');
}

std::optional<double> positiveOhms(const QString& text) {
    bool ok = false;
    const double ohms = text.toDouble(&ok);
    if (!ok || !(ohms > 0.0) || !std::isfinite(ohms)) return std::nullopt;
    return ohms;
}

class Reader {
  public:
    void line(int number, const QString& rawLine);
    TouchstoneParse finish();
    bool ended() const { return ended_; }

  private:
    void keyword(const QString& line);
    void optionLine(QStringList tokens);
    void dataLine(const QStringList& tokens);
    void requireVersionTwo(const QString& name) const;
    [[noreturn]] void refuse(const QString& what) const { throw Refusal{lineError(number_, what)}; }

    int number_ = 0;
    Options options_;
    bool optionsSeen_ = false;
    bool versionTwo_ = false;
    bool portsGiven_ = false;
    bool inNetworkData_ = false;
    bool ended_ = false;
    bool referencePending_ = false;
    bool signsEstimated_ = false;
    std::optional<double> keywordReference_;
    std::optional<qint64> frequencyCount_;
    int frequencyCountLine_ = 0;
    std::vector<TouchstoneModel::Point> points_;
};

void Reader::line(int number, const QString& rawLine) {
    number_ = number;
    if (rawLine.trimmed() == QLatin1String(kEstimatedSignsComment)) signsEstimated_ = true;
    QString line = rawLine;
    const qsizetype comment = line.indexOf(u'!');
    if (comment >= 0) line.truncate(comment);
    line = line.simplified();
    if (line.isEmpty()) return;
    if (referencePending_) {  // "[Reference]" with its resistance on the next line
        referencePending_ = false;
        const std::optional<double> ohms = positiveOhms(line.section(u' ', 0, 0));
        if (!ohms || line.contains(u' ')) {
            refuse(
                QStringLiteral("[Reference] needs one resistance above 0 ohms (a one-port "
                               "file has one reference)"));
        }
        keywordReference_ = ohms;
        return;
    }
    if (line.startsWith(u'[')) {
        keyword(line);
    } else if (line.startsWith(u'#')) {
        optionLine(line.split(u' '));
    } else {
        dataLine(line.split(u' '));
    }
}

void Reader::requireVersionTwo(const QString& name) const {
    if (!versionTwo_) {
        refuse(QStringLiteral("[%1] is a Touchstone 2.0 keyword, but no [Version] 2.0 line "
                              "comes before it")
                   .arg(name));
    }
}

void Reader::keyword(const QString& line) {
    const qsizetype close = line.indexOf(u']');
    if (close < 0) refuse(QStringLiteral("a keyword opened with '[' is not closed with ']'"));
    const QString name = line.mid(1, close - 1).simplified();
    const QString key = name.toLower();
    const QString argument = line.mid(close + 1).trimmed();
    if (key == QLatin1String("version")) {
        bool ok = false;
        const double version = argument.toDouble(&ok);
        if (!ok || std::floor(version) != kSupportedMajorVersion) {
            refuse(QStringLiteral("Touchstone version '%1' is not supported; version 1 files "
                                  "(without [Version]) and version 2.0 files are read")
                       .arg(argument));
        }
        if (versionTwo_ || optionsSeen_ || !points_.empty()) {
            refuse(QStringLiteral("[Version] must be the first line that is not a comment"));
        }
        versionTwo_ = true;
        return;
    }
    requireVersionTwo(name);
    if (inNetworkData_ && key != QLatin1String("end")) {
        refuse(QStringLiteral("[%1] after [Network Data]; only data lines and [End] may follow")
                   .arg(name));
    }
    if (key == QLatin1String("number of ports")) {
        bool ok = false;
        const int ports = argument.toInt(&ok);
        if (!ok || ports < 1) refuse(QStringLiteral("[Number of Ports] needs a whole number"));
        if (ports != 1) {
            refuse(QStringLiteral("the file has %1 ports; %2").arg(ports).arg(kOnePortOnly));
        }
        portsGiven_ = true;
    } else if (key == QLatin1String("number of frequencies")) {
        bool ok = false;
        const qint64 count = argument.toLongLong(&ok);
        if (!ok || count < 1) {
            refuse(QStringLiteral("[Number of Frequencies] needs a whole number of 1 or more"));
        }
        frequencyCount_ = count;
        frequencyCountLine_ = number_;
    } else if (key == QLatin1String("reference")) {
        if (argument.isEmpty()) {
            referencePending_ = true;
        } else {
            const std::optional<double> ohms = positiveOhms(argument);
            if (!ohms) {
                refuse(
                    QStringLiteral("[Reference] needs one resistance above 0 ohms (a "
                                   "one-port file has one reference)"));
            }
            keywordReference_ = ohms;
        }
    } else if (key == QLatin1String("matrix format")) {
        const QString matrix = argument.toLower();
        if (matrix != QLatin1String("full") && matrix != QLatin1String("lower") &&
            matrix != QLatin1String("upper")) {
            refuse(QStringLiteral("[Matrix Format] must be Full, Lower or Upper"));
        }
    } else if (key == QLatin1String("network data")) {
        if (!portsGiven_) refuse(QStringLiteral("[Network Data] before [Number of Ports] 1"));
        inNetworkData_ = true;
    } else if (key == QLatin1String("end")) {
        ended_ = true;
    } else if (key == QLatin1String("two-port data order") ||
               key == QLatin1String("number of noise frequencies") ||
               key == QLatin1String("noise data") || key == QLatin1String("mixed-mode order")) {
        refuse(QStringLiteral("[%1] belongs to files of more than one port; %2")
                   .arg(name, kOnePortOnly));
    } else {
        refuse(QStringLiteral("keyword [%1] is not supported (read are %2)")
                   .arg(name, kKnownKeywords));
    }
}

// Reads the "# <unit> <parameter> <format> R <ohms>" line; any order, any case.
void Reader::optionLine(QStringList tokens) {
    if (!points_.empty()) {
        refuse(
            QStringLiteral("an option line ('#') after the data lines; it must come before "
                           "the first data line"));
    }
    if (optionsSeen_) return;  // only the first option line counts
    optionsSeen_ = true;
    if (tokens.front() != QLatin1String("#")) tokens.insert(1, tokens.front().mid(1));  // "#GHZ"
    for (qsizetype i = 1; i < tokens.size(); ++i) {
        const QString token = tokens[i].toUpper();
        if (token == QLatin1String("HZ") || token == QLatin1String("KHZ") ||
            token == QLatin1String("MHZ") || token == QLatin1String("GHZ")) {
            options_.hzPerUnit = token == QLatin1String("HZ")    ? 1.0
                                 : token == QLatin1String("KHZ") ? 1e3
                                 : token == QLatin1String("MHZ") ? 1e6
                                                                 : 1e9;
            options_.unitName = tokens[i];
        } else if (token == QLatin1String("MA")) {
            options_.format = Format::MagnitudeAngle;
        } else if (token == QLatin1String("DB")) {
            options_.format = Format::DecibelAngle;
        } else if (token == QLatin1String("RI")) {
            options_.format = Format::RealImaginary;
        } else if (token == QLatin1String("S")) {
            // the only parameter a replayed load needs
        } else if (token == QLatin1String("Y") || token == QLatin1String("Z") ||
                   token == QLatin1String("G") || token == QLatin1String("H")) {
            refuse(QStringLiteral("parameter %1 is not supported; only S (reflection) files can "
                                  "be replayed")
                       .arg(token));
        } else if (token == QLatin1String("R")) {
            const std::optional<double> ohms =
                i + 1 < tokens.size() ? positiveOhms(tokens[i + 1]) : std::nullopt;
            if (!ohms) {
                refuse(
                    QStringLiteral("R must be followed by a reference resistance above 0 "
                                   "ohms"));
            }
            options_.referenceOhms = *ohms;
            ++i;
        } else {
            refuse(QStringLiteral("unknown option '%1' (allowed: HZ KHZ MHZ GHZ, S, MA DB RI, "
                                  "R <ohms>)")
                       .arg(tokens[i]));
        }
    }
}

void Reader::dataLine(const QStringList& tokens) {
    if (versionTwo_ && !inNetworkData_) {
        refuse(QStringLiteral("a data line before [Network Data]"));
    }
    if (tokens.size() != kNumbersPerOnePortLine) {
        refuse(QStringLiteral("expected 3 numbers (frequency and one complex value), found %1; "
                              "%2")
                   .arg(tokens.size())
                   .arg(kOnePortOnly));
    }
    double values[kNumbersPerOnePortLine] = {};
    for (int k = 0; k < kNumbersPerOnePortLine; ++k) {
        bool ok = false;
        values[k] = tokens[k].toDouble(&ok);
        if (!ok || !std::isfinite(values[k])) {
            refuse(QStringLiteral("'%1' is not a number").arg(tokens[k]));
        }
    }
    if (frequencyCount_ && static_cast<qint64>(points_.size()) == *frequencyCount_) {
        refuse(QStringLiteral("more data lines than the %1 of [Number of Frequencies]")
                   .arg(*frequencyCount_));
    }
    const double hz = values[0] * options_.hzPerUnit;
    if (!std::isfinite(hz)) {
        refuse(QStringLiteral("the frequency %1 %2 is beyond any number of hertz")
                   .arg(tokens[0], options_.unitName));
    }
    if (hz < 0.0 || (!points_.empty() && !(hz > points_.back().hz))) {
        refuse(QStringLiteral("frequencies must be 0 or more and strictly increasing"));
    }
    const double angle = values[2] * std::numbers::pi / kDegreesPerHalfTurn;
    std::complex<double> gamma;
    switch (options_.format) {
        case Format::RealImaginary:
            gamma = {values[1], values[2]};
            break;
        case Format::DecibelAngle: {
            const double magnitude = std::pow(10.0, values[1] / kDbPerRatioDecade);
            if (!std::isfinite(magnitude)) {
                refuse(QStringLiteral("%1 dB gives no finite magnitude").arg(tokens[1]));
            }
            gamma = std::polar(magnitude, angle);
            break;
        }
        case Format::MagnitudeAngle:
            if (values[1] < 0.0) {
                refuse(QStringLiteral("the magnitude %1 is negative; in MA format it must be 0 "
                                      "or more")
                           .arg(tokens[1]));
            }
            gamma = std::polar(values[1], angle);
            break;
    }
    points_.push_back({hz, gamma});
}

TouchstoneParse Reader::finish() {
    if (referencePending_) refuse(QStringLiteral("[Reference] has no resistance"));
    if (points_.empty()) return {{}, 0.0, QStringLiteral("no data points found")};
    if (frequencyCount_ && static_cast<qint64>(points_.size()) != *frequencyCount_) {
        return {{},
                0.0,
                lineError(frequencyCountLine_,
                          QStringLiteral("[Number of Frequencies] is %1, but the file holds %2 "
                                         "data lines")
                              .arg(*frequencyCount_)
                              .arg(points_.size()))};
    }
    return {std::move(points_),
            keywordReference_.value_or(options_.referenceOhms),
            {},
            signsEstimated_};
}

}  // namespace

TouchstoneParse ParseTouchstone(const QString& text) {
    Reader reader;
    try {
        const QStringList lines = splitLines(text);
        for (qsizetype index = 0; index < lines.size() && !reader.ended(); ++index) {
            reader.line(static_cast<int>(index) + 1, lines[index]);
        }
        return reader.finish();
    } catch (const Refusal& refusal) {
        return {{}, 0.0, refusal.message};
    }
}

}  // namespace ravemo
