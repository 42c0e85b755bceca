#include "ui/Measurement.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

#include <QDir>

#include "common/CheckBoxValue.h"
#include "common/NumberText.h"
#include "correction/SweepCorrection.h"
#include "instrument/Dds.h"
#include "ui/ChartGeometry.h"

namespace ravemo {
namespace {

// The settings of a run, refused before anything is sized from them.
Settings checkedForSweep(Settings settings) {
    if (settings.Champ < 1 || settings.Step < 1) {
        throw std::invalid_argument("the measurement needs Champ >= 1 and Step >= 1");
    }
    return settings;
}

// Address1 holds the 16 bits of the I/O address, as a signed setting.
std::uint16_t dataRegister(const Settings& settings) {
    return static_cast<std::uint16_t>(settings.Address1);
}

}  // namespace

void Measurement::CountedRedraw::redraw() {
    beforeDrawing_();
    drawing_.redraw();
    ++count_;
}

Measurement::Measurement(Settings settings, OpenedPort backEnd, const MeasurementSeams& seams,
                         const QLocale& locale, QObject* parent)
    : QObject(parent),
      settings_(checkedForSweep(std::move(settings))),
      port_(std::move(backEnd.port)),
      backEnd_{backEnd.description, backEnd.simulated, backEnd.problem},
      locale_(locale),
      sweepControls_(seams.sweepControls),
      fileControls_(seams.fileControls),
      data_(settings_.Champ),
      xScale_(ChartGeometry::xScale(seams.chart.widthTwips(), settings_.Champ)),
      link_{*port_, dataRegister(settings_), pump_},
      drawing_(seams.chart, seams.curveControls, data_, settings_, pump_, xScale_, locale_),
      redraw_(drawing_, [this] { averageSweep(); }),
      engine_(settings_, data_, seams.sweepControls, link_, redraw_, locale_),
      fileCommands_(data_, settings_, seams.fileDialog, seams.fileControls, seams.reporter,
                    locale_),
      colourCommands_(settings_, seams.colourDialog, seams.colourTargets),
      fileDialog_(seams.fileDialog),
      reporter_(seams.reporter) {
    engine_.onRangeNotice([this](const QString& notice) { setNotice(rangeNotice_, notice); });
    engine_.onCorrection(
        [this](double lowHz, double highHz) { return correctionFor(lowHz, highHz); });
    timer_.setObjectName(QStringLiteral("Timer1"));
    connect(&timer_, &QTimer::timeout, this, &Measurement::tick);
    timer_.setInterval(kTimerIntervalMs);
    timer_.start();

    DdsClear(link_);

    settings_.FullFMax = settings_.FMax;
    settings_.FullFMin = settings_.FMin;
}

Measurement::~Measurement() = default;

void Measurement::tick() {
    if (engine_.ticking()) return;
    const std::uint64_t failuresBefore = port_->failedAccesses();
    const std::uint64_t redrawsBefore = redraw_.count();
    heldAtTickStart_ = holdTicked();
    if (pendingStride_) {
        settings_.Step = *std::exchange(pendingStride_, std::nullopt);
        restartAverage();
    }
    engine_.tick();
    // Equal limits, or a close: the tick swept nothing, or did not finish its redraw.
    if (redraw_.count() == redrawsBefore) return;
    setNotice(portFailureNotice_, portFailureNoticeFor(port_->failedAccesses() - failuresBefore));
    // Hold is read at every point: unticked at the end, the last points at least were read.
    if (!holdTicked()) readingsFromFile_ = false;
    Q_EMIT sweepFinished();
}

void Measurement::stop() {
    timer_.stop();
    pump_.requestCancel();
}

FileCommandOutcome Measurement::save() { return fileCommands_.save(); }
FileCommandOutcome Measurement::open() {
    const FileCommandOutcome outcome = fileCommands_.open();
    if (outcome == FileCommandOutcome::Done) {
        readingsFromFile_ = true;
        restartAverage();
    }
    return outcome;
}

void Measurement::setSweepStride(int stride) {
    pendingStride_ = static_cast<std::int16_t>(
        std::clamp(stride, 1, static_cast<int>(std::numeric_limits<std::int16_t>::max())));
}

void Measurement::setAverageDepth(int depth) {
    average_.setDepth(depth);
    setNotice(averagingNotice_, averagingNoticeFor(average_.count(), average_.depth()));
}

void Measurement::averageSweep() {
    // Hold at either end of the sweep: the arrays hold readings kept, not a new sweep.
    if (heldAtTickStart_ || holdTicked()) {
        restartAverage();
        return;
    }
    average_.fold(data_);
    setNotice(averagingNotice_, averagingNoticeFor(average_.count(), average_.depth()));
}

void Measurement::restartAverage() {
    average_.restart();
    setNotice(averagingNotice_, averagingNoticeFor(average_.count(), average_.depth()));
}

QString Measurement::averagingNoticeFor(int sweeps, int depth) {
    if (depth <= 1) return {};
    if (sweeps == 0) {
        return QStringLiteral("Averaging %1 sweeps: starts with the next sweep").arg(depth);
    }
    return QStringLiteral("Averaging %1 of %2 sweeps").arg(sweeps).arg(depth);
}
void Measurement::pickColour(ColourButton button) { colourCommands_.click(button); }

bool Measurement::sweepLimitsMHz(double minMHz, double maxMHz) {
    const QString minText = NumberText::generalFormat(minMHz, locale_);
    const QString maxText = NumberText::generalFormat(maxMHz, locale_);
    if (readingsFromFile_ && holdTicked() &&
        !reporter_.askYesNo(
            QStringLiteral("Sweep"),
            QStringLiteral("The readings shown were opened from %1. Sweeping %2 to %3 MHz "
                           "replaces them with new readings. Sweep now?")
                .arg(QDir::toNativeSeparators(fileDialog_.fileName()), minText, maxText))) {
        return false;
    }
    // Under Full Sweep the next tick would write the full range over the limits; under Hold it
    // would stretch the held readings over them.
    fileControls_.setFullSweepValue(kUnticked);
    fileControls_.setHoldValue(kUnticked);
    fileControls_.setLowerLimitText(minText);
    fileControls_.setUpperLimitText(maxText);
    return true;
}

bool Measurement::holdTicked() const { return sweepControls_.holdValue() != kUnticked; }

void Measurement::setCalibration(const Calibration& calibration, const QString& name) {
    calibration_ = std::make_shared<const Calibration>(calibration);
    calibrationName_ = name;
    // Until the next sweep shows whether it lies within the range.
    setNotice(calibrationNotice_, CalibrationInForceNotice(calibration, name));
    Q_EMIT calibrationChanged();
}

void Measurement::clearCalibration() {
    calibration_.reset();
    calibrationWarning_ = false;
    setCalibrationApplies(false);
    setNotice(calibrationNotice_, {});
}

void Measurement::setCalibrating(bool calibrating) {
    calibrating_ = calibrating;
    if (!calibrating && !calibration_) {
        calibrationWarning_ = false;
        setNotice(calibrationNotice_, {});
    }
    if (calibrating) {
        calibrationWarning_ = true;
        setCalibrationApplies(false);
        setNotice(calibrationNotice_,
                  QStringLiteral("Calibrating: the readings are swept as read, not corrected"));
    }
}

SweepEngine::ReadingCorrection Measurement::correctionFor(double lowHz, double highHz) {
    if (calibrating_ || !calibration_) {
        setCalibrationApplies(false);
        return {};
    }
    const bool within = calibration_->covers(lowHz, highHz);
    calibrationWarning_ = !within;
    setCalibrationApplies(within);
    setNotice(calibrationNotice_, within ? CalibrationInForceNotice(*calibration_, calibrationName_)
                                         : CalibrationOutsideNotice(*calibration_, lowHz, highHz));
    if (!within) return {};
    // The tick keeps its own share: a calibration changed inside its yields cannot vanish under it.
    return [calibration = calibration_](double hz, float& returnLossRaw, float& phaseRaw) {
        CorrectRawReadings(*calibration, hz, returnLossRaw, phaseRaw);
    };
}

void Measurement::setCalibrationApplies(bool applies) {
    if (calibrationApplies_ == applies) return;
    calibrationApplies_ = applies;
    Q_EMIT calibrationChanged();
}

QString Measurement::statusText() const {
    return statusTextFor(backEnd_, rangeNotice_, portFailureNotice_, averagingNotice_,
                         calibrationNotice_);
}

bool Measurement::statusIsWarning() const {
    return backEnd_.simulated || !rangeNotice_.isEmpty() || !portFailureNotice_.isEmpty() ||
           calibrationWarning_;
}

QString Measurement::statusTextFor(const BackEndInfo& backEnd, const QString& rangeNotice,
                                   const QString& portFailureNotice, const QString& averagingNotice,
                                   const QString& calibrationNotice) {
    QString text = backEnd.simulated ? QStringLiteral("SIMULATED instrument, not a measurement: ")
                                     : QStringLiteral("Instrument: ");
    text += backEnd.description;
    if (!backEnd.portProblem.isEmpty()) {
        text += QStringLiteral("\nThe port could not be used: ") + backEnd.portProblem;
    }
    if (!rangeNotice.isEmpty()) text += u'\n' + rangeNotice;
    if (!portFailureNotice.isEmpty()) text += u'\n' + portFailureNotice;
    if (!averagingNotice.isEmpty()) text += u'\n' + averagingNotice;
    if (!calibrationNotice.isEmpty()) text += u'\n' + calibrationNotice;
    return text;
}

QString Measurement::portFailureNoticeFor(std::uint64_t failures) {
    if (failures == 0) return {};
    const QString count = failures == 1 ? QStringLiteral("1 port access")
                                        : QStringLiteral("%1 port accesses").arg(failures);
    return count + QStringLiteral(
                       " failed during the last sweep: the readings are not a "
                       "measurement. Check the cable and the adapter.");
}

void Measurement::setNotice(QString& notice, const QString& text) {
    if (notice == text) return;
    notice = text;
    Q_EMIT statusChanged();
}

}  // namespace ravemo
