#include "cli/WatchRun.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "analysis/SweepSamples.h"
#include "cli/StopSignals.h"
#include "common/NumberText.h"
#include "common/QtEventPump.h"
#include "common/Units.h"
#include "instrument/Dds.h"
#include "sweep/PlainSweepControls.h"
#include "sweep/SweepEngine.h"
#include "watch/QrCode.h"
#include "watch/WatchMessage.h"
#include "watch/WatchServer.h"

namespace ravemo {
namespace {

// Between two sweeps the event loop runs this long, as the window's sweep timer leaves it.
constexpr int kPauseBetweenSweepsMs = 50;

class NoRedraw final : public SweepRedraw {
  public:
    void redraw() override {}
};

QList<QHostAddress> AddressesFor(const ServeChoice& serve) {
    if (serve.address) return {*serve.address};
    return LocalPrivateAddresses();
}

void PrintAddresses(const WatchServer& server, bool colourQr, CliContext& context) {
    const QStringList urls = server.pageUrls();
    context.out << "Watching from the antenna: open "
                << (urls.size() == 1 ? "this" : "one of these")
                << " on a phone on the same network (the address carries its access token):\n";
    for (const QString& url : urls) context.out << "  " << url << '\n';
    if (const std::optional<QrCode> code = QrCode::encode(urls.front().toUtf8())) {
        context.out << code->terminalText(colourQr);
    }
    context.out << "Press Ctrl+C to stop.\n";
    context.out.flush();
}

}  // namespace

int RunWatch(const WatchRequest& request, const Settings& loaded, CliContext& context,
             std::optional<std::uint64_t> stopAfterSweeps) {
    Settings settings = loaded;
    const OpenedPort opened = context.openPort(request.portChoice, settings.Address1);
    if (!opened.problem.isEmpty()) {
        return Fail(context,
                    opened.problemKind == PortProblem::BadChoice ? kExitBadInput : kExitFailure,
                    opened.problem);
    }
    StopSignals stopSignals;
    if (!stopSignals.armed()) {
        return Fail(context, kExitFailure,
                    QStringLiteral("cannot catch Ctrl+C to stop cleanly; nothing was served"));
    }
    const QList<QHostAddress> addresses = AddressesFor(request.serve);
    if (addresses.isEmpty()) {
        return Fail(context, kExitFailure,
                    QStringLiteral("this computer has no private network address to serve on; "
                                   "name one with --serve ADDRESS:PORT"));
    }
    for (const QHostAddress& address : addresses) {
        if (!IsPrivateAddress(address)) {
            context.err << "ravemo-cli: " << address.toString()
                        << " is not a private address: anyone who can reach it and has the "
                           "address with its token can watch\n";
        }
    }
    WatchServer server;
    if (const QString problem = server.start(addresses, request.serve.port); !problem.isEmpty()) {
        return Fail(context, kExitFailure, problem);
    }
    PrintAddresses(server, request.colourQr, context);

    QtEventPump pump;
    bool stopping = false;
    QObject::connect(&stopSignals, &StopSignals::stopRequested, &server, [&] {
        stopping = true;
        pump.requestCancel();  // a sweep under way ends at its next yield
    });
    const PortLink link{*opened.port, static_cast<std::uint16_t>(settings.Address1), pump};
    DdsClear(link);
    PlainSweepControls controls;
    controls.lowerLimit = NumberText::generalFormat(request.fromMHz, context.locale);
    controls.upperLimit = NumberText::generalFormat(request.toMHz, context.locale);
    settings.FMin = static_cast<float>(request.fromMHz * kHzPerMHz);
    settings.FMax = static_cast<float>(request.toMHz * kHzPerMHz);
    SweepData data(settings.Champ);
    NoRedraw redraw;
    SweepEngine engine(settings, data, controls, link, redraw, context.locale);

    std::uint64_t sweeps = 0;
    while (!stopping && (!stopAfterSweeps || sweeps < *stopAfterSweeps)) {
        const std::uint64_t failedBefore = opened.port->failedAccesses();
        engine.tick();
        if (stopping) break;
        ++sweeps;
        const bool portFailed = opened.port->failedAccesses() != failedBefore;
        const AntennaSamples set = SamplesFromSweep(data, settings.Step);
        const AntennaAnalysis analysis = AnalyseAntenna(set, request.options);
        server.publish(WatchMessageJson(WatchSnapshot{
            opened.description,
            opened.simulated,
            portFailed ? WatchDataState::PortFailed : WatchDataState::Live,
            portFailed ? QStringLiteral("port accesses failed: check the cable and the adapter")
                       : QString(),
            sweeps,
            set,
            analysis,
            request.options,
            {},
            false}));
        QEventLoop pause;
        QTimer::singleShot(kPauseBetweenSweepsMs, &pause, &QEventLoop::quit);
        pause.exec();
    }
    server.stop();
    // The closing frames go out before the program ends.
    QCoreApplication::processEvents();
    context.out << "stopped watching after " << sweeps << (sweeps == 1 ? " sweep" : " sweeps")
                << '\n';
    return kExitSuccess;
}

}  // namespace ravemo
