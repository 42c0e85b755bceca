#include "ui/MainWindow.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QThread>
#include <QToolButton>

#include "common/ColourNumber.h"
#include "common/NumberText.h"
#include "common/ProgramVersion.h"
#include "common/Units.h"
#include "ui/AdapterWidgets.h"
#include "ui/ChartGeometry.h"
#include "ui/CheckBoxes.h"
#include "ui/ControlFactory.h"
#include "ui/HelpWindow.h"
#include "ui/Measurement.h"
#include "ui/QtColourDialog.h"
#include "ui/QtWindowDialogs.h"
#include "ui/WindowColourTargets.h"
#include "ui/WindowCurveControls.h"
#include "ui/WindowFileControls.h"
#include "ui/WindowLayout.h"
#include "ui/WindowSweepControls.h"
#include "ui/access/MainWindowKeys.h"
#include "ui/access/MainWindowNames.h"
#include "ui/access/TuningWindowKeys.h"
#include "ui/access/TuningWindowNames.h"
#include "ui/chart/ChartWidget.h"
#include "ui/chart/MarkerPlacement.h"
#include "ui/tuning/TuningPreferences.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

constexpr double kDefaultLogicalDpi = 96.0;
// The Tuning button at the right end of the status line.
constexpr double kTuningButtonWidthTwips = 1200.0;
// Room kept for the window's title bar when fitting it on a small screen before the window
// manager has told its frame.
constexpr double kAssumedTitleBarTwips = 450.0;
const char* const kOffsetStartDb = "0";

double screenLogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kDefaultLogicalDpi;
}

}  // namespace

QString MainWindow::captionFor(const BackEndInfo& backEnd) {
    const QString program = QStringLiteral("Ravemo %1 - HF antenna analyser").arg(CaptionVersion());
    if (backEnd.simulated) return program + QStringLiteral(" - SIMULATED instrument");
    return program + QStringLiteral(" - ") + backEnd.description;
}

MainWindow::MainWindow(Settings settings, OpenedPort backEnd, const QLocale& locale,
                       WindowDialogs* dialogs, QWidget* parent)
    : QWidget(parent),
      locale_(locale),
      scale_(screenLogicalDpi()),
      applicationDir_(QCoreApplication::applicationDirPath()),
      qtDialogs_(dialogs == nullptr ? std::make_unique<QtWindowDialogs>() : nullptr),
      dialogs_(dialogs == nullptr ? qtDialogs_.get() : dialogs) {
    buildWindow();
    buildAdapters();
    load(std::move(settings), std::move(backEnd));
    connectHandlers();
    // Every command by key, every control named for a screen reader (ui/access/).
    InstallMainWindowKeys(*this);
    NameMainWindowControls(*this, locale_);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
    setObjectName(QStringLiteral("chart1"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ravemo.png")));
    setFont(WindowFont(kSmallFontPt));

    // The designed client area, unchanged, in a scroll area: a screen smaller than the design
    // scrolls it rather than hiding its lower rows.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ClientScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setFixedSize(scale_.toPixelsRounded(kClientWidthTwips),
                          scale_.toPixelsRounded(kStatusLineTopTwips));
    scroll_->setWidget(client_);

    const ControlFactory factory(scale_);
    BuildChartArea(factory, client_, c_);
    BuildSweepLimitsFrame(factory, client_, c_);
    BuildCurveFrame(factory, client_, c_);
    BuildMarkerFrame(factory, client_, c_);
    ApplyTabOrder(c_);

    // Which back end runs, always in sight: simulated data must never pass for measured data.
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusLine_->setFrameShape(QFrame::StyledPanel);
    statusLine_->setFrameShadow(QFrame::Sunken);
    statusLine_->setContentsMargins(4, 0, 4, 0);
    statusLine_->setWordWrap(true);

    tuningButton_ = new QPushButton(tr("Tuning"), this);
    tuningButton_->setObjectName(QStringLiteral("TuningButton"));
    tuningButton_->setToolTip(
        tr("Open the tuning window (F2): the SWR dips, bands, trim advice "
           "and the Smith chart of the sweeps"));
    QWidget::setTabOrder(c_.Text18, tuningButton_);

    resize(scale_.toPixelsRounded(kClientWidthTwips),
           scale_.toPixelsRounded(kStatusLineTopTwips + kStatusLineHeightTwips));
    placeStatusLine();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &MainWindow::showHelp);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    f2->setContext(Qt::WindowShortcut);
    connect(f2, &QShortcut::activated, this, &MainWindow::showTuning);
}

// The measurement's views of the widgets, and the dialogs it shows over the window.
void MainWindow::buildAdapters() {
    sweepControls_ = std::make_unique<WindowSweepControls>(SweepControlWidgetsOf(c_));
    curveControls_ = std::make_unique<WindowCurveControls>(CurveControlWidgetsOf(c_));
    fileControls_ = std::make_unique<WindowFileControls>(
        FileControlWidgets{c_.Check8, c_.Check7, c_.txtVal[0], c_.txtVal[1]});
    colourTargets_ = std::make_unique<WindowColourTargets>(ColourTargetWidgetsOf(c_));
    fileDialog_ = dialogs_->makeFileDialog(this);
    reporter_ = dialogs_->makeReporter(this);
    colourDialog_ = std::make_unique<QtColourDialog>(this);
}

// The load handler, in its fixed order; the measurement runs the steps between the legends and
// the limit boxes.
void MainWindow::load(Settings settings, OpenedPort backEnd) {
    // The manual is found beside the program when F1 asks for it (applicationDir_).
    c_.Text18->setText(QString::fromLatin1(kOffsetStartDb));
    placeChartScales();
    colourLegends(settings);

    measurement_ = std::make_unique<Measurement>(
        std::move(settings), std::move(backEnd),
        MeasurementSeams{*sweepControls_, *curveControls_, *c_.Picture1, *fileControls_,
                         *fileDialog_, *reporter_, *colourDialog_, *colourTargets_},
        locale_);

    c_.txtVal[0]->setText(QString::fromLatin1(kLowerLimitStartMHz));
    c_.txtVal[1]->setText(QString::fromLatin1(kUpperLimitStartMHz));
    c_.Text15->setText(NumberText::generalFormat(
        measurement_->settings().InputVelFactor / static_cast<float>(kPercent), locale_));

    setWindowTitle(captionFor(measurement_->backEnd()));
    refreshStatusLine();
}

void MainWindow::placeChartScales() {
    ChartWidget& chart = *c_.Picture1;
    // The designed top, not the pixel position read back, so rounding cannot shift the scales.
    const double top = kChartTopTwips;
    const double height = chart.heightTwips();

    const ChartGeometry::ScaleLabelTops tops = ChartGeometry::scaleLabelTops(top, height);
    const auto setTop = [this](QLabel* label, double topTwips) {
        label->move(label->x(), scale_.toPixelsRounded(topTwips));
    };
    setTop(c_.Label20, tops.label20);
    setTop(c_.Label18, tops.label18);
    setTop(c_.Label19, tops.label19);
    setTop(c_.Label32, tops.label32);
    setTop(c_.Label31, tops.label31);
    setTop(c_.Label33, tops.label33);
    setTop(c_.Label29, tops.label29);
    setTop(c_.Label30, tops.label30);

    const ChartGeometry::GridHeights grid = ChartGeometry::gridHeights(height);
    const auto setHeight = [&chart](int n, double y) {
        chart.line(n).y1 = y;
        chart.line(n).y2 = y;
    };
    setHeight(6, grid.line6);
    setHeight(5, grid.line5);
    setHeight(7, grid.line7);
    setHeight(3, grid.line3);
    setHeight(4, grid.line4);

    chart.tag(1).top = ChartGeometry::markerTagTop(height);
    chart.tag(2).top = ChartGeometry::markerTagTop(height);

    for (int marker : {1, 2}) {
        chart.line(marker).y1 = 0;
        chart.line(marker).y2 = height;
    }
    chart.update();
}

void MainWindow::colourLegends(const Settings& settings) {
    const auto colour = [](float setting) {
        return ColourFromNumber(ColourNumberOfSetting(setting));
    };
    SetTextColour(c_.Label22, colour(settings.colorS1));
    SetTextColour(c_.Label21, colour(settings.colorS2));
    SetTextColour(c_.Label26, colour(settings.colorS3));
    SetTextColour(c_.Label27, colour(settings.colorS4));
    SetTextColour(c_.Label28, colour(settings.colorS5));
    SetTextColour(c_.Label34, colour(settings.colorS6));
}

void MainWindow::connectHandlers() {
    // stateChanged also fires when code sets the value, as the file commands set Hold.
    connect(c_.Check7, &QCheckBox::stateChanged, this,
            [this] { applySwitchRule(&SweepSwitches::afterFullSweepChange); });
    connect(c_.Check8, &QCheckBox::stateChanged, this,
            [this] { applySwitchRule(&SweepSwitches::afterHoldChange); });
    connect(c_.Picture1, &ChartWidget::mouseReleased, this,
            [this](int button, double x, double /*y*/) { PlaceMarker(*c_.Picture1, button, x); });

    connect(c_.Command1, &QToolButton::clicked, this, [this] { measurement_->save(); });
    connect(c_.Command2, &QToolButton::clicked, this, [this] { measurement_->open(); });
    for (std::size_t i = 0; i < c_.colourButtons.size(); ++i) {
        const auto button = static_cast<ColourButton>(i);
        connect(c_.colourButtons[i], &QPushButton::clicked, this,
                [this, button] { measurement_->pickColour(button); });
    }
    connect(measurement_.get(), &Measurement::statusChanged, this, &MainWindow::refreshStatusLine);
    // A calibration corrects the readings themselves: the R.L. offset box is then not in use
    // (and, disabled, not applied: WindowSweepControls / WindowCurveControls).
    connect(measurement_.get(), &Measurement::calibrationChanged, this, [this] {
        const bool calibrated = measurement_->calibrationApplies();
        c_.Text18->setEnabled(!calibrated);
        c_.Text18->setToolTip(calibrated ? tr("Not in use: a calibration corrects the readings "
                                              "(see the status line). Clear it in the tuning "
                                              "window's Calibration dialog to use an offset.")
                                         : QString());
    });
    connect(tuningButton_, &QPushButton::clicked, this, &MainWindow::showTuning);
}

// The click handlers of Full Sweep and Hold: which of the limit boxes and Full Sweep may be
// used after the change.
void MainWindow::applySwitchRule(SwitchRule rule) {
    const SwitchEnables current{c_.txtVal[0]->isEnabled(), c_.Check7->isEnabled()};
    const SwitchEnables next = rule(CheckValue(c_.Check7), CheckValue(c_.Check8), current);
    c_.txtVal[0]->setEnabled(next.limitBoxes);
    c_.txtVal[1]->setEnabled(next.limitBoxes);
    c_.Check7->setEnabled(next.fullSweepBox);
}

void MainWindow::showHelp() {
    if (!help_) help_ = new HelpWindow(applicationDir_, this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::setTuningPreferencesPath(const QString& preferencesPath) {
    tuningPreferencesPath_ = preferencesPath;
}

void MainWindow::showTuning() {
    if (!tuning_) {
        tuning_ = std::make_unique<TuningWindow>(*measurement_, *dialogs_, locale_,
                                                 tuningPreferencesPath_.isEmpty()
                                                     ? DefaultTuningPreferencesPath()
                                                     : tuningPreferencesPath_);
        InstallTuningWindowKeys(*tuning_, c_);
        NameTuningWindowControls(*tuning_, locale_);
    }
    tuning_->show();
    tuning_->raise();
    tuning_->activateWindow();
}

// Ends the program at once, also when the close arrives inside a sweep's yield: the
// measurement stops its timer and makes the running tick unwind at its next yield without
// touching the port or the chart again, and the event loop ends.
void MainWindow::closeEvent(QCloseEvent* event) {
    measurement_->stop();
    if (help_) help_->close();
    if (tuning_) tuning_->close();
    event->accept();
    // Only a running event loop can be ended; outside one (tests) a quit would linger and end
    // the next loop that starts instead.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::quit();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeStatusLine();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (fittedOnScreen_) return;
    fittedOnScreen_ = true;
    fitOnScreen();
}

// A window larger than the screen's free area is made to fit it, at its top left corner; its
// client area then scrolls. The layout inside stays as designed.
void MainWindow::fitOnScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) return;
    const QRect available = shownOn->availableGeometry();
    QSize frame = frameGeometry().size() - size();
    if (frame.isEmpty()) frame = QSize(0, scale_.toPixelsRounded(kAssumedTitleBarTwips));
    const QSize room = available.size() - frame;
    if (width() <= room.width() && height() <= room.height()) return;
    resize(sizeToFit(size(), room, scroll_->verticalScrollBar()->sizeHint().width()));
    move(available.topLeft());
}

QSize MainWindow::sizeToFit(QSize window, QSize room, int scrollBarWidth) {
    if (window.height() > room.height()) {
        // Room for the vertical scroll bar, so the width needs no scrolling where it fits.
        window = {window.width() + scrollBarWidth, room.height()};
    }
    return window.boundedTo(room);
}

// Text and colours of the status line. A change in its height moves the window's bottom edge
// by as much, so the controls above keep their place and every line stays in sight.
void MainWindow::refreshStatusLine() {
    statusLine_->setText(measurement_->statusText());
    const bool warning = measurement_->statusIsWarning();
    statusLine_->setAutoFillBackground(warning);
    if (warning) {
        QPalette palette = statusLine_->palette();
        palette.setColor(QPalette::Window, QColor(0xFF, 0xE0, 0x80));
        palette.setColor(QPalette::WindowText, QColor(0x60, 0x30, 0x00));
        statusLine_->setPalette(palette);
    } else {
        statusLine_->setPalette(QPalette());  // the window's own colours again
    }
    const int growth = statusLineHeight() - statusLine_->height();
    if (growth != 0) resize(width(), height() + growth);
    placeStatusLine();
}

// One line at least, more where the text needs them.
int MainWindow::statusLineHeight() const {
    const int textWidth = width() - scale_.toPixelsRounded(kTuningButtonWidthTwips);
    return std::max(scale_.toPixelsRounded(kStatusLineHeightTwips),
                    statusLine_->heightForWidth(textWidth));
}

// The controls keep their places in the scroll area above; the status line, with the Tuning
// button at its right end, stays along the bottom edge.
void MainWindow::placeStatusLine() {
    const int strip = statusLineHeight();
    const int button = scale_.toPixelsRounded(kTuningButtonWidthTwips);
    const int top = height() - strip;
    scroll_->setGeometry(0, 0, width(), top);
    statusLine_->setGeometry(0, top, width() - button, strip);
    tuningButton_->setGeometry(width() - button, top, button,
                               scale_.toPixelsRounded(kStatusLineHeightTwips));
}

}  // namespace ravemo
