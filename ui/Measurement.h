#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QLocale>
#include <QObject>
#include <QString>
#include <QTimer>

#include "common/QtEventPump.h"
#include "common/Settings.h"
#include "correction/Calibration.h"
#include "files/ColourCommands.h"
#include "files/FileCommands.h"
#include "instrument/PortChoice.h"
#include "instrument/PortLink.h"
#include "sweep/SweepAverage.h"
#include "sweep/SweepControls.h"
#include "sweep/SweepData.h"
#include "sweep/SweepEngine.h"
#include "ui/chart/ChartCanvas.h"
#include "ui/chart/CurveDrawing.h"

namespace ravemo {

// The window-side seams the measurement works through. The main window implements them over
// its widgets and dialogs; tests use plain fakes. All must outlive the measurement.
struct MeasurementSeams {
    SweepControls& sweepControls;
    CurveControls& curveControls;
    ChartCanvas& chart;
    FileCommandControls& fileControls;
    FileDialog& fileDialog;
    MessageReporter& reporter;
    ColourDialog& colourDialog;
    ColourTargets& colourTargets;
};

// Which back end drives the instrument, as the caption and the status strip tell the user.
struct BackEndInfo {
    QString description;  // e.g. "simulated instrument (dipole resonant near 14.2 MHz)"
    bool simulated = true;
    // Why the port asked for could not be used, when the simulator stands in for it; empty
    // otherwise. The status strip keeps it in sight for the whole run.
    QString portProblem;
};

// The running measurement: the settings of this run, the sample arrays, the port and its link,
// the event pump, the sweep engine, the curve drawing, the file and colour commands and the 50 ms
// sweep timer. The window keeps its widgets and forwards its clicks here.
//
// Construction runs the load handler's steps that touch no widget, in their order: the arrays
// from Champ, XScale, the timer (started: its first tick comes from the event loop), the
// synthesiser clear (the program's first port access), FullFMax and FullFMin. Champ and Step
// must be at least 1 (std::invalid_argument otherwise; the start-up refuses such settings
// with a message first).
//
// After every tick that swept, once the chart is redrawn, sweepFinished() tells observers
// (the tuning window); what they read is below. The status strip's text is composed here from
// the back end, the port problem, the engine's range notice and the port accesses that failed
// during the last sweep; statusChanged() tells the window when it changes.
class Measurement final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTimerIntervalMs = 50;

    Measurement(Settings settings, OpenedPort backEnd, const MeasurementSeams& seams,
                const QLocale& locale, QObject* parent = nullptr);
    ~Measurement() override;

    // The sweep timer's tick. Nested calls (from inside a tick's yields) return at once.
    void tick();
    // Closing: the timer stops and a running tick ends at its next yield without touching the
    // port or the chart again. For the rest of the run no tick does anything.
    void stop();

    // The window's buttons.
    FileCommandOutcome save();  // Command1
    FileCommandOutcome open();  // Command2
    void pickColour(ColourButton button);

    // For an observer's "sweep there": unticks Hold and Full Sweep and writes both limit boxes
    // in the user's locale; the sweep reads them as it reads any typed limit (the start at the
    // next tick, the step one tick later). Held readings are never left standing under limits
    // they were not measured at. Readings opened from a file would be lost, so the user is
    // asked first; false, with nothing changed, when the user keeps them.
    bool sweepLimitsMHz(double minMHz, double maxMHz);
    // True from a successful open until a sweep reads the converters again.
    bool readingsFromFile() const { return readingsFromFile_; }

    // The stride between swept sample indices (Settings.Step, at least 1), from the next tick
    // on, so that no sweep mixes two: the fast tuning sweep measures every n-th sample.
    void setSweepStride(int stride);
    // Whether port accesses failed during the latest sweep (its readings are no measurement).
    bool portAccessesFailed() const { return !portFailureNotice_.isEmpty(); }

    // Averaging of the last 1, 2, 4, 8 or 16 sweeps (another depth means 1): from the next
    // sweep, data() holds the average, for the curves, the observers, saves and exports alike.
    // It starts again when the limits change, under Hold and when a file is opened.
    void setAverageDepth(int depth);
    int averageDepth() const { return average_.depth(); }
    int averagedSweeps() const { return average_.count(); }
    // What the strip says of the averaging ("Averaging 4 of 8 sweeps"); empty for depth 1.
    static QString averagingNoticeFor(int sweeps, int depth);

    // What an observer reads after sweepFinished().
    const SweepData& data() const { return data_; }
    const Settings& settings() const { return settings_; }  // Champ, Step, FMin, FMax, ...
    // Hz per sample index and the lower limit (Hz) the latest sweep was made with.
    double freqStep() const { return engine_.FreqStep(); }
    float fMin() const { return settings_.FMin; }
    // Hold holds at any value but unticked.
    bool holdTicked() const;
    const BackEndInfo& backEnd() const { return backEnd_; }
    float xScale() const { return xScale_; }
    const QTimer& sweepTimer() const { return timer_; }
    bool ticking() const { return engine_.ticking(); }

    // The calibration: the readings of every sweep that lies wholly within its range are
    // corrected as they are read (SweepEngine::onCorrection); a sweep reaching outside is not
    // corrected and the status strip says so. `name` is how the strip names it (the file).
    void setCalibration(const Calibration& calibration, const QString& name);
    void clearCalibration();
    // While the standards are swept the readings must stay as read: no correction, and the
    // strip says so.
    void setCalibrating(bool calibrating);
    const Calibration* calibration() const { return calibration_.get(); }
    const QString& calibrationName() const { return calibrationName_; }
    // Whether the latest sweep was corrected (the main window then shows its R.L. offset box as
    // not in use).
    bool calibrationApplies() const { return calibrationApplies_; }

    QString statusText() const;
    // What the strip says of the port accesses that failed in the latest sweep; empty if none.
    const QString& portFailureNotice() const { return portFailureNotice_; }
    // The strip stands out while the data is simulated or a notice stands.
    bool statusIsWarning() const;
    // Each part starts a line: the back end, why the port was not used, the range notice, the
    // failed port accesses, the averaging.
    static QString statusTextFor(const BackEndInfo& backEnd, const QString& rangeNotice = {},
                                 const QString& portFailureNotice = {},
                                 const QString& averagingNotice = {},
                                 const QString& calibrationNotice = {});
    // What the strip says after a sweep in which `failures` port accesses failed; empty for 0.
    static QString portFailureNoticeFor(std::uint64_t failures);

  Q_SIGNALS:
    void sweepFinished();
    void statusChanged();
    // The calibration came to apply or ceased to (calibrationApplies()).
    void calibrationChanged();

  private:
    // The engine's redraw after a sweep: first `beforeDrawing` (the averaging), then the curves,
    // counted so that tick() knows whether the tick swept.
    class CountedRedraw final : public SweepRedraw {
      public:
        CountedRedraw(CurveDrawing& drawing, std::function<void()> beforeDrawing)
            : drawing_(drawing), beforeDrawing_(std::move(beforeDrawing)) {}
        void redraw() override;
        std::uint64_t count() const { return count_; }

      private:
        CurveDrawing& drawing_;
        std::function<void()> beforeDrawing_;
        std::uint64_t count_ = 0;
    };

    void setNotice(QString& notice, const QString& text);
    // Folds the sweep just read into the average; a sweep under Hold read nothing new.
    void averageSweep();
    void restartAverage();
    SweepEngine::ReadingCorrection correctionFor(double lowHz, double highHz);
    void setCalibrationApplies(bool applies);

    Settings settings_;
    std::unique_ptr<PortIo> port_;
    BackEndInfo backEnd_;
    QLocale locale_;
    SweepControls& sweepControls_;
    FileCommandControls& fileControls_;
    SweepData data_;
    float xScale_;
    QtEventPump pump_;
    PortLink link_;
    CurveDrawing drawing_;
    CountedRedraw redraw_;
    SweepEngine engine_;
    FileCommands fileCommands_;
    ColourCommands colourCommands_;
    QTimer timer_;
    QString rangeNotice_;
    QString portFailureNotice_;
    SweepAverage average_;
    QString averagingNotice_;
    bool heldAtTickStart_ = false;
    std::shared_ptr<const Calibration> calibration_;
    QString calibrationName_;
    QString calibrationNotice_;
    bool calibrationWarning_ = false;
    bool calibrating_ = false;
    bool calibrationApplies_ = false;
    FileDialog& fileDialog_;
    MessageReporter& reporter_;
    bool readingsFromFile_ = false;
    std::optional<std::int16_t> pendingStride_;
};

}  // namespace ravemo
