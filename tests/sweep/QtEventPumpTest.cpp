#include "common/QtEventPump.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QMetaObject>

#include "common/SweepCancelled.h"

namespace ravemo {
namespace {

// Runs `action` from the event loop, at the next processEvents().
void post(const std::function<void()>& action) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), action, Qt::QueuedConnection);
}

TEST(QtEventPump, ProcessesEventsAndThrowsOnceCancelled) {
    int argc = 1;
    char name[] = "ravemo_tests_sweep";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    // Every-yield pace: each yield runs what is pending.
    QtEventPump everyYield(QtEventPump::Pace::EveryYield);
    int handled = 0;
    post([&] { ++handled; });
    everyYield.yield();
    post([&] { ++handled; });
    everyYield.yield();
    EXPECT_EQ(handled, 2);

    // Throttled pace: once the interval has passed, the next clock check processes.
    QtEventPump throttled;
    const auto yieldPastClockCheck = [&] {
        std::this_thread::sleep_for(QtEventPump::kMinimumInterval * 2);
        for (unsigned k = 0; k < QtEventPump::kYieldsPerClockCheck; ++k) throttled.yield();
    };
    post([&] { ++handled; });
    yieldPastClockCheck();
    EXPECT_EQ(handled, 3);
    post([&] { ++handled; });
    yieldPastClockCheck();
    EXPECT_EQ(handled, 4);

    // A close handler that runs inside a yield makes that very yield throw, and every later one.
    post([&] { throttled.requestCancel(); });
    EXPECT_THROW(yieldPastClockCheck(), SweepCancelled);
    EXPECT_TRUE(throttled.cancelRequested());
    post([&] { ++handled; });
    EXPECT_THROW(throttled.yield(), SweepCancelled);
    EXPECT_EQ(handled, 4);  // nothing processed after the cancel
    QCoreApplication::processEvents();
}

}  // namespace
}  // namespace ravemo
