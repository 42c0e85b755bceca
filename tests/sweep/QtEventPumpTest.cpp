#include "common/QtEventPump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>

#include "common/SweepCancelled.h"

namespace ravemo {
namespace {

std::chrono::steady_clock::time_point gNow{std::chrono::hours(1)};
std::chrono::steady_clock::time_point TestClock() { return gNow; }

// Runs `action` from the event loop, at the next processEvents().
void Post(const std::function<void()>& action) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), action, Qt::QueuedConnection);
}

TEST(QtEventPump, ProcessesEventsAtMostOncePerIntervalAndThrowsOnceCancelled) {
    int argc = 1;
    char name[] = "ravemo_tests_sweep";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QtEventPump pump(QtEventPump::Pace::Throttled, &TestClock);
    int handled = 0;
    const auto yieldTimes = [&pump](unsigned times) {
        for (unsigned k = 0; k < times; ++k) pump.yield();
    };

    Post([&] { ++handled; });
    yieldTimes(QtEventPump::kYieldsPerClockCheck - 1);  // no clock check yet
    EXPECT_EQ(handled, 0);
    pump.yield();
    EXPECT_EQ(handled, 1);
    Post([&] { ++handled; });
    gNow += QtEventPump::kMinimumInterval - std::chrono::microseconds(1);
    yieldTimes(10 * QtEventPump::kYieldsPerClockCheck);  // within the interval: nothing runs
    EXPECT_EQ(handled, 1);
    gNow += std::chrono::microseconds(1);
    yieldTimes(QtEventPump::kYieldsPerClockCheck);
    EXPECT_EQ(handled, 2);

    // A close handler that runs inside a yield makes that very yield throw, and every later one.
    Post([&] { pump.requestCancel(); });
    gNow += QtEventPump::kMinimumInterval;
    EXPECT_THROW(yieldTimes(QtEventPump::kYieldsPerClockCheck), SweepCancelled);
    Post([&] { ++handled; });
    gNow += QtEventPump::kMinimumInterval;
    EXPECT_THROW(yieldTimes(QtEventPump::kYieldsPerClockCheck), SweepCancelled);
    EXPECT_EQ(handled, 2);  // nothing processed after the cancel

    QtEventPump everyYield(QtEventPump::Pace::EveryYield, &TestClock);
    everyYield.yield();
    EXPECT_EQ(handled, 3);
}

}  // namespace
}  // namespace ravemo
