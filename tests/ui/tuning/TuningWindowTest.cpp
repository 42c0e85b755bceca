// The tuning window on a main window whose measurement sweeps the simulated dipole, ticked by
// hand: what a sweep shows, the limit boxes it writes, the reference and what it remembers.

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "files/VecFile.h"
#include "support/FileBytes.h"
#include "support/ScriptedDialogs.h"
#include "ui/UiTestSupport.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/DipsPanel.h"
#include "ui/tuning/FeedlineBar.h"
#include "ui/tuning/HistoryStripWidget.h"
#include "ui/tuning/TextTableWidget.h"
#include "ui/tuning/TuningRig.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

using test::TuningRig;

TEST(TuningWindow, FollowsTheSweepsWhileShownAndTheMainWindowCloseClosesIt) {
    TuningRig rig;
    ASSERT_NE(rig.tuning, nullptr);
    EXPECT_EQ(rig.tuning->windowTitle(), "Ravemo tuning - SIMULATED instrument");
    EXPECT_TRUE(rig.tuning->history().points().empty());
    rig.tick(2);
    const TextTableWidget& dips = rig.tuning->dipsPanel().table();
    ASSERT_GE(dips.rowCount(), 1);
    EXPECT_TRUE(dips.cellText(0, 0).startsWith("7.")) << dips.cellText(0, 0).toStdString();
    EXPECT_EQ(rig.tuning->history().points().size(), 1U);
    EXPECT_EQ(rig.tuning->historyStrip().points().size(), 1U);
    QPushButton* button = rig.tuning->dipsPanel().sweepButton(0);
    rig.tick();
    EXPECT_EQ(rig.tuning->history().points().size(), 2U);
    EXPECT_EQ(rig.tuning->dipsPanel().sweepButton(0), button);  // a press survives a sweep

    // Held data is shown, but nothing new was measured for the history.
    rig.main->controls().Check8->setChecked(true);
    rig.tick();
    EXPECT_EQ(rig.tuning->history().points().size(), 2U);
    rig.main->controls().Check8->setChecked(false);

    // Closed, it leaves the sweep running and does no work; F2 shows the same one again.
    rig.tuning->close();
    EXPECT_TRUE(rig.main->measurement().sweepTimer().isActive());
    rig.tick();
    EXPECT_EQ(rig.tuning->history().points().size(), 2U);
    rig.main->showTuning();
    EXPECT_EQ(rig.main->tuningWindow(), rig.tuning);
    EXPECT_TRUE(rig.tuning->isVisible());

    rig.main->close();
    EXPECT_FALSE(rig.tuning->isVisible());
}

// The Average box sits in the tuning window; the main window's strip tells the averaging.
TEST(TuningWindow, TheAverageBoxSetsTheMeasurementsAveragingAndTheStripSaysIt) {
    TuningRig rig(QStringLiteral("sim:dipole:7.1;noise=3"));
    auto* average = rig.tuning->findChild<QComboBox*>(QStringLiteral("Average"));
    ASSERT_NE(average, nullptr);
    EXPECT_EQ(average->currentText(), "off");
    rig.tick(2);  // the first tick's step still spans the settings' limits
    average->setCurrentIndex(average->findText(QStringLiteral("8 sweeps")));
    EXPECT_EQ(rig.main->measurement().averageDepth(), 8);
    rig.tick(3);
    EXPECT_TRUE(rig.main->statusLine().text().endsWith("\nAveraging 3 of 8 sweeps"))
        << rig.main->statusLine().text().toStdString();
}

TEST(TuningWindow, SweepAroundADipOrABandWritesTheLimitBoxesAndUnticksFullSweep) {
    TuningRig rig;
    rig.tick(2);
    rig.main->controls().Check7->setChecked(true);
    QPushButton* aroundDip = rig.tuning->dipsPanel().sweepButton(0);
    ASSERT_NE(aroundDip, nullptr);
    aroundDip->click();
    EXPECT_FALSE(rig.main->controls().Check7->isChecked());
    // The 2:1 band of this coarse sweep, 6.9513 to 7.2518 MHz, and 150 kHz on each side.
    EXPECT_EQ(rig.box(0), "6.8");
    EXPECT_EQ(rig.box(1), "7.41");

    // 20 m of region 2 (14.0 to 14.35 MHz) with 175 kHz on each side.
    rig.tuning->toolBar().regionBox().setCurrentIndex(1);
    rig.main->controls().Check7->setChecked(true);
    BandsPanel& bands = rig.tuning->bandsPanel();
    bands.picker().setCurrentIndex(bands.picker().findText("20m"));
    bands.sweepButton().click();
    EXPECT_FALSE(rig.main->controls().Check7->isChecked());
    EXPECT_EQ(rig.box(0), "13.82");
    EXPECT_EQ(rig.box(1), "14.53");
}

// "Sweep there" under Hold (a save ticks it) sweeps there: the held readings are never shown
// under the new limits, where they would move the 7.1 MHz dip to 6.88 MHz.
TEST(TuningWindow, SweepingADipUnderHoldMeasuresTheNewLimitsAndAsksBeforeReplacingAFile) {
    TuningRig rig;
    rig.tick(2);
    QCheckBox& hold = *rig.main->controls().Check8;
    hold.setChecked(true);
    rig.tuning->dipsPanel().sweepButton(0)->click();
    EXPECT_FALSE(hold.isChecked());
    EXPECT_EQ(rig.box(0), "6.8");
    rig.tick(2);
    const std::vector<SwrDip>& dips = rig.tuning->analysis().dips;
    ASSERT_FALSE(dips.empty());
    EXPECT_NEAR(dips[0].bottom.hz, 7.1e6, 0.05e6);
    EXPECT_EQ(rig.tuning->history().points().size(), 1U);  // measured at the new limits

    // Readings opened from a file: a No keeps them, held, under their own limits.
    const QString path = rig.folder.filePath("kept.vec");
    ASSERT_TRUE(
        test::WriteFileBytes(path, EncodeVecFile(rig.main->measurement().data(), {6.8F, 7.41F})));
    rig.dialogs.accept(path);
    ASSERT_EQ(rig.main->measurement().open(), FileCommandOutcome::Done);
    ASSERT_TRUE(hold.isChecked());
    rig.tuning->sweepBand(0);
    ASSERT_EQ(rig.dialogs.questions.size(), 1U);
    EXPECT_TRUE(rig.dialogs.questions[0].contains("opened from"));
    EXPECT_TRUE(hold.isChecked());
    EXPECT_EQ(rig.box(0), "6.8");
    rig.dialogs.yes = true;
    rig.tuning->sweepBand(0);
    EXPECT_FALSE(hold.isChecked());
    EXPECT_NE(rig.box(0), "6.8");
}

TEST(TuningWindow, TheHistoryStartsAfreshWhenTheLimitsChange) {
    TuningRig rig;
    rig.tick(3);
    ASSERT_EQ(rig.tuning->history().points().size(), 2U);
    rig.tuning->sweepBand(5);  // 40 m: the start changes at the next sweep, the step after it
    rig.tick(2);
    EXPECT_EQ(rig.tuning->history().points().size(), 1U);
    rig.tick();
    ASSERT_EQ(rig.tuning->history().points().size(), 2U);
    // Only sweeps of the new limits remain: the resonance near 7.1 MHz, well inside them.
    for (const HistoryPoint& p : rig.tuning->history().points()) {
        EXPECT_NEAR(p.resonanceHz.value_or(0.0), 7.1e6, 0.1e6);
    }
}

TEST(TuningWindow, AReferenceShowsTheShiftAndAFileThatIsNoSweepIsRefusedByName) {
    TuningRig rig;
    rig.tick(2);
    QLabel* shift = rig.tuning->dipsPanel().findChild<QLabel*>("ReferenceShift");
    EXPECT_TRUE(shift->isHidden());
    rig.tuning->keepReference();
    const QString shiftText = shift->text();
    const QString lowest = rig.tuning->dipsPanel().table().cellText(0, 1);
    EXPECT_TRUE(shiftText.startsWith("Reference (kept at ")) << shiftText.toStdString();
    EXPECT_TRUE(shiftText.endsWith("): dip unchanged since reference; lowest SWR " + lowest +
                                   ", was " + lowest))
        << shiftText.toStdString();

    // The same sweep saved, shifted 200 kHz down: the resonance now lies 200 kHz higher.
    SweepData saved = rig.main->measurement().data();
    for (double& word : saved.DdsWords) word -= TuningWord(200e3);
    const QString path = rig.folder.filePath("lower.vec");
    ASSERT_TRUE(test::WriteFileBytes(path, EncodeVecFile(saved, {0.8F, 49.8F})));
    QAction& load = rig.tuning->toolBar().loadReferenceAction();
    rig.dialogs.cancel();
    load.trigger();
    EXPECT_TRUE(shift->text().startsWith("Reference (kept at "));  // a cancel changes nothing
    rig.dialogs.accept(path);
    load.trigger();
    EXPECT_TRUE(shift->text().startsWith("Reference (lower.vec): dip +200 kHz since reference"))
        << shift->text().toStdString();

    const QString bad = rig.folder.filePath("short.vec");
    ASSERT_TRUE(test::WriteFileBytes(bad, "12345"));
    rig.dialogs.accept(bad);
    load.trigger();
    const std::vector<QString> shown = rig.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(shown[0].contains(QDir::toNativeSeparators(bad)) && shown[0].contains("5 bytes"))
        << shown[0].toStdString();
    EXPECT_TRUE(shift->text().startsWith("Reference (lower.vec)"));  // the last one taken stays
}

TEST(TuningWindow, TheReportAndThePictureShowWhatTheWindowShows) {
    TuningRig rig;
    const QString html = rig.folder.filePath("antenna.html");
    std::vector<QString> shown = rig.saveReportAs(html);
    EXPECT_TRUE(shown.size() == 1 && shown[0].contains("no sweep to report yet"));
    rig.tick(2);
    TuningToolBar& bar = rig.tuning->toolBar();
    bar.regionBox().setCurrentIndex(1);
    // A target the synthesiser cannot reach gives no advice ("shorten by 100%" once).
    for (const char* beyond : {"1e9", "0.0009", "90.0036"}) {
        bar.targetBox().setText(beyond);
        Q_EMIT bar.targetBox().editingFinished();
        EXPECT_FALSE(bar.targetHz()) << beyond;
        EXPECT_FALSE(bar.targetBox().toolTip().isEmpty());
    }
    bar.targetBox().setText("7.05");
    Q_EMIT bar.targetBox().editingFinished();
    rig.tuning->keepReference();

    rig.dialogs.cancel();
    rig.tuning->toolBar().saveReportAction().trigger();
    // A bare name gets the extension of the entry chosen: HTML, the third.
    ASSERT_TRUE(rig.saveReportAs(rig.folder.filePath("antenna"), 3).empty());
    EXPECT_FALSE(QFile::exists(rig.folder.filePath("antenna")));
    ASSERT_TRUE(rig.saveReportAs(rig.folder.filePath("picture"), 2).empty());
    EXPECT_TRUE(QFile::exists(rig.folder.filePath("picture.png")));
    const QString text = QString::fromUtf8(test::ReadFileBytes(html));
    for (const QString& expected :
         {QStringLiteral("<h1>antenna</h1>"), QStringLiteral("simulated instrument"),
          QStringLiteral("IARU region 2"), QStringLiteral("Trim for 7.0500 MHz"),
          QStringLiteral("<td>the grey trace: kept at "),
          QStringLiteral("<td>dip unchanged since reference; lowest SWR"),
          QStringLiteral("alt=\"Tuning history: tuned frequency and lowest SWR\""),
          "<td>" + rig.tuning->dipsPanel().table().cellText(0, 0) + "</td>"}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }

    // A folder that is not there: the reason, with the file's name, and no file.
    const QString lost = rig.folder.filePath("no/antenna.pdf");
    shown = rig.saveReportAs(lost);
    EXPECT_TRUE(shown.size() == 1 && shown[0].contains(QDir::toNativeSeparators(lost)));
    EXPECT_FALSE(QFile::exists(lost));

    rig.tuning->toolBar().copyPictureAction().trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(1500, 650));
    EXPECT_EQ(copied, rig.tuning->picture().convertToFormat(copied.format()));
    EXPECT_NE(copied.pixel(copied.width() / 3, copied.height() / 3),
              copied.pixel(copied.width() - 2, copied.height() - 2));  // not one colour
}

TEST(TuningWindow, RemembersItsChoicesInItsOwnFile) {
    TuningRig rig;
    TuningToolBar& bar = rig.tuning->toolBar();
    bar.regionBox().setCurrentIndex(2);
    bar.scaleBox().setCurrentIndex(1);
    bar.targetBox().setText("14.2");
    Q_EMIT bar.targetBox().editingFinished();
    rig.tuning->resize(700, 640);
    rig.tuning->close();

    TuningWindow again(rig.main->measurement(), rig.dialogs, test::kLocale, rig.preferences());
    const TuningPreferences remembered = again.preferences();
    EXPECT_EQ(remembered.region, 3);
    EXPECT_EQ(remembered.scale, SwrScaleChoice::UpTo2);
    EXPECT_EQ(remembered.targetHz, 14.2e6);
    EXPECT_EQ(again.size(), QSize(700, 640));
    EXPECT_EQ(remembered.paneSizes.size(), 4U);

    // Where they cannot be kept (a file stands where the folder should be), the user is told.
    ASSERT_TRUE(test::WriteFileBytes(rig.folder.filePath("blocker"), {}));
    const QString unwritable = rig.folder.filePath("blocker/tuning.ini");
    TuningWindow blocked(rig.main->measurement(), rig.dialogs, test::kLocale, unwritable);
    blocked.show();
    blocked.close();
    const std::vector<QString> shown = rig.dialogs.takeMessages();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(shown[0].contains(QDir::toNativeSeparators(unwritable))) << shown[0].toStdString();
}

TEST(MainWindowScroll, TheDesignedClientAreaScrollsInASmallWindowAndKeepsItsLayout) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    const QSize designed = w.clientArea().size();
    const QPoint markers = w.findChild<QWidget*>("Frame1")->pos();
    const QScrollArea& scroll = w.clientScroll();
    w.show();
    w.resize(600, 400);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(w.clientArea().size(), designed);
    EXPECT_EQ(w.findChild<QWidget*>("Frame1")->pos(), markers);
    // The scroll range is the client area beyond the viewport: every control can be reached.
    EXPECT_EQ(scroll.horizontalScrollBar()->maximum(),
              designed.width() - scroll.viewport()->width());
    EXPECT_EQ(scroll.verticalScrollBar()->maximum(),
              designed.height() - scroll.viewport()->height());
    // The status line and the Tuning button stay below it, along the window's bottom edge.
    EXPECT_EQ(scroll.geometry().bottom() + 1, w.statusLine().y());
    EXPECT_EQ(w.tuningButton().geometry().bottom(), w.height() - 1);

    // On a small screen the window fits its room, wider by the scroll bar where that fits.
    const struct {
        QSize room;
        QSize fitted;
    } screens[] = {{{1024, 570}, {800, 570}}, {{790, 570}, {790, 570}}, {{600, 900}, {600, 637}}};
    for (const auto& s : screens) {
        EXPECT_EQ(MainWindow::sizeToFit({785, 637}, s.room, 15), s.fitted) << s.room.width();
    }
}

TEST(TuningWindow, TheFeedlineMovesEveryFigureToTheAntennaAndEveryViewSaysSo) {
    TuningRig rig;
    rig.tick(2);
    const double atAnalyser = rig.tuning->analysis().dips.at(0).bottom.swr;
    const auto title = [&rig](const char* name) {
        return rig.tuning->findChild<QLabel*>(QLatin1String(name))->text();
    };
    FeedlineBar& bar = rig.tuning->feedlineBar();
    const auto type = [&bar](const char* text) {
        bar.feedlineBox().setText(QLatin1String(text));
        Q_EMIT bar.feedlineBox().editingFinished();
    };
    // A feedline alone moves nothing; the views say where the figures stand.
    type("rg58:20");
    EXPECT_EQ(rig.tuning->analysis().dips.at(0).bottom.swr, atAnalyser);
    EXPECT_TRUE(title("DipsTitle").contains("at the analyser")) << title("DipsTitle").toStdString();
    // At the antenna the cable's loss no longer flatters the dip.
    bar.planeBox().setCurrentIndex(1);
    EXPECT_GT(rig.tuning->analysis().dips.at(0).bottom.swr, atAnalyser + 0.05);
    for (const char* name : {"DipsTitle", "BandsTitle"}) {
        EXPECT_TRUE(title(name).contains("at the antenna, through 20 m of RG-58")) << name;
    }
    const QString report = rig.folder.filePath("fed.html");
    ASSERT_TRUE(rig.saveReportAs(report).empty());
    EXPECT_TRUE(
        test::ReadFileBytes(report).contains("<th>Figures</th><td>at the antenna, through 20 m"));
    // A feedline that names no line is marked and moves nothing.
    type("coax:20");
    EXPECT_EQ(rig.tuning->analysis().dips.at(0).bottom.swr, atAnalyser);
    EXPECT_TRUE(bar.feedlineBox().toolTip().contains("'coax' is no known type"));
    rig.tuning->close();
    const TuningPreferences kept = LoadTuningPreferences(rig.preferences());
    EXPECT_EQ(kept.feedline, "coax:20");
    EXPECT_TRUE(kept.atAntenna);
}

}  // namespace
}  // namespace ravemo
