#pragma once

#include <memory>
#include <optional>
#include <utility>

#include <QLocale>
#include <QMainWindow>
#include <QString>

#include "analysis/AntennaAnalysis.h"
#include "analysis/AntennaSample.h"
#include "analysis/FeedpointSamples.h"
#include "plot/TuningHistory.h"
#include "plot/TuningScene.h"
#include "ui/tuning/TuningPanes.h"
#include "ui/tuning/TuningPreferences.h"

class QImage;
class QLabel;
class QScrollArea;

namespace ravemo {

class AuralBar;
class BandsPanel;
class CalibrationDialog;
class CableWindow;
class DipsPanel;
class FeedlineBar;
class FileDialog;
class HistoryStripWidget;
class Measurement;
class MessageReporter;
class SmithChartWidget;
class TuningChartWidget;
class TuningToolBar;
class WindowDialogs;
struct BackEndInfo;

// The tuning window: the latest sweep of the measurement analysed for a ham tuning an antenna.
// The tuning chart (with the frequency under the mouse read out below it) and the history strip
// on the left, the Smith chart beside them, the dips and the bands below.
//
// It follows the measurement's sweepFinished() and reads its data; it never touches the port.
// While hidden it does nothing but note that a sweep came. Under Hold it shows the held data
// and adds nothing to the history (nothing new was measured). The history and the zoom start
// afresh when the sweep's start or step changes. Its choices, size and pane sizes are kept in
// the file at `preferencesPath` when it closes. Its file dialogs and message boxes, and those of
// the windows it opens, come from `dialogs`, which must outlive it.
class TuningWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // At most this many dips are listed and marked.
    static constexpr int kListedDips = 5;

    TuningWindow(Measurement& measurement, WindowDialogs& dialogs, const QLocale& locale,
                 QString preferencesPath, QWidget* parent = nullptr);
    ~TuningWindow() override;

    // "Ravemo tuning - " and the back end, as the main window's caption names it.
    static QString titleFor(const BackEndInfo& backEnd);

    // Analyses the measurement's latest sweep, as after each sweep while the window is shown.
    void analyseLatestSweep();

    // The reference trace: the latest sweep, a file (.vec or .s1p, Load reference...), or none.
    void keepReference();
    void clearReference();

    // The tuning chart and the Smith chart as the window shows them, in one picture.
    QImage picture() const;
    // Puts picture() on the clipboard.
    void copyPicture();
    // The calibration dialog (tool bar, Ctrl+K), made on first use and kept.
    CalibrationDialog& showCalibration();

    // "Sweep there": the measurement unticks Hold and Full Sweep and writes the main window's
    // limit boxes, after asking when the readings shown were opened from a file.
    void sweepAroundDip(int row);
    void sweepBand(int pickerIndex);

    const AntennaAnalysis& analysis() const { return analysis_; }
    // The latest sweep's samples at the plane the feedline bar chooses, as analysed.
    const AntennaSamples& liveSamples() const { return live_; }
    // What the analysis of the latest sweep was asked for: dips listed, band region, target.
    AnalysisOptions analysisOptions() const;
    const TuningHistory& history() const { return history_; }
    // Starts the history afresh on another clock (tests control time with it).
    void setHistoryClock(TuningHistory::Clock clock) { history_ = TuningHistory(std::move(clock)); }
    TuningPreferences preferences() const;

    TuningToolBar& toolBar() const { return *toolBar_; }
    FeedlineBar& feedlineBar() const { return *feedlineBar_; }
    AuralBar& auralBar() const { return *aural_; }
    DipsPanel& dipsPanel() const { return *dips_; }
    BandsPanel& bandsPanel() const { return *bands_; }
    TuningChartWidget& chart() const { return *chart_; }
    SmithChartWidget& smith() const { return *smith_; }
    HistoryStripWidget& historyStrip() const { return *historyStrip_; }
    QScrollArea& panesScroll() const { return *panes_.scroll; }

    // Shows the Cable window (made on first use) and brings it to the front.
    void openCableWindow();
    // The Cable window, or none before it was first opened.
    CableWindow* cableWindow() const { return cable_; }

    // No menu for hiding the tool bar: the window has no other way to show it again.
    QMenu* createPopupMenu() override { return nullptr; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The message for the user, empty when the file was taken.
    QString loadReference(const QString& path);
    // The report of what the window shows (the sweep or the held data, the region, the target
    // and the reference; not the crosshair), saved in the format of the path's extension. The
    // message for the user, empty when it was saved.
    QString saveReport(const QString& path);
    // Where the figures stand, for the views' titles: empty without a feedline.
    QString planeText() const;
    // What identifies a sweep's frequencies: its start and its step.
    struct SweepFrequencies {
        double startHz = 0.0;
        double stepHz = 0.0;
        bool operator==(const SweepFrequencies&) const = default;
    };

    void buildPanes();
    // The commands bar goes under the choices where the window is too narrow for both in a row.
    void wrapToolBars();
    void connectControls();
    void applyPreferences(const TuningPreferences& preferences);
    void onSweepFinished();
    void analyse();
    void showPictures();
    void showTexts();
    void showReadout();
    void chooseReferenceFile();
    void chooseReportFile();
    void setReference(std::optional<AntennaSamples> set, QString name);

    Measurement& measurement_;
    WindowDialogs& dialogs_;
    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<MessageReporter> reporter_;
    QLocale locale_;
    QString preferencesPath_;

    TuningToolBar* toolBar_;
    FeedlineBar* feedlineBar_;
    AuralBar* aural_;
    CalibrationDialog* calibration_ = nullptr;
    TuningChartWidget* chart_;
    QLabel* readout_;
    HistoryStripWidget* historyStrip_;
    SmithChartWidget* smith_;
    DipsPanel* dips_;
    BandsPanel* bands_;
    CableWindow* cable_ = nullptr;
    TuningPanes panes_;

    // The sweep and the reference as measured at the analyser, and as shown: at the plane the
    // feedline bar chooses, with the frequencies where the antenna cannot be seen.
    AntennaSamples measured_;
    std::optional<AntennaSamples> measuredReference_;
    AntennaSamples live_;
    std::vector<UnseenStretch> unseen_;
    AntennaAnalysis analysis_;
    std::optional<AntennaSamples> reference_;
    QString referenceName_;  // the file's name, or when the sweep was kept
    AntennaAnalysis referenceAnalysis_;
    TuningHistory history_;
    TuningViewChoices choices_;
    std::optional<SweepFrequencies> sweptFrequencies_;
    bool sweepWhileHidden_ = false;
};

}  // namespace ravemo
