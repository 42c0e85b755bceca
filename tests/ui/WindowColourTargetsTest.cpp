#include "ui/WindowColourTargets.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>

#include "ui/UiTestSupport.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

constexpr std::uint32_t kGreen = 0x00FF00;   // red + 256 green + 65536 blue
constexpr std::uint32_t kOrange = 0x0080FF;  // red FF, green 80
constexpr QColor kOrangeColour{0xFF, 0x80, 0x00};

TEST(WindowColourTargets, RecolourCaptionsButtonsMarkersAndTags) {
    test::WindowFixture f;
    const MainWindowControls& c = f.window->controls();
    WindowColourTargets targets({{c.Label34, c.Label22, c.Label21, c.Label26, c.Label27, c.Label28},
                                 c.colourButtons,
                                 c.Picture1});

    targets.setLabelTextColour(ColourLabel::ReturnLossCaption, kOrange);
    EXPECT_EQ(c.Label21->palette().color(QPalette::WindowText), kOrangeColour);

    targets.setButtonBackground(ColourButton::ReturnLossCurve, kGreen);
    EXPECT_EQ(c.colourButton(5)->property("colour").value<QColor>(), QColor(0, 0xFF, 0));
    targets.setButtonBackground(ColourButton::Marker2, kOrange);
    EXPECT_EQ(c.colourButton(10)->objectName(), "Command10");
    EXPECT_EQ(c.colourButton(10)->property("colour").value<QColor>(), kOrangeColour);

    targets.setMarkerLineColour(MarkerLine::Marker2, kGreen);
    EXPECT_EQ(c.Picture1->line(2).colour, QColor(0, 0xFF, 0));
    targets.setLabelTextColour(ColourLabel::Marker1Tag, kOrange);
    EXPECT_EQ(c.Picture1->tag(1).colour, kOrangeColour);
    EXPECT_EQ(c.Picture1->line(1).colour, QColor(0xFF, 0, 0));  // untouched
}

}  // namespace
}  // namespace ravemo
