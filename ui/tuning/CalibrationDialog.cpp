#include "ui/tuning/CalibrationDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "correction/CalibrationFile.h"
#include "correction/CalibrationFromSweeps.h"
#include "correction/SweepCorrection.h"
#include "files/SafeFileIo.h"
#include "ui/Measurement.h"
#include "ui/WindowDialogs.h"
#include "ui/access/WindowKey.h"

namespace ravemo {
namespace {

// The sweep running when a standard's button is pressed began before it: the next one is the
// first taken wholly of the standard.
constexpr int kSweepsToWait = 2;

const QString kCalibrationFilter = QStringLiteral("Calibration files|*.cal|All files|*|");

const std::array<const char*, CalibrationDialog::kStandards> kNames{"short", "open", "50 ohm load"};

}  // namespace

CalibrationDialog::CalibrationDialog(Measurement& measurement, WindowDialogs& dialogs,
                                     QWidget* parent)
    : QDialog(parent),
      measurement_(measurement),
      fileDialog_(dialogs.makeFileDialog(this)),
      reporter_(dialogs.makeReporter(this)),
      inForce_(new QLabel(this)),
      save_(new QPushButton(tr("Save calibration..."), this)),
      clear_(new QPushButton(tr("Clear calibration"), this)) {
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(tr("Calibration"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("Set the range to calibrate in the main window and let it sweep (Hold unticked). "
           "Connect each standard at the end of your jumper, where the antenna will be "
           "connected, and press its button: one whole sweep of it is kept. Then save the "
           "calibration; it applies to every sweep within its range.\n"
           "It corrects the converters' 0 dB and their 0 and 180 degrees, and shows the "
           "bridge's floor; it cannot undo a cable between the bridge and the standards."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kStandards; ++i) {
        buttons_[i] = new QPushButton(tr("Sweep the %1").arg(QLatin1String(kNames[i])), this);
        states_[i] = new QLabel(this);
        grid->addWidget(buttons_[i], static_cast<int>(i), 0);
        grid->addWidget(states_[i], static_cast<int>(i), 1);
        const auto standard = static_cast<Standard>(i);
        connect(buttons_[i], &QPushButton::clicked, this, [this, standard] {
            if (const QString message = sweepStandard(standard); !message.isEmpty()) {
                reporter_->reportError(windowTitle(), message);
            }
        });
    }
    layout->addLayout(grid);
    layout->addWidget(inForce_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* load = buttons->addButton(tr("Load calibration..."), QDialogButtonBox::ActionRole);
    buttons->addButton(save_, QDialogButtonBox::ActionRole);
    buttons->addButton(clear_, QDialogButtonBox::ActionRole);
    SetAccessibleText(load, load->text(), tr("Read a saved calibration file (.cal) and apply it"));
    SetAccessibleText(save_, save_->text(),
                      tr("Make the calibration from the three sweeps, save it and apply it"));
    SetAccessibleText(clear_, clear_->text(), tr("Stop correcting the sweeps"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(save_, &QPushButton::clicked, this, &CalibrationDialog::chooseSaveFile);
    connect(load, &QPushButton::clicked, this, &CalibrationDialog::chooseLoadFile);
    connect(clear_, &QPushButton::clicked, this, &CalibrationDialog::clearCalibration);
    connect(&measurement_, &Measurement::sweepFinished, this, &CalibrationDialog::onSweepFinished);
    showState();
}

CalibrationDialog::~CalibrationDialog() { stopWaiting(); }

QString CalibrationDialog::sweepStandard(Standard standard) {
    if (measurement_.holdTicked()) {
        return tr("Untick Hold in the main window first: the %1 must be swept afresh.")
            .arg(QLatin1String(kNames[index(standard)]));
    }
    waitingFor_ = standard;
    sweepsToWait_ = kSweepsToWait;
    measurement_.setCalibrating(true);
    showState();
    return {};
}

void CalibrationDialog::onSweepFinished() {
    if (!waitingFor_ || --sweepsToWait_ > 0) return;
    sweeps_[index(*waitingFor_)] = measurement_.data();
    if (!firstSweptAt_.isValid()) firstSweptAt_ = QDateTime::currentDateTimeUtc();
    stopWaiting();
    showState();
}

void CalibrationDialog::stopWaiting() {
    if (!waitingFor_) return;
    waitingFor_.reset();
    measurement_.setCalibrating(false);
}

QString CalibrationDialog::saveTo(const QString& path) {
    for (std::size_t i = 0; i < kStandards; ++i) {
        if (!sweeps_[i]) return tr("Sweep the %1 first.").arg(QLatin1String(kNames[i]));
    }
    const Calibration::Made made = CalibrationFromSweeps({*sweeps_[0], *sweeps_[1], *sweeps_[2]},
                                                         measurement_.settings().Step);
    if (!made.calibration) {
        return tr("No calibration was made: %1. Sweep the standards again.").arg(made.error);
    }
    if (const std::optional<QString> problem =
            WriteFileAtomically(path, EncodeCalibrationFile(*made.calibration, firstSweptAt_))) {
        return tr("Cannot write %1: %2").arg(path, *problem);
    }
    measurement_.setCalibration(*made.calibration, QFileInfo(path).fileName());
    showState();
    return {};
}

QString CalibrationDialog::loadFrom(const QString& path) {
    const ParsedCalibration parsed = ReadCalibrationFile(path);
    if (!parsed.calibration) return parsed.error;
    measurement_.setCalibration(*parsed.calibration, QFileInfo(path).fileName());
    showState();
    return {};
}

void CalibrationDialog::clearCalibration() {
    measurement_.clearCalibration();
    showState();
}

void CalibrationDialog::done(int result) {
    stopWaiting();
    QDialog::done(result);
}

void CalibrationDialog::showState() {
    for (std::size_t i = 0; i < kStandards; ++i) {
        const bool waiting = waitingFor_ && index(*waitingFor_) == i;
        states_[i]->setText(waiting      ? tr("sweeping...")
                            : sweeps_[i] ? tr("swept")
                                         : tr("not swept yet"));
        buttons_[i]->setEnabled(!waitingFor_);
        // The state beside the button, read with it: a screen reader moving from button to
        // button never meets the labels.
        const QString state = waiting      ? tr("Sweeping it now.")
                              : sweeps_[i] ? tr("Swept.")
                                           : tr("Not swept yet.");
        SetAccessibleText(buttons_[i], buttons_[i]->text(),
                          tr("%1 Connect the %2 where the antenna will be connected, then press: "
                             "one whole sweep of it is kept")
                              .arg(state, QLatin1String(kNames[i])));
    }
    save_->setEnabled(!waitingFor_ && sweeps_[0] && sweeps_[1] && sweeps_[2]);
    const Calibration* calibration = measurement_.calibration();
    clear_->setEnabled(calibration != nullptr);
    inForce_->setText(calibration
                          ? CalibrationInForceNotice(*calibration, measurement_.calibrationName())
                          : tr("No calibration in force."));
}

void CalibrationDialog::chooseSaveFile() {
    fileDialog_->setFilter(kCalibrationFilter);
    if (!fileDialog_->showSave()) return;  // cancelled
    if (const QString message = saveTo(fileDialog_->fileName()); !message.isEmpty()) {
        reporter_->reportError(windowTitle(), message);
    }
}

void CalibrationDialog::chooseLoadFile() {
    fileDialog_->setFilter(kCalibrationFilter);
    if (!fileDialog_->showOpen()) return;  // cancelled
    if (const QString message = loadFrom(fileDialog_->fileName()); !message.isEmpty()) {
        reporter_->reportError(windowTitle(), message);
    }
}

}  // namespace ravemo
