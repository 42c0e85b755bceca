#pragma once

#include <memory>

#include <QLocale>
#include <QString>
#include <QWidget>

#include "common/Settings.h"
#include "instrument/PortChoice.h"
#include "ui/MainWindowControls.h"
#include "ui/SweepSwitches.h"
#include "ui/chart/Twips.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace ravemo {

class HelpWindow;
class Measurement;
class FileDialog;
class MessageReporter;
class QtColourDialog;
class TuningWindow;
class WindowColourTargets;
class WindowCurveControls;
class WindowFileControls;
class WindowSweepControls;
class WindowDialogs;
struct BackEndInfo;

// chart1, the program's main working window. It keeps the widgets and their events; the
// running measurement (ui/Measurement.h) owns the settings, the arrays, the port and the sweep,
// and works on the widgets through the window's adapters. Its load handler runs when the
// window is built, before it first paints: it lays out the chart from its size and colours the
// legends, has the measurement run its steps (the arrays, the sweep timer, the synthesiser
// clear through the port: the program's first port access), then fills the limit boxes.
// Closing the window ends the program at once, also in the middle of a sweep, and closes the
// tuning window (ui/tuning/TuningWindow.h) with it.
//
// settings.Champ and settings.Step must be at least 1 (std::invalid_argument otherwise; the
// start-up rejects such settings with a message first). Numbers are shown and read in
// `locale`, the user's. Every window's file dialogs and message boxes come from `dialogs` (Qt's
// when null; when given, it must outlive the window and the windows it opens).
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr double kClientWidthTwips = 11775.0;
    // The status line runs below the designed client area (and below the help hint, which
    // reaches 30 twips past it). It is one line high, and grows (with the window) by the lines
    // its notices need.
    static constexpr double kStatusLineTopTwips = 9255.0;
    static constexpr double kStatusLineHeightTwips = 300.0;

    MainWindow(Settings settings, OpenedPort backEnd, const QLocale& locale,
               WindowDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The size of a window of `window` pixels on a screen with `room` for it: no larger than
    // the room, and wider by the scroll bar where the height has to scroll.
    static QSize sizeToFit(QSize window, QSize room, int scrollBarWidth);

    // The caption for a back end: the program, its version and, when simulated, a plain warning.
    static QString captionFor(const BackEndInfo& backEnd);

    const MainWindowControls& controls() const { return c_; }
    Measurement& measurement() { return *measurement_; }
    QLabel& statusLine() { return *statusLine_; }
    QPushButton& tuningButton() { return *tuningButton_; }
    // The designed client area with every control, inside a scroll area that fills the window
    // above the status line: on a screen smaller than the design it scrolls, unchanged.
    QWidget& clientArea() { return *client_; }
    QScrollArea& clientScroll() { return *scroll_; }
    // The tuning window once F2 or the Tuning button has opened it, else null.
    TuningWindow* tuningWindow() const { return tuning_.get(); }

    // F1: opens (or raises) the manual.
    void showHelp();
    // F2, the Tuning button and --tuning: opens (or raises) the tuning window. Its choices are
    // kept in the file at `preferencesPath`, by default ~/.config/ravemo/tuning.ini.
    void showTuning();
    void setTuningPreferencesPath(const QString& preferencesPath);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    using SwitchRule = SwitchEnables (*)(int fullSweep, int hold, SwitchEnables current);

    void buildWindow();
    void buildAdapters();
    void load(Settings settings, OpenedPort backEnd);
    void placeChartScales();
    void colourLegends(const Settings& settings);
    void connectHandlers();
    void applySwitchRule(SwitchRule rule);
    void refreshStatusLine();
    int statusLineHeight() const;
    void placeStatusLine();
    void fitOnScreen();

    QLocale locale_;
    TwipsScale scale_;
    MainWindowControls c_;
    QScrollArea* scroll_ = nullptr;
    QWidget* client_ = nullptr;
    QLabel* statusLine_ = nullptr;
    QPushButton* tuningButton_ = nullptr;
    HelpWindow* help_ = nullptr;
    QString applicationDir_;
    QString tuningPreferencesPath_;
    bool fittedOnScreen_ = false;

    std::unique_ptr<WindowSweepControls> sweepControls_;
    std::unique_ptr<WindowCurveControls> curveControls_;
    std::unique_ptr<WindowFileControls> fileControls_;
    std::unique_ptr<WindowColourTargets> colourTargets_;
    std::unique_ptr<WindowDialogs> qtDialogs_;
    WindowDialogs* dialogs_;
    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<MessageReporter> reporter_;
    std::unique_ptr<QtColourDialog> colourDialog_;
    // It works through the adapters above and goes before them.
    std::unique_ptr<Measurement> measurement_;
    // Last: it observes the measurement and goes before it. A window of its own, not a child:
    // the window manager must not keep it above the main window.
    std::unique_ptr<TuningWindow> tuning_;
};

}  // namespace ravemo
