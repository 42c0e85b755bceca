#include "common/QtEventPump.h"

#include <QCoreApplication>

#include "common/SweepCancelled.h"

namespace ravemo {

QtEventPump::QtEventPump(Pace pace, Clock now) : pace_(pace), now_(now) {}

void QtEventPump::yield() {
    if (cancelRequested_) throw SweepCancelled();
    if (pace_ == Pace::EveryYield) {
        processEvents();
    } else if (++yieldsSinceClockCheck_ >= kYieldsPerClockCheck) {
        yieldsSinceClockCheck_ = 0;
        if (now_() >= nextProcessing_) {
            processEvents();
            nextProcessing_ = now_() + kMinimumInterval;
        }
    }
    // The close handler may just have run inside processEvents().
    if (cancelRequested_) throw SweepCancelled();
}

void QtEventPump::processEvents() { QCoreApplication::processEvents(); }

}  // namespace ravemo
