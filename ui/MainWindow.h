#pragma once

#include <memory>
#include <optional>

#include <QLocale>
#include <QString>
#include <QWidget>

#include "common/Settings.h"
#include "instrument/PortIo.h"
#include "sweep/SweepData.h"
#include "ui/MainWindowControls.h"
#include "ui/chart/Twips.h"

class QLabel;
class QTimer;

namespace ravemo {

class ColourCommands;
class CurveDrawing;
class FileCommands;
class HelpWindow;
class QtColourDialog;
class QtEventPump;
class QtFileDialog;
class QtMessageReporter;
class SweepEngine;
class WindowColourTargets;
class WindowCurveControls;
class WindowFileControls;
class WindowSweepControls;

// Which back end drives the instrument, as the caption and the status line tell the user.
struct BackEndInfo {
    QString description;  // e.g. "simulated instrument: dipole resonant near 14.2 MHz"
    bool simulated = true;
    // Why the port asked for could not be used, when the simulator stands in for it; empty
    // otherwise. The status line keeps it in sight for the whole run.
    QString portProblem;
};

// chart1, the program's only working window. Its load handler runs when the window is built,
// before it first paints: it lays out the chart from its size, colours the legends, creates the
// sample arrays from settings.Champ, starts the 50 ms sweep timer and clears the synthesiser
// through `port` (the program's first port access). Closing the window ends the program at
// once, also in the middle of a sweep. Settings and port outlive the window.
//
// settings.Champ and settings.Step must be at least 1 (std::invalid_argument otherwise; the
// start-up rejects such settings with a message first).
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTimerIntervalMs = 50;
    static constexpr double kClientWidthTwips = 11775.0;
    static constexpr double kClientHeightTwips = 9210.0;
    // The status line runs below the designed client area (and below the help hint, which
    // reaches 30 twips past it). It is one line high, and grows (with the window) by the lines
    // a port problem or a range notice needs.
    static constexpr double kStatusLineTopTwips = 9255.0;
    static constexpr double kStatusLineHeightTwips = 300.0;

    // Numbers are shown and read in `locale`, the user's.
    MainWindow(Settings& settings, PortIo& port, BackEndInfo backEnd, const QLocale& locale,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The caption for a back end: the program, its version and, when simulated, a plain warning.
    static QString captionFor(const BackEndInfo& backEnd);
    // The status line's text for a back end, with the sweep's range notice (empty: none). Each
    // part starts a line: the back end, why the port was not used, the notice.
    static QString statusTextFor(const BackEndInfo& backEnd, const QString& rangeNotice = {});

    const MainWindowControls& controls() const { return c_; }
    SweepData& sweepData() { return *data_; }
    float xScale() const { return xScale_; }
    QTimer& sweepTimer() { return *timer1_; }
    SweepEngine& engine() { return *engine_; }
    QLabel& statusLine() { return *statusLine_; }
    // The manual's window once F1 has opened it, else null.
    HelpWindow* helpWindow() const { return help_; }

    // F1: opens (or raises) the manual.
    void showHelp();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildWindow();
    void showRangeNotice(const QString& notice);
    void refreshStatusLine();
    int statusLineHeight() const;
    void placeStatusLine();
    void load();
    void placeChartScales();
    void colourLegends();
    void createSweep();
    void connectHandlers();
    void onFullSweepChanged();
    void onHoldChanged();

    Settings& settings_;
    PortIo& port_;
    BackEndInfo backEnd_;
    QLocale locale_;
    TwipsScale scale_;
    MainWindowControls c_;
    QLabel* statusLine_ = nullptr;
    QString rangeNotice_;
    QTimer* timer1_ = nullptr;
    HelpWindow* help_ = nullptr;
    QString applicationDir_;

    std::optional<SweepData> data_;
    float xScale_ = 0.0F;
    std::unique_ptr<QtEventPump> pump_;
    std::unique_ptr<WindowSweepControls> sweepControls_;
    std::unique_ptr<WindowCurveControls> curveControls_;
    std::unique_ptr<WindowFileControls> fileControls_;
    std::unique_ptr<WindowColourTargets> colourTargets_;
    std::unique_ptr<CurveDrawing> drawing_;
    std::unique_ptr<SweepEngine> engine_;
    std::unique_ptr<QtFileDialog> fileDialog_;
    std::unique_ptr<QtMessageReporter> reporter_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<QtColourDialog> colourDialog_;
    std::unique_ptr<ColourCommands> colourCommands_;
};

}  // namespace ravemo
