#include "ui/cable/CableWindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "analysis/SweepSamples.h"
#include "common/NumberText.h"
#include "files/AntennaSamplesFile.h"
#include "plot/CableTexts.h"
#include "ui/Measurement.h"
#include "ui/WindowDialogs.h"
#include "ui/access/NamedComboBox.h"
#include "ui/access/TextEquivalent.h"
#include "ui/access/WindowKey.h"
#include "ui/cable/DistanceToFaultWidget.h"

namespace ravemo {
namespace {

constexpr int kKnownLength = 0;
constexpr int kKnownFactor = 1;
constexpr int kFindingsStretch = 2;
constexpr int kPlotStretch = 3;

}  // namespace

CableWindow::CableWindow(Measurement& measurement, WindowDialogs& dialogs, const QLocale& locale,
                         QWidget* parent)
    : QWidget(parent, Qt::Window),
      measurement_(measurement),
      fileDialog_(dialogs.makeFileDialog(this)),
      reporter_(dialogs.makeReporter(this)),
      locale_(locale),
      end_(new QComboBox),
      known_(new QComboBox),
      value_(new QLineEdit),
      open_(new QPushButton(tr("Open file..."))),
      sweep_(new QPushButton(tr("Use the sweep"))),
      source_(new QLabel),
      findings_(new QPlainTextEdit),
      plot_(new DistanceToFaultWidget(locale)) {
    setObjectName(QStringLiteral("CableWindow"));
    setWindowTitle(tr("Ravemo cable"));
    end_->addItems({tr("Open"), tr("Shorted")});
    end_->setToolTip(tr("How the cable's far end is left while it is swept"));
    known_->addItems({tr("Length (m)"), tr("Velocity factor")});
    known_->setCurrentIndex(kKnownFactor);
    known_->setToolTip(
        tr("What you know of the cable: the other is worked out from its "
           "resonances"));
    value_->setText(locale_.toString(0.66));
    findings_->setReadOnly(true);
    findings_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    findings_->setLineWrapMode(QPlainTextEdit::NoWrap);
    sweep_->setEnabled(false);

    auto* choices = new QHBoxLayout;
    choices->addWidget(new QLabel(tr("Far end:")));
    choices->addWidget(end_);
    choices->addSpacing(fontMetrics().averageCharWidth() * 2);
    choices->addWidget(new QLabel(tr("Known:")));
    choices->addWidget(known_);
    choices->addWidget(value_);
    choices->addStretch();
    choices->addWidget(open_);
    choices->addWidget(sweep_);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(findings_);
    splitter->addWidget(plot_);
    splitter->setStretchFactor(0, kFindingsStretch);
    splitter->setStretchFactor(1, kPlotStretch);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(source_);
    layout->addWidget(splitter, 1);

    nameControls();

    connect(end_, &QComboBox::currentIndexChanged, this, &CableWindow::measure);
    connect(known_, &QComboBox::currentIndexChanged, this, [this](int index) {
        value_->setText(index == kKnownFactor ? locale_.toString(0.66) : QString());
        nameValueBox();
        measure();
    });
    connect(value_, &QLineEdit::editingFinished, this, &CableWindow::measure);
    connect(open_, &QPushButton::clicked, this, &CableWindow::chooseFile);
    connect(sweep_, &QPushButton::clicked, this, &CableWindow::followSweep);
    connect(&measurement_, &Measurement::sweepFinished, this, [this] {
        if (isVisible() && !fromFile_) measureLatestSweep();
    });
}

void CableWindow::nameControls() {
    NameComboBox(*end_, tr("Far end"),
                 tr("How the cable's far end is left while it is swept: open or shorted"));
    NameComboBox(*known_, tr("Known quantity"),
                 tr("What you know of the cable, its length or its velocity factor; the other "
                    "is worked out from its resonances"));
    nameValueBox();
    SetAccessibleText(open_, tr("Open a cable file"),
                      tr("Measure a saved sweep (.vec) or Touchstone file (.s1p) instead of the "
                         "sweep"));
    SetAccessibleText(sweep_, sweep_->text(), tr("Measure the latest sweep again, not the file"));
    SetAccessibleText(findings_, tr("Cable findings"),
                      tr("Loss per band, velocity factor and length, distance to each fault"));
    plot_->setObjectName(QStringLiteral("DistanceToFault"));
    SetAccessibleText(plot_, tr("Distance to fault plot"));
    SetTextEquivalent(*plot_, [this] { return DistanceToFaultText(measured_, locale_); });
}

// Named by what the known box asks for, so that it is read with its unit.
void CableWindow::nameValueBox() {
    if (known_->currentIndex() == kKnownLength) {
        SetAccessibleText(value_, tr("Cable length"), tr("metres, such as 23.4"));
    } else {
        SetAccessibleText(value_, tr("Velocity factor"), tr("from 0.1 to 1, such as 0.66"));
    }
}

void CableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fromFile_) measureLatestSweep();
}

CableWindow::~CableWindow() = default;

void CableWindow::measureLatestSweep() {
    samples_ = measurement_.freqStep() != 0.0
                   ? SamplesFromSweep(measurement_.data(), measurement_.settings().Step)
                   : AntennaSamples{};
    source_->setText(samples_.samples.empty() ? tr("No sweep yet: start a sweep, or open a file.")
                                              : tr("The latest sweep."));
    measure();
}

QString CableWindow::openFile(const QString& path) {
    AntennaSamplesRead read = ReadAntennaSamplesFile(path, measurement_.settings().Step);
    if (!read.set) return read.error;
    samples_ = std::move(*read.set);
    fromFile_ = true;
    sweep_->setEnabled(true);
    source_->setText(tr("The file %1 (not the sweep).").arg(QFileInfo(path).fileName()));
    measure();
    return {};
}

void CableWindow::followSweep() {
    fromFile_ = false;
    sweep_->setEnabled(false);
    measureLatestSweep();
}

CableQuestion CableWindow::question() const {
    CableQuestion q;
    q.end = end_->currentIndex() == 0 ? CableEnd::Open : CableEnd::Short;
    const std::optional<double> value = NumberText::parseBoxNumber(value_->text(), locale_);
    if (known_->currentIndex() == kKnownLength) {
        if (value && *value > 0.0) q.lengthM = value;
    } else if (value && IsVelocityFactor(*value)) {
        q.velocityFactor = value;
    }
    return q;
}

void CableWindow::measure() {
    const CableQuestion q = question();
    const bool known = q.lengthM || q.velocityFactor;
    value_->setToolTip(known ? QString()
                       : known_->currentIndex() == kKnownLength
                           ? tr("Type the cable's length in metres, such as 23.4")
                           : tr("Type a velocity factor from 0.1 to 1, such as 0.66"));
    value_->setStyleSheet(known || value_->text().isEmpty()
                              ? QString()
                              : QStringLiteral("QLineEdit { background: #FFE0E0; }"));
    if (samples_.samples.size() < 2) {
        measured_ = CableMeasurement{};
        showFindings(
            tr("Nothing to measure: sweep the cable with its far end open or "
               "shorted, or open a file of it."));
        plot_->setMeasurement(measured_);
        return;
    }
    measured_ = MeasureCable(samples_.samples, q);
    QString text = CableFindingsText(measured_, locale_);
    if (!known) text.prepend(value_->toolTip() + QStringLiteral(".\n\n"));
    showFindings(text);
    plot_->setMeasurement(measured_);
}

// The same findings after a sweep leave the text alone: the reader's place in it (the caret a
// screen reader follows, the selection, the scroll) stays, and nothing is announced.
void CableWindow::showFindings(const QString& text) {
    if (findings_->toPlainText() != text) findings_->setPlainText(text);
}

void CableWindow::chooseFile() {
    fileDialog_->setFilter(tr("Sweeps and Touchstone files|*.vec;*.s1p|All files|*|"));
    if (!fileDialog_->showOpen()) return;  // cancelled
    const QString error = openFile(fileDialog_->fileName());
    if (!error.isEmpty()) reporter_->reportError(tr("Open a cable's sweep"), error);
}

}  // namespace ravemo
