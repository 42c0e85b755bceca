#include "cli/SweepRun.h"

#include "cli/ProgressPump.h"
#include "common/NumberText.h"
#include "common/Units.h"
#include "files/SafeFileIo.h"
#include "instrument/Dds.h"
#include "sweep/ReachableRange.h"
#include "sweep/SweepAverage.h"
#include "sweep/SweepEngine.h"

namespace ravemo {
namespace {

// Sweeps above this many yields per run show a progress bar on a terminal.
constexpr std::int64_t kLongRunYields = 2'000'000;

// Nothing to draw: after each sweep the readings go into the average, which takes their place.
class AveragingRedraw final : public SweepRedraw {
  public:
    AveragingRedraw(SweepData& data, int depth) : data_(data) { average_.setDepth(depth); }
    void redraw() override { average_.fold(data_); }

  private:
    SweepData& data_;
    SweepAverage average_;
};

}  // namespace

SweepRun::SweepRun(const SweepRequest& request, const Settings& settings, CliContext& context)
    : request_(request), settings_(settings), context_(context), data_(settings.Champ) {}

std::optional<int> SweepRun::openPort() {
    opened_ = context_.openPort(request_.portChoice, settings_.Address1);
    if (opened_.problem.isEmpty()) return std::nullopt;
    const bool badChoice = opened_.problemKind == PortProblem::BadChoice;
    return Fail(context_, badChoice ? kExitBadInput : kExitFailure, opened_.problem);
}

std::optional<int> SweepRun::startTrace() {
    if (!request_.trace) return std::nullopt;
    traceFile_.setFileName(request_.tracePath);
    if (!traceFile_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return Fail(context_, kExitFailure,
                    QStringLiteral("cannot write the trace %1: %2")
                        .arg(traceFile_.fileName(), traceFile_.errorString()));
    }
    tracing_ = std::make_unique<TracingPort>(*opened_.port, traceFile_);
    return std::nullopt;
}

std::optional<int> SweepRun::sweep() {
    PortIo& port = tracing_ ? static_cast<PortIo&>(*tracing_) : *opened_.port;
    points_ = settings_.Champ / settings_.Step + 1;
    const std::int64_t yields =
        request_.sweeps *
        (kYieldsAtTickStart +
         points_ * (request_.hold ? kYieldsPerPointHeld : kYieldsPerPointWithRead));
    NullEventPump quietPump;
    ProgressPump progressPump(context_.err, yields);
    const bool showProgress = context_.progressOnTerminal && yields > kLongRunYields;
    EventPump& pump = showProgress ? static_cast<EventPump&>(progressPump) : quietPump;

    const PortLink link{port, static_cast<std::uint16_t>(settings_.Address1), pump};
    DdsClear(link);

    // Both the live limits and the boxes hold the requested range, so that the first tick's
    // step already spans it.
    controls_.lowerLimit = NumberText::generalFormat(request_.fromMHz, context_.locale);
    controls_.upperLimit = NumberText::generalFormat(request_.toMHz, context_.locale);
    controls_.hold = request_.hold ? 1 : 0;
    settings_.FMin = static_cast<float>(request_.fromMHz * kHzPerMHz);
    settings_.FMax = static_cast<float>(request_.toMHz * kHzPerMHz);
    AveragingRedraw redraw(data_, request_.hold ? 1 : request_.average);
    SweepEngine engine(settings_, data_, controls_, link, redraw, context_.locale);
    for (int k = 0; k < request_.sweeps; ++k) engine.tick();
    if (showProgress) progressPump.finish();
    if (const std::optional<int> traceStatus = finishTrace()) return traceStatus;
    // An unplugged adapter or a driver error leaves zeros that would pass for readings.
    if (const std::uint64_t failed = port.failedAccesses(); failed != 0) {
        return Fail(context_, kExitFailure,
                    QStringLiteral("%1 failed during the sweep: the readings are not a "
                                   "measurement and nothing was written; check the cable and "
                                   "the adapter")
                        .arg(failed == 1 ? QStringLiteral("1 port access")
                                         : QStringLiteral("%1 port accesses").arg(failed)));
    }
    return std::nullopt;
}

std::optional<int> SweepRun::finishTrace() {
    if (!tracing_) return std::nullopt;
    traceFile_.close();
    // Lines are buffered: a full disk shows only when they are flushed.
    if (traceFile_.error() == QFileDevice::NoError) return std::nullopt;
    return Fail(context_, kExitFailure,
                QStringLiteral("cannot write the trace %1: %2")
                    .arg(traceFile_.fileName(), traceFile_.errorString()));
}

std::optional<int> SweepRun::write() {
    // With every limit within reach each point is measured; the count says so, not the request.
    measured_ = request_.hold ? 0 : ReachablePointCount(data_, settings_.Step);
    if (!request_.hold && measured_ == 0) {
        return Fail(context_, kExitFailure,
                    QStringLiteral("no point was measured (the synthesiser reaches 0 to %1 "
                                   "MHz); nothing was written")
                        .arg(QString::number(kReachableTopMHz)));
    }
    if (const std::optional<int> failure = CorrectWithOption(
            request_.calibration, data_, settings_.Step, QStringLiteral("the sweep"), context_)) {
        return failure;
    }
    if (!request_.format) return std::nullopt;
    const auto limitOf = [this](const QString& text, double requested) {
        return static_cast<float>(
            NumberText::parseBoxNumber(text, context_.locale).value_or(requested));
    };
    const VecLimits limits{limitOf(controls_.lowerLimit, request_.fromMHz),
                           limitOf(controls_.upperLimit, request_.toMHz)};
    const QByteArray bytes =
        EncodeOutput(*request_.format, data_, limits, settings_.Step, context_.locale);
    if (const std::optional<QString> problem = WriteFileAtomically(request_.outputPath, bytes)) {
        return Fail(context_, kExitFailure,
                    QStringLiteral("cannot write %1: %2").arg(request_.outputPath, *problem));
    }
    return std::nullopt;
}

void SweepRun::report() {
    context_.out << "swept " << points_ << " points ("
                 << (request_.hold ? QStringLiteral("none measured: held")
                                   : QStringLiteral("%1 measured").arg(measured_))
                 << ") from " << controls_.lowerLimit << " to " << controls_.upperLimit << " MHz "
                 << request_.sweeps << (request_.sweeps == 1 ? " time" : " times");
    if (request_.average > 1) context_.out << ", averaged over the last " << request_.average;
    context_.out << " on the " << opened_.description;
    if (request_.calibration.calibration) {
        context_.out << "; corrected with " << request_.calibration.path;
    }
    if (!request_.outputPath.isEmpty()) context_.out << "; wrote " << request_.outputPath;
    context_.out << '\n';
}

}  // namespace ravemo
