#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "sweep/SweepEngine.h"
#include "ui/UiTestSupport.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

Settings smallSweep() {
    Settings s = test::testSettings();
    s.Champ = 10;
    s.FMax = 30e6F;
    s.FMin = 1e6F;
    return s;
}

// The engine's rules are tested in sweep/; here the two boxes reach it.
TEST(MainWindowSweep, FullSweepAndHoldBoxesReachTheSweep) {
    test::WindowFixture f(smallSweep());
    MainWindow& w = *f.window;
    w.findChild<QCheckBox*>("Check7")->click();
    w.measurement().tick();
    EXPECT_EQ(w.findChild<QLineEdit*>("txtVal_1")->text(), "30");
    EXPECT_EQ(w.findChild<QLineEdit*>("txtVal_0")->text(), "1");
    EXPECT_NE(w.findChild<QLabel*>("Label8")->text(), "Label8");
    EXPECT_NE(w.findChild<QLineEdit*>("Text4")->text(), "Text4");
    EXPECT_NE(w.findChild<QLineEdit*>("Text5")->text(), "Text5");  // sweep time, from the redraw
    EXPECT_GT(f.port->readCount(), 0U);

    w.findChild<QCheckBox*>("Check8")->click();
    f.port->clear();
    w.measurement().tick();
    EXPECT_GT(f.port->accesses().size(), 0U);
    EXPECT_EQ(f.port->readCount(), 0U);
}

TEST(MainWindowSweep, SingleMarkerHidesMarkerTwoAtTheTickAndShowsItAgain) {
    test::WindowFixture f(smallSweep());
    MainWindow& w = *f.window;
    auto* chart = w.findChild<ChartWidget*>("Picture1");
    w.measurement().tick();
    for (const char* name : {"Text9", "anglemk2", "Text10", "Text11", "Text12", "Text13", "Text2",
                             "Text16", "Label13", "Label14", "Command10"}) {
        EXPECT_TRUE(w.findChild<QWidget*>(name)->isHidden()) << name;
    }
    EXPECT_FALSE(chart->line(2).visible);
    EXPECT_FALSE(chart->tag(2).visible);
    EXPECT_FALSE(w.findChild<QWidget*>("Text3")->isHidden());

    w.findChild<QCheckBox*>("Check9")->click();
    EXPECT_FALSE(chart->line(2).visible);  // nothing changes before the next tick
    w.measurement().tick();
    EXPECT_FALSE(w.findChild<QWidget*>("Text9")->isHidden());
    EXPECT_FALSE(w.findChild<QWidget*>("Command10")->isHidden());
    EXPECT_TRUE(chart->line(2).visible);
    EXPECT_TRUE(chart->tag(2).visible);
}

TEST(MainWindowSweep, LimitsBeyondReachAreNamedInTheStatusLineUntilMended) {
    test::WindowFixture f(smallSweep());
    MainWindow& w = *f.window;
    const int height = w.height();
    const QString backEnd = w.statusLine().text();
    w.findChild<QLineEdit*>("txtVal_1")->setText("110");
    w.measurement().tick();
    EXPECT_TRUE(w.statusLine().text().startsWith(backEnd +
                                                 "\nThe synthesiser reaches 0 to "
                                                 "90.0035 MHz: the upper limit is above"));
    // The window grows by the notice's line; the strip stays along its bottom edge.
    EXPECT_GT(w.height(), height);
    EXPECT_EQ(w.statusLine().geometry().bottom(), w.height() - 1);
    w.findChild<QLineEdit*>("txtVal_1")->setText("30");
    w.measurement().tick();
    EXPECT_EQ(w.statusLine().text(), backEnd);
    EXPECT_EQ(w.height(), height);
}

void release(ChartWidget* chart, Qt::MouseButton button, QPointF pixels) {
    QMouseEvent event(QEvent::MouseButtonRelease, pixels, chart->mapToGlobal(pixels), button,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(chart, &event);
}

TEST(MainWindowSweep, ChartReleasesPlaceTheMarkers) {
    test::WindowFixture f;
    auto* chart = f.window->findChild<ChartWidget*>("Picture1");
    release(chart, Qt::LeftButton, {100, 20});  // 1500 twips at 96 dpi
    EXPECT_DOUBLE_EQ(chart->line(1).x1, 1500);
    EXPECT_DOUBLE_EQ(chart->line(1).x2, 1500);
    release(chart, Qt::RightButton, {200, 20});
    EXPECT_DOUBLE_EQ(chart->line(2).x1, 3000);
    EXPECT_DOUBLE_EQ(chart->tag(2).left, 3000);
    release(chart, Qt::MiddleButton, {300, 20});
    EXPECT_DOUBLE_EQ(chart->line(1).x1, 1500);
    EXPECT_DOUBLE_EQ(chart->line(2).x1, 3000);
}

TEST(MainWindowSweep, AfterCloseNoTickTouchesThePort) {
    test::WindowFixture f(smallSweep());
    f.window->show();
    f.window->close();
    EXPECT_FALSE(f.measurement().sweepTimer().isActive());
    f.port->clear();
    f.measurement().tick();
    EXPECT_TRUE(f.port->accesses().empty());
}

// A port that closes the window after a number of writes and counts what comes after.
class ClosingPort final : public PortIo {
  public:
    void write(std::uint16_t, std::uint8_t) override { access(); }
    std::uint8_t read(std::uint16_t) override {
        access();
        return 0;
    }

    MainWindow* window = nullptr;
    int closeAfter = 0;
    int accesses = 0;
    int accessesAfterClose = 0;

  private:
    void access() {
        ++accesses;
        if (window && !window->isVisible()) ++accessesAfterClose;
        if (accesses == closeAfter) {
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }
};

// The sweep timer starts the sweep; a close that arrives while the sweep runs stops it at
// once and ends the event loop. The loop waits for events, not for a span of time.
TEST(MainWindowSweep, TheTimerSweepsAndAClosingMidSweepStopsItAndEndsTheLoop) {
    test::uiApplication();
    Settings settings = test::testSettings();
    settings.FMax = 30e6F;
    settings.FMin = 1e6F;
    auto closing = std::make_unique<ClosingPort>();
    ClosingPort& port = *closing;
    MainWindow window(settings, test::simulatedBackEnd(std::move(closing)), test::kLocale);
    window.show();
    port.window = &window;
    port.closeAfter = port.accesses + 5000;  // well inside the first of 6001 points' sweep
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });  // safety net only
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_GE(port.accesses, port.closeAfter);  // the timer did start a sweep
    EXPECT_LT(port.accesses, 6001 * 136);       // the sweep did not run to its end
    EXPECT_EQ(port.accessesAfterClose, 0);
    EXPECT_FALSE(window.measurement().ticking());
    EXPECT_EQ(window.findChild<QLineEdit*>("Text5")->text(), "Text5");  // no redraw
}

}  // namespace
}  // namespace ravemo
