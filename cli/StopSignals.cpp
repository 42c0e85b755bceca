#include "cli/StopSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <csignal>

#include <QSocketNotifier>

namespace ravemo {
namespace {

// The pipe's ends; -1 while no instance is armed.
int gPipe[2] = {-1, -1};
struct sigaction gPreviousInt {};
struct sigaction gPreviousTerm {};

extern "C" void OnStopSignal(int /*signal*/) {
    const char byte = 1;
    // Only async-signal-safe work here; a full pipe already holds a stop request.
    [[maybe_unused]] const ssize_t written = ::write(gPipe[1], &byte, 1);
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    if (gPipe[0] >= 0 || ::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = &OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGINT, &action, &gPreviousInt) != 0 ||
        ::sigaction(SIGTERM, &action, &gPreviousTerm) != 0) {
        ::sigaction(SIGINT, &gPreviousInt, nullptr);
        ::close(gPipe[0]);
        ::close(gPipe[1]);
        gPipe[0] = gPipe[1] = -1;
        return;
    }
    notifier_ = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::onReadable);
}

StopSignals::~StopSignals() {
    if (notifier_ == nullptr) return;
    ::sigaction(SIGINT, &gPreviousInt, nullptr);
    ::sigaction(SIGTERM, &gPreviousTerm, nullptr);
    delete notifier_;
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

void StopSignals::onReadable() {
    std::array<char, 16> bytes{};
    while (::read(gPipe[0], bytes.data(), bytes.size()) > 0) {
    }
    Q_EMIT stopRequested();
}

}  // namespace ravemo
