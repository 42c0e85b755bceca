#include "ui/share/ShareWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "analysis/AmateurBands.h"
#include "ui/Measurement.h"
#include "ui/access/NamedComboBox.h"
#include "ui/access/TextEquivalent.h"
#include "ui/access/WindowKey.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"
#include "watch/QrCode.h"
#include "watch/WatchAddresses.h"
#include "watch/WatchMessage.h"

namespace ravemo {
namespace {

constexpr int kQrPixelsPerModule = 5;

QStringList BandNames(int region) {
    QStringList names;
    for (const AmateurBand& band : AmateurBandsOf(region)) names << QString::fromLatin1(band.name);
    return names;
}

}  // namespace

ShareWindow::ShareWindow(TuningWindow& tuning, Measurement& measurement)
    : QDialog(&tuning), tuning_(tuning), measurement_(measurement) {
    setWindowTitle(tr("Share to phone"));
    setObjectName(QStringLiteral("ShareWindow"));

    auto* intro = new QLabel(
        tr("A phone on the same network can watch this sweep in its browser: scan the code or "
           "type the address. Anyone who has the address can watch; closing this window "
           "stops sharing."),
        this);
    intro->setWordWrap(true);

    address_ = new QComboBox(this);
    for (const QHostAddress& address : LocalPrivateAddresses()) {
        address_->addItem(address.toString(), address.toString());
    }
    address_->addItem(tr("This computer only (127.0.0.1)"), QStringLiteral("127.0.0.1"));
    port_ = new QSpinBox(this);
    port_->setRange(0, 65535);
    port_->setSpecialValueText(tr("any free port"));
    commands_ = new QCheckBox(tr("Let the page sweep around the dip / pick a band"), this);
    commands_->setToolTip(
        tr("Only these two; the page can never save, open, change settings or "
           "choose the port"));
    startStop_ = new QPushButton(tr("Start"), this);

    url_ = new QLabel(this);
    url_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    qr_ = new QLabel(this);
    qr_->setAlignment(Qt::AlignCenter);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    nameControls();

    auto* form = new QFormLayout;
    form->addRow(tr("&Address:"), address_);
    form->addRow(tr("P&ort:"), port_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(startStop_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(commands_);
    layout->addWidget(url_);
    layout->addWidget(qr_);
    layout->addLayout(buttons);

    connect(startStop_, &QPushButton::clicked, this,
            [this] { server_.running() ? stop() : start(); });
    connect(commands_, &QCheckBox::toggled, this, [this](bool allowed) {
        server_.setCommandsAllowed(allowed);
        publishLatest();  // the page shows or hides its buttons
    });
    connect(&server_, &WatchServer::watchersChanged, this, [this] { showState(); });
    connect(&server_, &WatchServer::commandReceived, this, &ShareWindow::runCommand);
    // Connected after the tuning window's own handler: its analysis is fresh by then.
    connect(&measurement_, &Measurement::sweepFinished, this, [this] {
        if (server_.running()) publishLatest();
    });
    showState();
}

// A label named by its purpose is read by that name alone: what it shows goes in its
// description, read when asked, like the QR code's address.
void ShareWindow::nameControls() {
    NameComboBox(*address_, tr("Address"),
                 tr("The network address of this computer that phones reach the page on"));
    SetAccessibleText(port_, tr("Port"), tr("The page's TCP port; any free one when 0"));
    startStop_->setAccessibleDescription(
        tr("Serve the page to phones, or stop serving it; closing this window stops it too"));
    const auto address = [this] {
        return url_->text().isEmpty() ? tr("None: sharing is off.") : url_->text();
    };
    SetAccessibleText(url_, tr("Page address"));
    SetTextEquivalent(*url_, address, QAccessible::StaticText);
    SetAccessibleText(qr_, tr("QR code of the page address"));
    SetTextEquivalent(*qr_, address, QAccessible::Graphic);
    SetAccessibleText(status_, tr("Sharing status"));
    SetTextEquivalent(
        *status_, [this] { return status_->text(); }, QAccessible::StaticText);
}

ShareWindow::~ShareWindow() {
    server_.disconnect(this);  // the labels need no update while they go
    server_.stop();
}

ShareWindow& ShareWindow::showFor(TuningWindow& tuning, Measurement& measurement) {
    auto* window =
        tuning.findChild<ShareWindow*>(QStringLiteral("ShareWindow"), Qt::FindDirectChildrenOnly);
    if (window == nullptr) window = new ShareWindow(tuning, measurement);
    window->show();
    window->raise();
    window->activateWindow();
    return *window;
}

void ShareWindow::start() {
    const QHostAddress address(address_->currentData().toString());
    const QString problem = server_.start({address}, static_cast<std::uint16_t>(port_->value()));
    showState(problem);
    if (problem.isEmpty()) publishLatest();
}

void ShareWindow::stop() {
    server_.stop();
    showState();
}

void ShareWindow::closeEvent(QCloseEvent* event) {
    stop();
    QDialog::closeEvent(event);
}

void ShareWindow::showState(const QString& problem) {
    const bool on = server_.running();
    address_->setEnabled(!on);
    port_->setEnabled(!on);
    startStop_->setText(on ? tr("Stop") : tr("Start"));
    startStop_->setAccessibleName(on ? tr("Stop sharing") : tr("Start sharing"));
    if (!on) {
        url_->clear();
        qr_->clear();
        status_->setText(problem.isEmpty() ? tr("Off.")
                                           : tr("Could not start: %1. Choose another port or "
                                                "address.")
                                                 .arg(problem));
        return;
    }
    const QString url = server_.pageUrls().value(0);
    url_->setText(url);
    if (const std::optional<QrCode> code = QrCode::encode(url.toUtf8())) {
        qr_->setPixmap(QPixmap::fromImage(code->image(kQrPixelsPerModule)));
    }
    const int watchers = server_.watchers();
    status_->setText(watchers == 0 ? tr("On: no phone is watching yet.")
                                   : tr("On: %n phone(s) watching.", nullptr, watchers));
}

void ShareWindow::publishLatest() {
    if (!server_.running()) return;
    // A hidden tuning window does not analyse: ask it to, so the page is never behind.
    if (!tuning_.isVisible()) tuning_.analyseLatestSweep();
    const AnalysisOptions options = tuning_.analysisOptions();
    const BackEndInfo& backEnd = measurement_.backEnd();
    WatchDataState state = WatchDataState::Live;
    if (!measurement_.portFailureNotice().isEmpty()) {
        state = WatchDataState::PortFailed;
    } else if (measurement_.holdTicked() || measurement_.readingsFromFile()) {
        state = WatchDataState::Held;
    }
    // The strip's lines after the back end: the port problem, range, averaging, calibration.
    QStringList notices = measurement_.statusText().split(u'\n');
    notices.removeFirst();
    server_.publish(WatchMessageJson(
        WatchSnapshot{backEnd.description, backEnd.simulated, state, notices.join(u' '), ++sweeps_,
                      tuning_.liveSamples(), tuning_.analysis(), options, BandNames(options.region),
                      server_.commandsAllowed()}));
}

void ShareWindow::runCommand(const PageCommand& command) {
    // The server passes commands on only while they are allowed. Readings opened from a file
    // would need the user's word at this screen first.
    if (measurement_.readingsFromFile()) return;
    if (command.kind == PageCommand::Kind::SweepAroundDip) {
        tuning_.sweepAroundDip(command.dip);
        return;
    }
    const int index = static_cast<int>(BandNames(tuning_.toolBar().region()).indexOf(command.band));
    if (index >= 0) tuning_.sweepBand(index);
}

}  // namespace ravemo
