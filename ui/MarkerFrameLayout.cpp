#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/WindowLayout.h"

namespace ravemo {
namespace {

constexpr double kReadoutWidth = 615;
constexpr double kReadoutHeight = 360;
constexpr double kMarker1Top = 840;
constexpr double kMarker2Top = 1440;
// Two of marker 2's boxes sit a little lower, as designed.
constexpr double kMarker2LowTop = 1470;

TwipsRect readoutAt(double left, double top) { return {left, top, kReadoutWidth, kReadoutHeight}; }

}  // namespace

void BuildMarkerFrame(const ControlFactory& f, QWidget* window, MainWindowControls& c) {
    QGroupBox* frame =
        f.frame(window, "Frame1", QStringLiteral("MARKERS"), {630, 6720, 10305, 2115});
    c.Frame1 = frame;

    c.Check9 =
        f.checkBox(frame, "Check9", QStringLiteral("Single marker"), {210, 315, 1275, 360}, true);

    // Column headers.
    f.label(frame, "Label15", QStringLiteral("SWR"), {3150, 360, 375, 255});
    f.label(frame, "Label2", QStringLiteral("PHASE"), {3885, 360, 615, 255});
    f.label(frame, "Label3", QStringLiteral("RETURN LOSS"), {4725, 360, 735, 375});
    f.label(frame, "Label6", QStringLiteral("| Xs |"), {5775, 360, 465, 255});
    f.label(frame, "Label7", QStringLiteral("Rs"), {6615, 360, 255, 255});
    f.label(frame, "Label1", QStringLiteral("| Z |"), {7350, 360, 255, 255});
    f.label(frame, "Label35", QStringLiteral("X--> L"), {8190, 360, 540, 225});
    f.label(frame, "Label36", QStringLiteral("X--> C"), {9135, 360, 645, 330});

    // Row captions, colour buttons and frequency captions.
    f.label(frame, "Label10", QStringLiteral("Freq. MK1 ="), {210, 840, 1335, 375}, std::nullopt,
            kLargeFontPt);
    c.Label13 = f.label(frame, "Label13", QStringLiteral("Freq. MK2 ="), {210, 1440, 1125, 375},
                        std::nullopt, kLargeFontPt);
    c.colourButtons[6] =
        f.colourButton(frame, "Command9", {945, 1155, 435, 150}, QColor(0xFF, 0x00, 0x00));
    c.colourButtons[7] =
        f.colourButton(frame, "Command10", {945, 1785, 435, 150}, QColor(0x00, 0x00, 0xFF));
    c.Label8 = f.label(frame, "Label8", QStringLiteral("Label8"), {1365, 840, 1455, 495},
                       std::nullopt, kLargeFontPt);
    c.Label14 = f.label(frame, "Label14", QStringLiteral("Label14"), {1365, 1440, 1455, 375},
                        std::nullopt, kLargeFontPt);

    // Readouts, marker 1 row then marker 2 row, left to right.
    c.Text3 = f.readout(frame, "Text3", readoutAt(3150, kMarker1Top));
    c.anglemk1 = f.readout(frame, "anglemk1", readoutAt(3885, kMarker1Top));
    c.Text4 = f.readout(frame, "Text4", readoutAt(4725, kMarker1Top));
    c.Text6 = f.readout(frame, "Text6", readoutAt(5670, kMarker1Top));
    c.Text7 = f.readout(frame, "Text7", readoutAt(6510, kMarker1Top));
    c.Text8 = f.readout(frame, "Text8", readoutAt(7245, kMarker1Top));
    c.Text1 = f.readout(frame, "Text1", readoutAt(8190, kMarker1Top));
    c.Text14 = f.readout(frame, "Text14", readoutAt(9030, kMarker1Top));

    c.Text9 = f.readout(frame, "Text9", readoutAt(3150, kMarker2Top));
    c.anglemk2 = f.readout(frame, "anglemk2", readoutAt(3885, kMarker2Top));
    c.Text10 = f.readout(frame, "Text10", readoutAt(4725, kMarker2Top));
    c.Text11 = f.readout(frame, "Text11", readoutAt(5670, kMarker2Top));
    c.Text12 = f.readout(frame, "Text12", readoutAt(6510, kMarker2Top));
    c.Text13 = f.readout(frame, "Text13", readoutAt(7245, kMarker2Top));
    c.Text2 = f.readout(frame, "Text2", readoutAt(8190, kMarker2LowTop));
    c.Text16 = f.readout(frame, "Text16", readoutAt(9030, kMarker2LowTop));
}

}  // namespace ravemo
