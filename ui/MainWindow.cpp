#include "ui/MainWindow.h"

#include <algorithm>
#include <stdexcept>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include "common/ColourNumber.h"
#include "common/NumberText.h"
#include "common/ProgramVersion.h"
#include "common/QtEventPump.h"
#include "files/ColourCommands.h"
#include "files/FileCommands.h"
#include "instrument/Dds.h"
#include "sweep/SweepEngine.h"
#include "ui/ChartGeometry.h"
#include "ui/ControlFactory.h"
#include "ui/HelpWindow.h"
#include "ui/QtColourDialog.h"
#include "ui/QtFileDialog.h"
#include "ui/QtMessageReporter.h"
#include "ui/SweepSwitches.h"
#include "ui/WindowColourTargets.h"
#include "ui/WindowCurveControls.h"
#include "ui/WindowFileControls.h"
#include "ui/WindowLayout.h"
#include "ui/WindowSweepControls.h"
#include "ui/chart/ChartWidget.h"
#include "ui/chart/CurveDrawing.h"
#include "ui/chart/MarkerPlacement.h"

namespace ravemo {
namespace {

constexpr double kDefaultLogicalDpi = 96.0;
constexpr float kPercent = 100.0F;
const char* const kOffsetStartDb = "0";

double screenLogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : kDefaultLogicalDpi;
}

std::uint16_t dataRegister(const Settings& settings) {
    // Address1 holds the 16 bits of the I/O address, as a signed setting.
    return static_cast<std::uint16_t>(settings.Address1);
}

}  // namespace

QString MainWindow::captionFor(const BackEndInfo& backEnd) {
    const QString program = QStringLiteral("Ravemo %1 - HF antenna analyser").arg(CaptionVersion());
    if (backEnd.simulated) return program + QStringLiteral(" - SIMULATED instrument");
    return program + QStringLiteral(" - ") + backEnd.description;
}

QString MainWindow::statusTextFor(const BackEndInfo& backEnd, const QString& rangeNotice) {
    QString text = backEnd.simulated ? QStringLiteral("SIMULATED instrument, not a measurement: ")
                                     : QStringLiteral("Instrument: ");
    text += backEnd.description;
    if (!backEnd.portProblem.isEmpty()) {
        text += QStringLiteral("\nThe port could not be used: ") + backEnd.portProblem;
    }
    if (!rangeNotice.isEmpty()) text += u'\n' + rangeNotice;
    return text;
}

MainWindow::MainWindow(Settings& settings, PortIo& port, BackEndInfo backEnd, const QLocale& locale,
                       QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      port_(port),
      backEnd_(std::move(backEnd)),
      locale_(locale),
      scale_(screenLogicalDpi()),
      applicationDir_(QCoreApplication::applicationDirPath()) {
    if (settings_.Champ < 1 || settings_.Step < 1) {
        throw std::invalid_argument("the main window needs Champ >= 1 and Step >= 1");
    }
    buildWindow();
    load();
    connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWindow() {
    setObjectName(QStringLiteral("chart1"));
    setWindowTitle(captionFor(backEnd_));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ravemo.png")));
    setFont(windowFont(kSmallFontPt));

    const ControlFactory factory(scale_);
    buildChartArea(factory, this, c_);
    buildSweepLimitsFrame(factory, this, c_);
    buildCurveFrame(factory, this, c_);
    buildMarkerFrame(factory, this, c_);
    applyTabOrder(c_);

    // Which back end runs, always in sight: simulated data must never pass for measured data.
    statusLine_ = new QLabel(this);
    statusLine_->setObjectName(QStringLiteral("StatusLine"));
    statusLine_->setFrameShape(QFrame::StyledPanel);
    statusLine_->setFrameShadow(QFrame::Sunken);
    statusLine_->setContentsMargins(4, 0, 4, 0);
    statusLine_->setWordWrap(true);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));

    resize(scale_.toPixelsRounded(kClientWidthTwips),
           scale_.toPixelsRounded(kStatusLineTopTwips + kStatusLineHeightTwips));
    const int oneLine = scale_.toPixelsRounded(kStatusLineHeightTwips);
    statusLine_->setGeometry(0, height() - oneLine, width(), oneLine);
    refreshStatusLine();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &MainWindow::showHelp);
}

// The load handler, in its fixed order.
void MainWindow::load() {
    // The manual is found beside the program when F1 asks for it (applicationDir_).
    c_.Text18->setText(QString::fromLatin1(kOffsetStartDb));
    placeChartScales();
    colourLegends();
    createSweep();

    timer1_->setInterval(kTimerIntervalMs);
    timer1_->start();

    DdsClear(PortLink{port_, dataRegister(settings_), *pump_});

    c_.txtVal[0]->setText(QString::fromLatin1(kLowerLimitStartMHz));
    c_.txtVal[1]->setText(QString::fromLatin1(kUpperLimitStartMHz));
    c_.Text15->setText(NumberText::generalFormat(settings_.InputVelFactor / kPercent, locale_));
    settings_.FullFMax = settings_.FMax;
    settings_.FullFMin = settings_.FMin;
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

void MainWindow::colourLegends() {
    const auto colour = [](float setting) { return colourFromNumber(colourNumber(setting)); };
    setTextColour(c_.Label22, colour(settings_.colorS1));
    setTextColour(c_.Label21, colour(settings_.colorS2));
    setTextColour(c_.Label26, colour(settings_.colorS3));
    setTextColour(c_.Label27, colour(settings_.colorS4));
    setTextColour(c_.Label28, colour(settings_.colorS5));
    setTextColour(c_.Label34, colour(settings_.colorS6));
}

// The arrays, XScale and the sweep's parts, which need both.
void MainWindow::createSweep() {
    data_.emplace(settings_.Champ);
    xScale_ = ChartGeometry::xScale(c_.Picture1->widthTwips(), settings_.Champ);

    pump_ = std::make_unique<QtEventPump>();
    sweepControls_ = std::make_unique<WindowSweepControls>(c_);
    curveControls_ = std::make_unique<WindowCurveControls>(c_);
    fileControls_ = std::make_unique<WindowFileControls>(c_);
    colourTargets_ = std::make_unique<WindowColourTargets>(c_);
    drawing_ = std::make_unique<CurveDrawing>(*c_.Picture1, *curveControls_, *data_, settings_,
                                              *pump_, xScale_, locale_);
    engine_ = std::make_unique<SweepEngine>(settings_, *data_, *sweepControls_,
                                            PortLink{port_, dataRegister(settings_), *pump_},
                                            *drawing_, locale_);
    engine_->onRangeNotice([this](const QString& notice) { showRangeNotice(notice); });

    fileDialog_ = std::make_unique<QtFileDialog>(this);
    reporter_ = std::make_unique<QtMessageReporter>(this);
    fileCommands_ = std::make_unique<FileCommands>(*data_, settings_, *fileDialog_, *fileControls_,
                                                   *reporter_, locale_);
    colourDialog_ = std::make_unique<QtColourDialog>(this);
    colourCommands_ = std::make_unique<ColourCommands>(settings_, *colourDialog_, *colourTargets_);
}

void MainWindow::connectHandlers() {
    connect(timer1_, &QTimer::timeout, this, [this] { engine_->tick(); });
    // stateChanged also fires when code sets the value, as the file commands set Hold.
    connect(c_.Check7, &QCheckBox::stateChanged, this, &MainWindow::onFullSweepChanged);
    connect(c_.Check8, &QCheckBox::stateChanged, this, &MainWindow::onHoldChanged);
    connect(c_.Picture1, &ChartWidget::mouseReleased, this,
            [this](int button, double x, double /*y*/) { PlaceMarker(*c_.Picture1, button, x); });

    connect(c_.Command1, &QToolButton::clicked, this, [this] { fileCommands_->save(); });
    connect(c_.Command2, &QToolButton::clicked, this, [this] { fileCommands_->open(); });
    for (std::size_t i = 0; i < c_.colourButtons.size(); ++i) {
        const auto button = static_cast<ColourButton>(i);
        connect(c_.colourButtons[i], &QPushButton::clicked, this,
                [this, button] { colourCommands_->click(button); });
    }
}

void MainWindow::onFullSweepChanged() {
    const SwitchEnables current{c_.txtVal[0]->isEnabled(), c_.Check7->isEnabled()};
    const SwitchEnables next =
        SweepSwitches::afterFullSweepChange(checkValue(c_.Check7), checkValue(c_.Check8), current);
    c_.txtVal[0]->setEnabled(next.limitBoxes);
    c_.txtVal[1]->setEnabled(next.limitBoxes);
    c_.Check7->setEnabled(next.fullSweepBox);
}

void MainWindow::onHoldChanged() {
    const SwitchEnables current{c_.txtVal[0]->isEnabled(), c_.Check7->isEnabled()};
    const SwitchEnables next =
        SweepSwitches::afterHoldChange(checkValue(c_.Check7), checkValue(c_.Check8), current);
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

// Ends the program at once, also when the close arrives inside a sweep's yield: the timer
// stops, the pump makes the running tick unwind at its next yield without touching the port or
// the chart again, and the event loop ends.
void MainWindow::closeEvent(QCloseEvent* event) {
    timer1_->stop();
    pump_->requestCancel();
    if (help_) help_->close();
    event->accept();
    // Only a running event loop can be ended; outside one (tests) a quit would linger and end
    // the next loop that starts instead.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::quit();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeStatusLine();
}

void MainWindow::showRangeNotice(const QString& notice) {
    if (notice == rangeNotice_) return;
    rangeNotice_ = notice;
    refreshStatusLine();
}

// Text and colours of the status line. A change in its height moves the window's bottom edge
// by as much, so the controls above keep their place and every line stays in sight.
void MainWindow::refreshStatusLine() {
    statusLine_->setText(statusTextFor(backEnd_, rangeNotice_));
    const bool warning = backEnd_.simulated || !rangeNotice_.isEmpty();
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
    return std::max(scale_.toPixelsRounded(kStatusLineHeightTwips),
                    statusLine_->heightForWidth(width()));
}

// The controls keep their places; the status line stays along the bottom edge.
void MainWindow::placeStatusLine() {
    const int strip = statusLineHeight();
    statusLine_->setGeometry(0, height() - strip, width(), strip);
}

}  // namespace ravemo
