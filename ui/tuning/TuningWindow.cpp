#include "ui/tuning/TuningWindow.h"

#include <utility>

#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>

#include "analysis/DirectivityFloor.h"
#include "analysis/SweepSamples.h"
#include "common/Units.h"
#include "files/AntennaSamplesFile.h"
#include "files/report/AntennaReport.h"
#include "files/report/ReportFile.h"
#include "files/report/ReportPictures.h"
#include "analysis/NearestSample.h"
#include "plot/ReferenceShift.h"
#include "plot/TuningTables.h"
#include "plot/Verdicts.h"
#include "ui/Measurement.h"
#include "ui/WindowDialogs.h"
#include "ui/aural/AuralBar.h"
#include "ui/cable/CableWindow.h"
#include "ui/share/ShareWindow.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/CalibrationDialog.h"
#include "ui/tuning/DipsPanel.h"
#include "ui/tuning/FeedlineBar.h"
#include "ui/tuning/HistoryStripWidget.h"
#include "ui/tuning/ReportPathDialog.h"
#include "ui/tuning/ScreenFit.h"
#include "ui/tuning/SmithChartWidget.h"
#include "ui/tuning/SweepAroundLimits.h"
#include "ui/tuning/TuningChartWidget.h"
#include "ui/tuning/TuningPanes.h"
#include "ui/tuning/TuningToolBar.h"

namespace ravemo {
namespace {

// The picture "Copy picture" gives: wide enough for the chart's ticks, at a resolution that
// keeps its labels readable when pasted at its size.
constexpr int kPictureWidthPx = 1500;
constexpr int kPictureHeightPx = 650;
constexpr double kPictureDpi = 110.0;

const QString kReadoutHint = QStringLiteral(
    "Point at the chart to read a sample; the wheel zooms, a drag pans, a double-click shows "
    "the whole sweep.");

QString TrimLine(const std::optional<TrimAdvice>& trim, double swrLimit, const QLocale& locale) {
    if (!trim) return QStringLiteral("Trim: type a target frequency above for advice.");
    return TrimSentence(*trim, swrLimit, locale).toHtmlEscaped();
}

// `set` at the plane `line` leads to: as it is without a line, else at the antenna.
AntennaSamples AtPlane(const AntennaSamples& set, const std::optional<Feedline>& line,
                       std::vector<UnseenStretch>* unseen) {
    if (unseen != nullptr) unseen->clear();
    if (!line) return set;
    FeedpointSamples fed = SamplesAtAntenna(set, *line);
    if (unseen != nullptr) *unseen = std::move(fed.unseen);
    return std::move(fed.samples);
}

}  // namespace

QString TuningWindow::titleFor(const BackEndInfo& backEnd) {
    return QStringLiteral("Ravemo tuning - ") +
           (backEnd.simulated ? QStringLiteral("SIMULATED instrument") : backEnd.description);
}

TuningWindow::TuningWindow(Measurement& measurement, WindowDialogs& dialogs, const QLocale& locale,
                           QString preferencesPath, QWidget* parent)
    : QMainWindow(parent),
      measurement_(measurement),
      dialogs_(dialogs),
      fileDialog_(dialogs.makeFileDialog(this)),
      reporter_(dialogs.makeReporter(this)),
      locale_(locale),
      preferencesPath_(std::move(preferencesPath)),
      toolBar_(new TuningToolBar(locale, this)),
      feedlineBar_(new FeedlineBar(this)),
      aural_(new AuralBar(measurement, *this, locale)),
      chart_(new TuningChartWidget),
      readout_(new QLabel(kReadoutHint)),
      historyStrip_(new HistoryStripWidget(locale)),
      smith_(new SmithChartWidget),
      dips_(new DipsPanel),
      bands_(new BandsPanel) {
    setObjectName(QStringLiteral("TuningWindow"));
    setWindowTitle(titleFor(measurement.backEnd()));
    addToolBar(toolBar_);
    addToolBar(&toolBar_->commandBar());
    addToolBar(feedlineBar_);
    addToolBarBreak();
    addToolBar(aural_);
    buildPanes();
    connectControls();
    applyPreferences(LoadTuningPreferences(preferencesPath_));
    // A sweep made before the window was opened is shown at once.
    if (measurement_.freqStep() != 0.0) analyseLatestSweep();
}

TuningWindow::~TuningWindow() = default;

void TuningWindow::buildPanes() {
    readout_->setObjectName(QStringLiteral("Readout"));
    readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panes_ = BuildTuningPanes({chart_, readout_, historyStrip_, smith_, dips_, bands_}, this);
    setCentralWidget(panes_.scroll);
}

void TuningWindow::connectControls() {
    connect(&measurement_, &Measurement::sweepFinished, this, &TuningWindow::onSweepFinished);
    connect(toolBar_, &TuningToolBar::viewChoiceChanged, this, [this] {
        choices_.scale = toolBar_->scale();
        choices_.rightAxis = toolBar_->rightAxis();
        showPictures();
    });
    connect(toolBar_, &TuningToolBar::analysisChoiceChanged, this, [this] {
        choices_.region = toolBar_->region();
        bands_->setPickerBands(AmateurBandsOf(choices_.region));
        analyse();
    });
    toolBar_->showAverageDepth(measurement_.averageDepth());
    connect(toolBar_, &TuningToolBar::averageDepthChanged, &measurement_,
            &Measurement::setAverageDepth);
    connect(&toolBar_->keepReferenceAction(), &QAction::triggered, this,
            &TuningWindow::keepReference);
    connect(&toolBar_->loadReferenceAction(), &QAction::triggered, this,
            &TuningWindow::chooseReferenceFile);
    connect(&toolBar_->clearReferenceAction(), &QAction::triggered, this,
            &TuningWindow::clearReference);
    connect(&toolBar_->saveReportAction(), &QAction::triggered, this,
            &TuningWindow::chooseReportFile);
    connect(&toolBar_->copyPictureAction(), &QAction::triggered, this, &TuningWindow::copyPicture);
    connect(&toolBar_->cableAction(), &QAction::triggered, this, &TuningWindow::openCableWindow);
    connect(&toolBar_->calibrationAction(), &QAction::triggered, this,
            [this] { showCalibration(); });
    connect(&toolBar_->shareAction(), &QAction::triggered, this,
            [this] { ShareWindow::showFor(*this, measurement_); });

    connect(chart_, &TuningChartWidget::crosshairMoved, this, [this](double hz) {
        choices_.crosshairHz = hz;
        showPictures();
    });
    connect(chart_, &TuningChartWidget::crosshairLeft, this, [this] {
        if (!choices_.crosshairHz) return;
        choices_.crosshairHz.reset();
        showPictures();
    });
    connect(chart_, &TuningChartWidget::viewChanged, this, [this](const FrequencyView& view) {
        choices_.zoom = view;
        showPictures();
    });
    connect(chart_, &TuningChartWidget::viewReset, this, [this] {
        choices_.zoom.reset();
        showPictures();
    });
    connect(feedlineBar_, &FeedlineBar::changed, this, &TuningWindow::analyse);
    connect(dips_, &DipsPanel::sweepAroundDip, this, &TuningWindow::sweepAroundDip);
    connect(bands_, &BandsPanel::sweepBand, this, &TuningWindow::sweepBand);
}

void TuningWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!sweepWhileHidden_) return;
    sweepWhileHidden_ = false;
    analyseLatestSweep();
}

void TuningWindow::onSweepFinished() {
    if (!isVisible()) {
        sweepWhileHidden_ = true;
        return;
    }
    const bool measured = !measurement_.holdTicked();
    analyseLatestSweep();
    aural_->sweepFinished();
    if (measured) {
        history_.add(HistoryPointOf(live_, analysis_));
        historyStrip_->setPoints(history_.points());
    }
}

void TuningWindow::analyseLatestSweep() {
    const SweepFrequencies frequencies{static_cast<double>(measurement_.fMin()),
                                       measurement_.freqStep()};
    if (sweptFrequencies_ != frequencies) {
        // Other limits: the history and the zoom of the old range mean nothing here.
        sweptFrequencies_ = frequencies;
        history_.clear();
        historyStrip_->setPoints(history_.points());
        choices_.zoom.reset();
    }
    measured_ = SamplesFromSweep(measurement_.data(), measurement_.settings().Step);
    if (measurement_.calibrationApplies() && measurement_.calibration() != nullptr) {
        MarkDirectivityFloor(measured_.samples, *measurement_.calibration());
    }
    analyse();
}

AnalysisOptions TuningWindow::analysisOptions() const {
    AnalysisOptions options;
    options.maxDips = kListedDips;
    options.region = choices_.region;
    options.targetHz = toolBar_->targetHz();
    return options;
}

void TuningWindow::analyse() {
    const std::optional<Feedline> line = feedlineBar_->lineToAntenna();
    live_ = AtPlane(measured_, line, &unseen_);
    reference_.reset();
    if (measuredReference_) reference_ = AtPlane(*measuredReference_, line, nullptr);
    const AnalysisOptions options = analysisOptions();
    analysis_ = AnalyseAntenna(live_, options);
    if (reference_) referenceAnalysis_ = AnalyseAntenna(*reference_, options);
    showPictures();
    showTexts();
    aural_->follow(live_, analysis_, options.targetHz);
}

void TuningWindow::showPictures() {
    const TuningScene scene =
        BuildTuningScene(live_, analysis_, reference_ ? &*reference_ : nullptr, choices_, locale_);
    chart_->setContent(scene.chart);
    smith_->setContent(scene.smith);
    showReadout();
}

void TuningWindow::showReadout() {
    const std::optional<AntennaSample> sample =
        choices_.crosshairHz ? NearestSample(live_.samples, *choices_.crosshairHz) : std::nullopt;
    readout_->setText(sample ? SampleReadoutText(*sample, live_.sign, locale_) : kReadoutHint);
}

void TuningWindow::showTexts() {
    dips_->showDips(DipTable(analysis_.dips, live_, locale_));
    dips_->showResonances(ResonancesText(analysis_.resonances, locale_));
    dips_->showTrim(TrimLine(analysis_.trim, kDefaultSwrLimit, locale_));
    dips_->showReferenceShift(
        reference_ && !live_.samples.empty()
            ? QStringLiteral("Reference (%1): %2")
                  .arg(referenceName_,
                       ReferenceShiftText(HistoryPointOf(live_, analysis_),
                                          HistoryPointOf(*reference_, referenceAnalysis_), locale_))
            : QString());
    bands_->showBands(BandTable(analysis_.bands, locale_));
    const QString plane = planeText();
    dips_->showPlane(plane);
    bands_->showPlane(plane);
}

QString TuningWindow::planeText() const {
    if (const std::optional<Feedline> line = feedlineBar_->lineToAntenna()) {
        return FeedpointText(*line, unseen_, locale_);
    }
    return feedlineBar_->feedlineText().isEmpty() ? QString()
                                                  : PlaneWords(ReferencePlane::Analyser);
}

void TuningWindow::keepReference() {
    if (measured_.samples.empty()) return;
    setReference(measured_, tr("kept at %1")
                                .arg(locale_.toString(QDateTime::currentDateTime().time(),
                                                      QLocale::ShortFormat)));
}

QString TuningWindow::loadReference(const QString& path) {
    AntennaSamplesRead read = ReadAntennaSamplesFile(path, measurement_.settings().Step);
    if (!read.set) return read.error;
    setReference(std::move(read.set), QFileInfo(path).fileName());
    return {};
}

void TuningWindow::openCableWindow() {
    if (!cable_) cable_ = new CableWindow(measurement_, dialogs_, locale_, this);
    cable_->show();
    cable_->raise();
    cable_->activateWindow();
}

void TuningWindow::clearReference() { setReference(std::nullopt, {}); }

void TuningWindow::setReference(std::optional<AntennaSamples> set, QString name) {
    measuredReference_ = std::move(set);
    referenceName_ = std::move(name);
    toolBar_->clearReferenceAction().setEnabled(measuredReference_.has_value());
    analyse();
}

void TuningWindow::chooseReferenceFile() {
    fileDialog_->setFilter(
        tr("Sweeps and Touchstone files|*.vec;*.s1p|Sweep files|*.vec|"
           "Touchstone files|*.s1p|All files|*|"));
    fileDialog_->setFilterIndex(1);
    if (!fileDialog_->showOpen()) return;  // cancelled
    const QString error = loadReference(fileDialog_->fileName());
    if (!error.isEmpty()) reporter_->reportError(tr("Load reference"), error);
}

QString TuningWindow::saveReport(const QString& path) {
    if (live_.samples.empty()) return tr("There is no sweep to report yet: start a sweep first.");
    const AnalysisOptions options = analysisOptions();
    const BackEndInfo& backEnd = measurement_.backEnd();
    QString source = measurement_.holdTicked() ? tr("%1, held data").arg(backEnd.description)
                                               : backEnd.description;
    if (measurement_.averagedSweeps() > 1) {
        source += tr(", average of %1 sweeps").arg(measurement_.averagedSweeps());
    }
    ReportInput input{QFileInfo(path).completeBaseName(),
                      source,
                      QDateTime::currentDateTime(),
                      live_,
                      analysis_,
                      options,
                      reference_ ? &*reference_ : nullptr,
                      choices_,
                      referenceName_,
                      reference_ ? &referenceAnalysis_ : nullptr,
                      history_.points()};
    input.feedpoint = live_.plane == ReferencePlane::Antenna ? planeText() : QString();
    const std::optional<QString> error = SaveReport(path, BuildAntennaReport(input, locale_));
    if (!error) return {};
    return tr("The report could not be saved to %1: %2")
        .arg(QDir::toNativeSeparators(path), *error);
}

QImage TuningWindow::picture() const {
    TuningViewChoices choices = choices_;
    choices.crosshairHz.reset();
    return ScenePicture(
        BuildTuningScene(live_, analysis_, reference_ ? &*reference_ : nullptr, choices, locale_),
        QSize(kPictureWidthPx, kPictureHeightPx), kPictureDpi, PlotStyle{});
}

void TuningWindow::copyPicture() { QGuiApplication::clipboard()->setImage(picture()); }

void TuningWindow::chooseReportFile() {
    const QString path = AskReportPath(*fileDialog_);
    if (path.isEmpty()) return;  // cancelled
    const QString error = saveReport(path);
    if (!error.isEmpty()) reporter_->reportError(tr("Save report"), error);
}

void TuningWindow::sweepAroundDip(int row) {
    if (row < 0 || row >= static_cast<int>(analysis_.dips.size())) return;
    const SweepLimitsHz limits = LimitsAroundDip(analysis_.dips[static_cast<std::size_t>(row)]);
    measurement_.sweepLimitsMHz(limits.lowHz / kHzPerMHz, limits.highHz / kHzPerMHz);
}

void TuningWindow::sweepBand(int pickerIndex) {
    const std::vector<AmateurBand> bands = AmateurBandsOf(choices_.region);
    if (pickerIndex < 0 || pickerIndex >= static_cast<int>(bands.size())) return;
    const SweepLimitsHz limits = LimitsAroundBand(bands[static_cast<std::size_t>(pickerIndex)]);
    measurement_.sweepLimitsMHz(limits.lowHz / kHzPerMHz, limits.highHz / kHzPerMHz);
}

CalibrationDialog& TuningWindow::showCalibration() {
    if (calibration_ == nullptr) calibration_ = new CalibrationDialog(measurement_, dialogs_, this);
    calibration_->show();
    calibration_->raise();
    calibration_->activateWindow();
    return *calibration_;
}

}  // namespace ravemo
