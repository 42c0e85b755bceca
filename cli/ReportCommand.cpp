#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>

#include "analysis/AntennaAnalysis.h"
#include "cli/AnalysisInput.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "files/report/AntennaReport.h"
#include "files/report/ReportFile.h"
#include "plot/Verdicts.h"

namespace ravemo {
namespace {

const char kReportUsage[] =
    "Usage: ravemo-cli [--settings FILE] report FILE --output OUT [--title T] [--region 1|2|3]\n"
    "                  [--target-mhz F] [--cable] [--velocity-factor VF] [--calibration CAL]\n"
    "                  [--feedline TYPE:METRES]\n"
    "Makes a one-page antenna report of a sweep file (.vec) or a one-port Touchstone file\n"
    "(.s1p): the tuning chart, the Smith chart, the SWR dips with their bandwidths, the\n"
    "resonances, the amateur bands, and the trim advice and cable length when asked for.\n"
    "The extension of OUT picks the format:\n"
    "  .png   one page image, 1600 pixels wide\n"
    "  .pdf   one A4 page whose text can be searched and copied\n"
    "  .html  one self-contained file (the pictures inside it) that needs no network\n"
    "  --title T             the report's title (default: the file's name)\n"
    "  --region R            IARU region of the band edges: 1, 2 or 3 (default 1)\n"
    "  --target-mhz F        how much to lengthen or shorten the element to resonate at F MHz,\n"
    "                        0.001 to 90.0035\n"
    "  --cable               the length of a cable open at its far end, from its quarter wave\n"
    "  --velocity-factor VF  the cable's velocity factor, 0.1 to 1 (default: the settings'\n"
    "                        InputVelFactor, read as a percentage when above 1)\n"
    "  --feedline TYPE:METRES  every figure at the antenna, seen through this feedline (as\n"
    "                        analyse takes it)\n"
    "  --calibration CAL     correct a sweep file's readings with the calibration file CAL\n"
    "Nothing is left behind when the report cannot be written.\n";

}  // namespace

int RunReportCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(words,
                      {QStringLiteral("output"), QStringLiteral("title"), QStringLiteral("region"),
                       QStringLiteral("target-mhz"), QStringLiteral("velocity-factor"),
                       kCalibrationOption, QStringLiteral("feedline")},
                      {QStringLiteral("cable"), QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kReportUsage;
        return kExitSuccess;
    }
    AnalysisRequest request = ParseAnalysisRequest(args, "report", context);
    if (request.failure) return *request.failure;
    const QString output = args.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("report needs --output OUT, a .png, .pdf or .html file"));
    }
    if (!ReportFormatOfPath(output)) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("%1: --output takes a .png, .pdf or .html file").arg(output));
    }
    // Text is painted with the fonts of a GUI application; main() makes one for this command.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return Fail(context, kExitFailure,
                    QStringLiteral("report needs a graphical application object to paint"));
    }

    const QString path = args.positional().front();
    const AnalysisInput input = ReadAnalysisInput(path, settingsPath, request, "report", context);
    if (!input.set) return input.status;

    const AntennaAnalysis analysis = AnalyseAntenna(*input.set, request.options);
    // An empty title would leave the page without a name.
    const QString givenTitle = args.value(QStringLiteral("title")).trimmed();
    const QString title = givenTitle.isEmpty() ? QFileInfo(path).fileName() : givenTitle;
    ReportInput report{title,           path,    QDateTime::currentDateTime(), *input.set, analysis,
                       request.options, nullptr, TuningViewChoices{}};
    if (request.feedline) {
        report.feedpoint = FeedpointText(*request.feedline, input.unseen, context.locale);
    }
    if (const std::optional<QString> error =
            SaveReport(output, BuildAntennaReport(report, context.locale))) {
        return Fail(context, kExitFailure,
                    QStringLiteral("cannot write %1: %2").arg(output, *error));
    }
    return kExitSuccess;
}

}  // namespace ravemo
