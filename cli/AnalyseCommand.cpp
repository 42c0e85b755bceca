#include "analysis/AntennaAnalysis.h"
#include "cli/AnalysisInput.h"
#include "cli/AnalysisOutput.h"
#include "cli/CliArguments.h"
#include "cli/CliCommands.h"

namespace ravemo {
namespace {

const char kAnalyseUsage[] =
    "Usage: ravemo-cli [--settings FILE] analyse FILE [--json] [--samples] [--swr-limit X]\n"
    "                  [--dips N] [--region 1|2|3] [--target-mhz F] [--cable]\n"
    "                  [--velocity-factor VF] [--feedline TYPE:METRES]\n"
    "                  [--calibration CAL]\n"
    "Analyses a sweep file (.vec: the point count from its size, the settings' Step for the\n"
    "swept points) or a one-port Touchstone file (.s1p): the SWR dips with their 2:1 and 1.5:1\n"
    "bandwidths and Q, the resonances, the amateur bands the sweep covers, trim advice and the\n"
    "length of an open cable. The instrument measures |phase| only: for a sweep file the sign\n"
    "of the reactance is estimated and shown as X (est.).\n"
    "  --json                one JSON object, numbers in SI units\n"
    "  --samples             every sample as well\n"
    "  --swr-limit X         a dip is where the SWR is below X, above 1 to 100 (default 2)\n"
    "  --dips N              at most N dips, deepest first, 1 to 1000 (default 3)\n"
    "  --region R            IARU region of the band edges: 1, 2 or 3 (default 1)\n"
    "  --target-mhz F        how much to lengthen or shorten the element to resonate at F MHz,\n"
    "                        0.001 to 90.0035\n"
    "  --cable               the length of a cable open at its far end, from its quarter wave\n"
    "  --velocity-factor VF  the cable's velocity factor, 0.1 to 1 (default: the settings'\n"
    "                        InputVelFactor, read as a percentage when above 1)\n"
    "  --feedline TYPE:METRES  every figure at the antenna, seen through this feedline\n"
    "                        (rg58, rg8x, rg213, lmr400, rg174, twin300, ladder450, or\n"
    "                        user:METRES:OHMS:VF:MHZ1:DB1:MHZ2:DB2); where the return loss\n"
    "                        lies within twice the cable's loss the antenna cannot be seen\n"

    "  --calibration CAL     correct a sweep file's readings with the calibration file CAL\n";

}  // namespace

int RunAnalyseCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(
        words,
        {QStringLiteral("swr-limit"), QStringLiteral("dips"), QStringLiteral("region"),
         QStringLiteral("target-mhz"), QStringLiteral("velocity-factor"), kCalibrationOption,
         QStringLiteral("feedline")},
        {QStringLiteral("json"), QStringLiteral("samples"), QStringLiteral("cable"),
         QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kAnalyseUsage;
        return kExitSuccess;
    }
    AnalysisRequest request = ParseAnalysisRequest(args, "analyse", context);
    if (request.failure) return *request.failure;
    AnalysisInput input =
        ReadAnalysisInput(args.positional().front(), settingsPath, request, "analyse", context);
    if (!input.set) return input.status;
    const AntennaSamples& set = *input.set;
    const AnalysisOptions& options = request.options;
    const QString path = args.positional().front();

    const AntennaAnalysis analysis = AnalyseAntenna(set, options);
    const AnalysisOutputInput output{
        path,        set, analysis, options, args.has(QStringLiteral("samples")), request.feedline,
        input.unseen};
    if (args.has(QStringLiteral("json"))) {
        context.out << QString::fromUtf8(AnalysisJson(output));
    } else {
        context.out << AnalysisReport(output, context.locale);
    }
    return kExitSuccess;
}

}  // namespace ravemo
