#include <algorithm>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "common/ProgramVersion.h"
#include "ui/MainWindow.h"
#include "ui/UiTestSupport.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

using test::RecordingPort;

using test::WindowFixture;

template <typename W = QWidget>
W* child(MainWindow& window, const char* name) {
    W* widget = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST(MainWindowStart, LimitBoxesOffsetAndSwitchesAsAfterLoad) {
    WindowFixture f;
    MainWindow& w = *f.window;
    EXPECT_EQ(child<QLineEdit>(w, "txtVal_0")->text(), "1");
    EXPECT_EQ(child<QLineEdit>(w, "txtVal_1")->text(), "50");
    EXPECT_EQ(child<QLineEdit>(w, "Text18")->text(), "0");
    EXPECT_EQ(child<QLineEdit>(w, "Text15")->text(), "0.0066");
    for (const char* name : {"txtVal_0", "txtVal_1", "Check7"}) {
        EXPECT_TRUE(child(w, name)->isEnabled()) << name;
    }
    EXPECT_FALSE(child<QCheckBox>(w, "Check7")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(w, "Check8")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "Check9")->isChecked());
    // SWR and return loss on, the other four curves off.
    EXPECT_TRUE(child<QCheckBox>(w, "Check6")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "Check5")->isChecked());
    for (const char* name : {"Check1", "Check2", "Check3", "Check4"}) {
        EXPECT_FALSE(child<QCheckBox>(w, name)->isChecked()) << name;
    }
}

TEST(MainWindowStart, ArraysTimerAndFullRange) {
    Settings s = test::testSettings();
    s.FMax = 30e6F;
    s.FMin = 1.8e6F;
    WindowFixture f(s);
    const SweepData& data = f.measurement().data();
    EXPECT_EQ(data.ReturnLossSamples.size(), 6001U);
    EXPECT_EQ(data.PhaseSamples.size(), 6001U);
    EXPECT_EQ(data.DdsWords.size(), 6001U);
    EXPECT_TRUE(
        std::all_of(data.DdsWords.begin(), data.DdsWords.end(), [](double v) { return v == 0.0; }));
    EXPECT_EQ(f.measurement().xScale(), 1.4725F);
    EXPECT_EQ(f.measurement().sweepTimer().interval(), 50);
    EXPECT_TRUE(f.measurement().sweepTimer().isActive());
    EXPECT_EQ(f.measurement().settings().FullFMax, 30e6F);
    EXPECT_EQ(f.measurement().settings().FullFMin, 1.8e6F);
}

TEST(MainWindowStart, FirstPortAccessesClearTheSynthesiser) {
    WindowFixture f;
    std::vector<RecordingPort::Access> expected;
    const auto write = [&](std::uint8_t v) {
        expected.push_back({RecordingPort::Kind::Write, 888, v});
    };
    for (int bit = 0; bit < 40; ++bit) {
        write(24);
        write(26);
    }
    write(24);
    write(28);
    write(24);
    EXPECT_EQ(f.port->accesses(), expected);
}

TEST(MainWindowStart, ChartLaidOutFromItsSize) {
    WindowFixture f;
    ChartWidget* chart = child<ChartWidget>(*f.window, "Picture1");
    EXPECT_DOUBLE_EQ(chart->line(6).y1, 948.75);
    EXPECT_DOUBLE_EQ(chart->line(6).y2, 948.75);
    EXPECT_DOUBLE_EQ(chart->line(5).y1, 1897.5);
    EXPECT_DOUBLE_EQ(chart->line(7).y1, 2846.25);
    EXPECT_DOUBLE_EQ(chart->line(3).y2, 1265);
    EXPECT_DOUBLE_EQ(chart->line(4).y2, 2530);
    EXPECT_DOUBLE_EQ(chart->line(3).x2, 9240);  // x ends keep the design
    for (int marker : {1, 2}) {
        EXPECT_DOUBLE_EQ(chart->line(marker).y1, 0);
        EXPECT_DOUBLE_EQ(chart->line(marker).y2, 3795);
        EXPECT_DOUBLE_EQ(chart->tag(marker).top, 3545);
    }
    EXPECT_DOUBLE_EQ(chart->line(1).x1, 2160);
    EXPECT_DOUBLE_EQ(chart->line(2).x1, 3960);
    EXPECT_EQ(chart->line(1).colour, QColor(0xFF, 0, 0));
    EXPECT_EQ(chart->tag(2).text, "MK2");
    // The 0 degree label stands 100 twips above the chart's top, the 180 one above its bottom
    // (15 twips a pixel at 96 dpi).
    EXPECT_EQ(child(*f.window, "Label19")->y(), 14);   // 215 twips
    EXPECT_EQ(child(*f.window, "Label20")->y(), 267);  // 4010 twips
}

TEST(MainWindowStart, LegendsTakeTheSettingsColours) {
    WindowFixture f;
    const auto text = [&](const char* name) {
        return child(*f.window, name)->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(text("Label22"), QColor(0xFF, 0xFF, 0x00));  // colorS1
    EXPECT_EQ(text("Label21"), QColor(0x00, 0x00, 0xFF));  // colorS2
    EXPECT_EQ(text("Label26"), QColor(0x00, 0x80, 0x00));
    EXPECT_EQ(text("Label27"), QColor(0x80, 0x00, 0x80));
    EXPECT_EQ(text("Label28"), QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(text("Label34"), QColor(0xFF, 0x00, 0x00));
    // The colour buttons keep their design colours.
    EXPECT_EQ(child(*f.window, "Command5")->property("colour").value<QColor>(),
              QColor(0x00, 0x00, 0xFF));
}

TEST(MainWindowStart, ReadoutsAreGreyReadOnlyAndNeverFocused) {
    WindowFixture f;
    for (const char* name :
         {"Text3", "Text9", "anglemk1", "anglemk2", "Text4", "Text10", "Text6", "Text11", "Text7",
          "Text12", "Text8", "Text13", "Text1", "Text2", "Text14", "Text16", "Text5"}) {
        auto* box = child<QLineEdit>(*f.window, name);
        EXPECT_EQ(box->text(), name);
        EXPECT_TRUE(box->isReadOnly()) << name;
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus) << name;
        EXPECT_EQ(box->palette().color(QPalette::Base), box->palette().color(QPalette::Button));
    }
    EXPECT_EQ(child<QLineEdit>(*f.window, "Text17")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(child<QLabel>(*f.window, "Label8")->text(), "Label8");
}

TEST(MainWindowStart, CaptionAndStatusLineNameTheBackEnd) {
    WindowFixture f;
    const QString program = "Ravemo " + CaptionVersion() + " - HF antenna analyser";
    EXPECT_EQ(f.window->windowTitle(), program + " - SIMULATED instrument");
    EXPECT_TRUE(f.window->statusLine().text().contains("SIMULATED"));
    EXPECT_TRUE(f.window->statusLine().text().contains("simulated test"));
    const BackEndInfo real{QStringLiteral("parallel port /dev/parport0 at 0x378"), false, {}};
    EXPECT_EQ(MainWindow::captionFor(real), program + " - parallel port /dev/parport0 at 0x378");
    EXPECT_FALSE(Measurement::statusTextFor(real).contains("SIMULATED"));
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
    Settings s = test::testSettings();
    s.Champ = 0;
    EXPECT_THROW(WindowFixture{s}, std::invalid_argument);
    s = test::testSettings();
    s.Step = 0;
    EXPECT_THROW(WindowFixture{s}, std::invalid_argument);
}

}  // namespace
}  // namespace ravemo
