#include <utility>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "common/ProgramVersion.h"
#include "ui/MainWindow.h"
#include "ui/UiTestSupport.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

using test::WindowFixture;

// Controls, caption, arrays, timer, port and chart as the load handler leaves them.
TEST(MainWindowStart, StartsAsAfterLoad) {
    Settings s = test::testSettings();
    s.FMax = 30e6F;
    s.FMin = 1.8e6F;
    WindowFixture f(s);
    const QString program = "Ravemo " + CaptionVersion() + " - HF antenna analyser";
    const std::pair<const char*, const char*> texts[] = {
        {"txtVal_0", "1"}, {"txtVal_1", "50"}, {"Text18", "0"}, {"Text15", "0.0066"}};
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(f.child<QLineEdit>(name)->text(), text) << name;
    }
    // Full Sweep and Hold off, one marker; SWR and return loss on, the other four curves off.
    const std::pair<const char*, bool> ticks[] = {
        {"Check7", false}, {"Check8", false}, {"Check9", true},  {"Check6", true}, {"Check5", true},
        {"Check1", false}, {"Check2", false}, {"Check3", false}, {"Check4", false}};
    for (const auto& [name, ticked] : ticks) {
        EXPECT_EQ(f.child<QCheckBox>(name)->isChecked(), ticked) << name;
    }
    EXPECT_EQ(f.window->windowTitle(), program + " - SIMULATED instrument");
    EXPECT_EQ(f.window->statusLine().text(), Measurement::statusTextFor(f.measurement().backEnd()));
    // Legends in the settings' colours; the colour buttons keep their design colours.
    const std::pair<const char*, QColor> legends[] = {
        {"Label22", QColor(0xFF, 0xFF, 0x00)}, {"Label21", QColor(0x00, 0x00, 0xFF)},
        {"Label26", QColor(0x00, 0x80, 0x00)}, {"Label27", QColor(0x80, 0x00, 0x80)},
        {"Label28", QColor(0xFF, 0x80, 0x00)}, {"Label34", QColor(0xFF, 0x00, 0x00)}};
    for (const auto& [name, colour] : legends) {
        EXPECT_EQ(f.child(name)->palette().color(QPalette::WindowText), colour) << name;
    }
    EXPECT_EQ(f.child("Command5")->property("colour").value<QColor>(), QColor(0x00, 0x00, 0xFF));

    EXPECT_EQ(f.measurement().data().ReturnLossSamples.size(), 6001U);
    EXPECT_EQ(f.measurement().xScale(), 1.4725F);
    EXPECT_EQ(f.measurement().sweepTimer().interval(), 50);
    EXPECT_TRUE(f.measurement().sweepTimer().isActive());
    EXPECT_EQ(f.measurement().settings().FullFMax, 30e6F);
    EXPECT_EQ(f.measurement().settings().FullFMin, 1.8e6F);

    // The first port accesses clear the synthesiser: 40 zero bits, then the update pulse.
    std::vector<std::uint8_t> clear;
    for (int bit = 0; bit < 40; ++bit) clear.insert(clear.end(), {24, 26});
    clear.insert(clear.end(), {24, 28, 24});
    EXPECT_EQ(f.port->writtenValues(), clear);
    EXPECT_EQ(f.port->accesses().size(), clear.size());
    EXPECT_EQ(f.port->accesses().back().address, 888);

    ChartWidget* chart = f.child<ChartWidget>("Picture1");
    // Grid lines at the quarters of the height, markers over all of it.
    EXPECT_DOUBLE_EQ(chart->line(6).y2, 948.75);
    EXPECT_DOUBLE_EQ(chart->line(5).y1, 1897.5);
    EXPECT_DOUBLE_EQ(chart->line(7).y1, 2846.25);
    EXPECT_DOUBLE_EQ(chart->line(3).y2, 1265);
    EXPECT_DOUBLE_EQ(chart->line(4).y2, 2530);
    EXPECT_DOUBLE_EQ(chart->line(3).x2, 9240);  // x ends keep the design
    EXPECT_DOUBLE_EQ(chart->line(2).y2, 3795);
    EXPECT_DOUBLE_EQ(chart->tag(1).top, 3545);
    EXPECT_DOUBLE_EQ(chart->line(1).x1, 2160);
    EXPECT_DOUBLE_EQ(chart->line(2).x1, 3960);
    // The 0 and 180 degree labels stand 100 twips above the chart's top and bottom.
    EXPECT_EQ(f.child("Label19")->y(), 14);   // 215 twips
    EXPECT_EQ(f.child("Label20")->y(), 267);  // 4010 twips
}

TEST(MainWindowStart, CaptionAndStatusLineNameTheBackEnd) {
    const QString program = "Ravemo " + CaptionVersion() + " - HF antenna analyser";
    const BackEndInfo real{QStringLiteral("parallel port /dev/parport0 at 0x378"), false, {}};
    EXPECT_EQ(MainWindow::captionFor(real), program + " - parallel port /dev/parport0 at 0x378");
    // The simulator standing in for a port keeps the reason in sight, each part on its line.
    const BackEndInfo standIn{QStringLiteral("simulated instrument (dipole)"), true,
                              QStringLiteral("cannot open /dev/parport0: Permission denied")};
    EXPECT_EQ(Measurement::statusTextFor(standIn, QStringLiteral("The synthesiser reaches ..."),
                                         QStringLiteral("3 port accesses failed ...")),
              "SIMULATED instrument, not a measurement: simulated instrument (dipole)\n"
              "The port could not be used: cannot open /dev/parport0: Permission denied\n"
              "The synthesiser reaches ...\n"
              "3 port accesses failed ...");
}

TEST(MainWindowStart, RefusesSettingsWithoutSamples) {
    Settings noPoints = test::testSettings();
    noPoints.Champ = 0;
    EXPECT_THROW(WindowFixture{noPoints}, std::invalid_argument);
    Settings noStep = test::testSettings();
    noStep.Step = 0;
    EXPECT_THROW(WindowFixture{noStep}, std::invalid_argument);
}

}  // namespace
}  // namespace ravemo
