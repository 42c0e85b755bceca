// The tuning window on small and scaled screens: it fits the screen, and every control can be
// reached, by scrolling where the panes do not fit.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolBar>

#include "support/ScriptedDialogs.h"
#include "ui/UiTestSupport.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/DipsPanel.h"
#include "ui/tuning/ScreenFit.h"
#include "ui/tuning/TextTableWidget.h"
#include "ui/tuning/TuningPreferences.h"
#include "ui/tuning/TuningRig.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

TEST(ScreenFit, AWindowTooLargeForTheScreenTakesItsShareAndEveryWindowLiesOnIt) {
    const QRect laptop(0, 0, 1024, 600);
    const struct {
        QRect wanted;
        QRect fitted;
    } cases[] = {
        {{100, 50, 800, 500}, {100, 50, 800, 500}},     // fits: unchanged
        {{700, 300, 800, 500}, {224, 100, 800, 500}},   // moved back onto the screen
        {{1900, 900, 1180, 780}, {103, 60, 921, 540}},  // from a large screen: 90 % of this one
        {{-50, -20, 1024, 600}, {0, 0, 1024, 600}},     // just fits once moved
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FittedOnScreen(c.wanted, laptop, 0.9), c.fitted) << c.wanted.x();
    }
    // A second screen to the right: its own room counts.
    EXPECT_EQ(FittedOnScreen({3000, 0, 800, 600}, {1920, 0, 1280, 800}, 0.9),
              QRect(2400, 0, 800, 600));
}

struct FitRig : test::TuningRig {
    FitRig() { tick(2); }
    // Scrolls to `widget` and tells whether it then lies wholly inside the window, shown.
    bool reachable(QWidget* widget) const {
        if (widget == nullptr || !widget->isVisible()) return false;
        tuning->panesScroll().ensureWidgetVisible(widget, 0, 0);
        QCoreApplication::sendPostedEvents();
        const QRect inWindow(widget->mapTo(tuning, QPoint(0, 0)), widget->size());
        // A table is reached when a part of it large enough for a few rows is in sight.
        return tuning->rect().contains(inWindow) ||
               (qobject_cast<QAbstractScrollArea*>(widget) != nullptr &&
                tuning->rect().intersected(inWindow).height() >= 80);
    }
};

// 90 % of the offscreen screen (800 pixels wide), as the first size is on a small screen.
QSize FirstSizeOnThisScreen() {
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    return QSize(room.width() * 9 / 10, room.height() * 9 / 10).boundedTo({1180, 780});
}

// The offscreen screen is 800 pixels wide: the first size is 90 % of it, the commands then wrap
// into a row of their own (Copy picture stays in sight) and every control can be reached, also
// in a window as small as a 1280 x 800 screen at 2x scale leaves (640 x 400, less its frame).
TEST(TuningWindowFit, EveryControlCanBeReachedOnASmallOrScaledScreen) {
    FitRig rig;
    TuningWindow& w = *rig.tuning;
    EXPECT_EQ(w.size(), FirstSizeOnThisScreen());
    for (const QSize size : {FirstSizeOnThisScreen(), QSize(600, 360), QSize(800, 600)}) {
        SCOPED_TRACE(size.width());
        w.resize(size);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(w.size(), size);  // no pane holds the window larger than the screen
        QToolBar& commands = w.toolBar().commandBar();
        EXPECT_TRUE(rig.reachable(commands.widgetForAction(&w.toolBar().copyPictureAction())));
        EXPECT_TRUE(rig.reachable(commands.widgetForAction(&w.toolBar().saveReportAction())));
        EXPECT_TRUE(rig.reachable(w.dipsPanel().sweepButton(0)));
        EXPECT_TRUE(rig.reachable(&w.bandsPanel().sweepButton()));
        EXPECT_TRUE(rig.reachable(w.bandsPanel().findChild<QWidget*>("BandsTable")));
    }

    // A long resonance list scrolls in its own lines: the dips table keeps room for three rows.
    w.resize(800, 600);
    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << QStringLiteral("%1.0000 MHz series (Rs 50.0 Ω)").arg(i + 1);
    w.dipsPanel().showResonances(many.join(QStringLiteral(", ")));
    QCoreApplication::sendPostedEvents();
    const TextTableWidget& table = w.dipsPanel().table();
    EXPECT_GE(table.height(), table.horizontalHeader()->height() +
                                  3 * table.verticalHeader()->defaultSectionSize());
}

// A size remembered on a large screen is fitted to this one when the window opens.
TEST(TuningWindowFit, AGeometryFromALargerScreenIsFittedToThisOne) {
    FitRig rig;
    rig.tuning->resize(1600, 1100);
    rig.tuning->move(900, 700);
    rig.tuning->close();
    test::ScriptedDialogs noDialogs;
    TuningWindow again(rig.main->measurement(), noDialogs, test::kLocale,
                       rig.folder.filePath(QStringLiteral("tuning.ini")));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(again.geometry())) << again.geometry().width();
    EXPECT_EQ(again.size(), FirstSizeOnThisScreen());
}

}  // namespace
}  // namespace ravemo
