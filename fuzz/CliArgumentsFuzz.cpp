// The command-line tool's arguments: the option splitter and every command's checks, run
// in-process on words from the input (one per line). The run can neither sweep nor write: the
// port opener refuses every port (after parsing a simulator's load model), words naming other
// folders are skipped, and the tool runs in an empty temporary folder whose only file, the
// settings, must be all that is there afterwards.
#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "FuzzCheck.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "instrument/SimulatorText.h"

using namespace ravemo;

namespace {

constexpr qsizetype kMostWords = 16;
// No number the tool computes is longer: an option that would print more (a readout at 1e300 Hz,
// an SWR limit of 1e300) is refused by its range.
constexpr qsizetype kMostDigitsInANumber = 30;

// The most digits in one word of `text` (words end at blanks and '=').
qsizetype mostDigitsInAWord(const QString& text) {
    qsizetype most = 0;
    qsizetype digits = 0;
    for (const QChar c : text) {
        if (c.isSpace() || c == u'=') digits = 0;
        if (c.isDigit()) most = std::max(most, ++digits);
    }
    return most;
}

const char kSmallSettings[] =
    "[PARAMETERS]\nFMax=30000000\nFMin=1000000\nChamp=40\nStep=1\n[PORTSETTING]\nAddress1=888\n";

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

OpenedPort refusePort(const QString& choice, std::int16_t /*address1*/) {
    const QString trimmed = choice.trimmed();
    if (trimmed.startsWith(QStringLiteral("sim:"), Qt::CaseInsensitive) &&
        !trimmed.contains(QStringLiteral("s1p"), Qt::CaseInsensitive)) {
        static_cast<void>(ParseSimulator(trimmed.mid(4)));
    }
    OpenedPort refused;
    refused.port = nullptr;
    refused.problem = QStringLiteral("the fuzzer opens no port");
    refused.problemKind = PortProblem::Unavailable;
    return refused;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    QFile settings(folder().filePath(QStringLiteral("ravemo.ini")));
    Require(settings.open(QIODevice::WriteOnly), "the settings fixture can be written");
    settings.write(kSmallSettings);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString input = QString::fromUtf8(BytesOf(data, size));
    if (input.contains(u'/') || input.contains(u'\\')) return 0;
    QStringList words = input.split(u'\n');
    if (words.size() > kMostWords) return 0;

    // The splitter with a command's declared options, and the number reading of each.
    const QStringList valueOptions = {QStringLiteral("from"), QStringLiteral("to"),
                                      QStringLiteral("sweeps")};
    CliArguments args(words, valueOptions, {QStringLiteral("hold")});
    for (const QString& name : valueOptions) static_cast<void>(args.number(name));

    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    CliContext context{outStream,
                       errStream,
                       QLocale::c(),
                       folder().path(),
                       folder().filePath(QStringLiteral("config")),
                       false};
    context.openPort = refusePort;
    // Relative names of files resolve inside the temporary folder during the run only, so that
    // libFuzzer still finds its corpus folders by the names it was given.
    const QString previousFolder = QDir::currentPath();
    Require(QDir::setCurrent(folder().path()), "the temporary folder becomes the working folder");
    const int status = RunCli(words, context);
    QDir::setCurrent(previousFolder);
    outStream.flush();
    errStream.flush();

    Require(status == kExitSuccess || status == kExitFailure || status == kExitBadInput,
            "a known exit status", QString::number(status));
    Require(status == kExitSuccess ? err.isEmpty() : err.contains(QStringLiteral("ravemo-cli: ")),
            "a failure says why on stderr, a success says nothing there", err);
    Require(mostDigitsInAWord(out) <= kMostDigitsInANumber, "no number of absurd length", out);
    Require(
        QDir(folder().path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ==
            QStringList{QStringLiteral("ravemo.ini")},
        "nothing was written", words.join(u' '));
    return 0;
}
