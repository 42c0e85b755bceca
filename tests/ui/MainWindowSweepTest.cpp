#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "ui/UiTestSupport.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

// The engine's rules are tested in sweep/, Hold in tuning/; here the boxes reach the tick.
TEST(MainWindowSweep, BoxesClicksAndLimitsReachTheSweepAndTheWindow) {
    test::WindowFixture f(test::smallSweep());
    MainWindow& w = *f.window;
    w.findChild<QCheckBox*>("Check7")->click();
    w.measurement().tick();
    EXPECT_EQ(w.findChild<QLineEdit*>("txtVal_1")->text(), "30");
    EXPECT_EQ(w.findChild<QLineEdit*>("txtVal_0")->text(), "1");
    EXPECT_NE(w.findChild<QLineEdit*>("Text4")->text(), "Text4");
    EXPECT_NE(w.findChild<QLineEdit*>("Text5")->text(), "Text5");  // sweep time, from the redraw

    // One marker (ticked at start): marker two is hidden at the tick and shown again.
    auto* chart = w.findChild<ChartWidget*>("Picture1");
    for (const char* name : {"Text9", "anglemk2", "Text16", "Label13", "Label14", "Command10"}) {
        EXPECT_TRUE(w.findChild<QWidget*>(name)->isHidden()) << name;
    }
    EXPECT_FALSE(chart->line(2).visible);
    EXPECT_FALSE(chart->tag(2).visible);

    w.findChild<QCheckBox*>("Check9")->click();
    EXPECT_FALSE(chart->line(2).visible);  // nothing changes before the next tick
    w.measurement().tick();
    EXPECT_FALSE(w.findChild<QWidget*>("Text9")->isHidden());
    EXPECT_FALSE(w.findChild<QWidget*>("Command10")->isHidden());
    EXPECT_TRUE(chart->line(2).visible);
    EXPECT_TRUE(chart->tag(2).visible);

    // A release places a marker: left button MK1, right MK2, 15 twips a pixel at 96 dpi.
    const auto release = [chart](Qt::MouseButton button, QPointF pixels) {
        QMouseEvent event(QEvent::MouseButtonRelease, pixels, chart->mapToGlobal(pixels), button,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &event);
    };
    release(Qt::LeftButton, {100, 20});
    EXPECT_DOUBLE_EQ(chart->line(1).x1, 1500);
    release(Qt::RightButton, {200, 20});
    EXPECT_DOUBLE_EQ(chart->line(2).x1, 3000);
    EXPECT_DOUBLE_EQ(chart->tag(2).left, 3000);

    // A limit beyond reach is named in the status line until mended.
    w.findChild<QCheckBox*>("Check7")->click();
    const int height = w.height();
    const QString backEnd = w.statusLine().text();
    w.findChild<QLineEdit*>("txtVal_1")->setText("110");
    w.measurement().tick();
    EXPECT_TRUE(w.statusLine().text().startsWith(backEnd + "\nThe synthesiser reaches 0 to"));
    // The window grows by the notice's line; the strip stays along its bottom edge.
    EXPECT_GT(w.height(), height);
    EXPECT_EQ(w.statusLine().geometry().bottom(), w.height() - 1);
    w.findChild<QLineEdit*>("txtVal_1")->setText("30");
    w.measurement().tick();
    EXPECT_EQ(w.statusLine().text(), backEnd);
    EXPECT_EQ(w.height(), height);
}

// Closes the window after a number of accesses and counts those that come after.
struct ClosingPort final : PortIo {
    MainWindow* window = nullptr;
    int closeAfter = 0;
    int accesses = 0;
    int accessesAfterClose = 0;

    void write(std::uint16_t, std::uint8_t) override { read(0); }
    std::uint8_t read(std::uint16_t) override {
        if (window && !window->isVisible()) ++accessesAfterClose;
        if (++accesses == closeAfter) {
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
        return 0;
    }
};

// A close while the timer's sweep runs stops it at once and ends the event loop; no later
// tick touches the port.
TEST(MainWindowSweep, TheTimerSweepsAndAClosingMidSweepStopsItAndEndsTheLoop) {
    test::uiApplication();
    Settings settings = test::smallSweep();
    settings.Champ = 6000;  // long enough a sweep to close inside
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
    window.measurement().tick();  // a tick after the close touches nothing either
    EXPECT_EQ(port.accessesAfterClose, 0);
}

}  // namespace
}  // namespace ravemo
