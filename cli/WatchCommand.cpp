#include <unistd.h>

#include <cmath>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CliSettings.h"
#include "cli/WatchRun.h"
#include "common/Units.h"
#include "sweep/ReachableRange.h"

namespace ravemo {
namespace {

const char kWatchUsage[] =
    "Usage: ravemo-cli [--settings FILE] watch --from MHZ --to MHZ --serve [ADDRESS:]PORT\n"
    "                  [--port CHOICE] [--target-mhz F] [--region 1|2|3]\n"
    "Sweeps from MHZ to MHZ without end and serves each sweep to a live page for a phone on\n"
    "the same network: the SWR, the dip, its 2:1 width, the trim advice, the bands and a\n"
    "small chart. Prints the page's address with its access token, and its QR code; stops\n"
    "on Ctrl+C. The page only shows; it can change nothing here.\n"
    "  --serve [ADDRESS:]PORT  where to serve: PORT on every private address of this\n"
    "                 computer (10.x, 172.16-31.x, 192.168.x), or on ADDRESS alone (e.g.\n"
    "                 127.0.0.1:8080, [fd00::2]:8080); PORT 0 lets the system choose\n"
    "  --port CHOICE  the instrument, as for sweep (default: sim)\n"
    "  --target-mhz F the SWR at F MHz and the trim advice towards it, 0.001 to 90.0035\n"
    "  --region R     IARU region of the band edges: 1, 2 or 3 (default 1)\n";

}  // namespace

int RunWatchCommand(const QStringList& words, const QString& settingsPath, CliContext& context) {
    CliArguments args(
        words,
        {QStringLiteral("from"), QStringLiteral("to"), QStringLiteral("port"),
         QStringLiteral("serve"), QStringLiteral("target-mhz"), QStringLiteral("region")},
        {QStringLiteral("help")});
    if (args.has(QStringLiteral("help"))) {
        context.out << kWatchUsage;
        return kExitSuccess;
    }
    const std::optional<double> from = args.number(QStringLiteral("from"));
    const std::optional<double> to = args.number(QStringLiteral("to"));
    const std::optional<double> target = args.number(QStringLiteral("target-mhz"));
    const std::optional<double> region = args.number(QStringLiteral("region"));
    if (!args.error().isEmpty()) return Fail(context, kExitBadInput, args.error());
    if (!args.positional().isEmpty()) {
        return Fail(context, kExitBadInput, QStringLiteral("watch takes no file argument"));
    }
    if (!from || !to || !args.has(QStringLiteral("serve"))) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("watch needs --from MHZ, --to MHZ and --serve [ADDRESS:]PORT"));
    }
    for (const double mhz : {*from, *to}) {
        if (!FrequencyIsReachable(mhz * kHzPerMHz)) {
            return Fail(context, kExitBadInput,
                        QStringLiteral("--from and --to must lie within the synthesiser's range, "
                                       "0 to %1 MHz")
                            .arg(QString::number(kReachableTopMHz)));
        }
    }
    if (static_cast<float>(*from * kHzPerMHz) == static_cast<float>(*to * kHzPerMHz)) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("--from and --to must differ: equal limits sweep nothing"));
    }
    if (target && (!FrequencyIsReachable(*target * kHzPerMHz) || *target < 0.001)) {
        return Fail(context, kExitBadInput,
                    QStringLiteral("--target-mhz takes a frequency from 0.001 to %1 MHz")
                        .arg(QString::number(kReachableTopMHz)));
    }
    if (region && *region != 1.0 && *region != 2.0 && *region != 3.0) {
        return Fail(context, kExitBadInput, QStringLiteral("--region takes 1, 2 or 3"));
    }
    const ServeChoiceResult serve = ParseServeChoice(args.value(QStringLiteral("serve")));
    if (!serve.choice) return Fail(context, kExitBadInput, serve.problem);

    WatchRequest request;
    request.fromMHz = *from;
    request.toMHz = *to;
    request.portChoice = args.has(QStringLiteral("port")) ? args.value(QStringLiteral("port"))
                                                          : QStringLiteral("sim");
    request.serve = *serve.choice;
    request.options.maxDips = 5;
    if (target) request.options.targetHz = *target * kHzPerMHz;
    if (region) request.options.region = static_cast<int>(*region);
    request.colourQr = isatty(STDOUT_FILENO) == 1 && context.progressOnTerminal;

    const std::optional<Settings> settings = LoadCliSettings(settingsPath, context);
    if (!settings) return kExitBadInput;
    return RunWatch(request, *settings, context);
}

}  // namespace ravemo
