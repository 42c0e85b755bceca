#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/WindowLayout.h"

namespace ravemo {

void BuildSweepLimitsFrame(const ControlFactory& f, QWidget* window, MainWindowControls& c) {
    QGroupBox* scan =
        f.frame(window, "SCAN", QStringLiteral("FREQUENCY SWEEP LIMITS"), {630, 4620, 3480, 1800});
    c.SCAN = scan;

    c.txtVal[0] = f.textBox(scan, "txtVal_0", QStringLiteral("Text1"), {105, 315, 915, 288});
    f.label(scan, "Label4", QStringLiteral("MHz (min)"), {1155, 360, 855, 255});
    c.txtVal[1] = f.textBox(scan, "txtVal_1", QStringLiteral("Text2"), {105, 735, 915, 288});
    f.label(scan, "Label16", QStringLiteral("MHz (max)"), {1155, 735, 855, 255});
    c.Check7 =
        f.checkBox(scan, "Check7", QStringLiteral("Full Sweep"), {2310, 315, 1080, 360}, false);
    c.Check8 = f.checkBox(scan, "Check8", QStringLiteral("Hold"), {2310, 735, 645, 360}, false);
    f.label(scan, "Label9", QStringLiteral("Sweep time (mS)"), {210, 1260, 1380, 330});
    c.Text5 = f.readout(scan, "Text5", {1575, 1260, 645, 315});

    // Beyond the frame's right edge, and so clipped away: the cable captions and the velocity
    // factor box that the load handler fills. Kept because the load handler writes Text15.
    f.label(scan, "Label25", QStringLiteral("Cable velocity factor     ="), {4410, 315, 1935, 255});
    c.Text15 = f.textBox(scan, "Text15", QStringLiteral("Text15"), {6360, 315, 420, 255});
    f.label(scan, "Label23", QStringLiteral("Cable Lengh (meters)    ="), {4410, 720, 1935, 255});
    f.label(scan, "Label24", QStringLiteral("Label24"), {6360, 720, 420, 255});
    f.label(scan, "Label5", QStringLiteral("MHZ"), {9600, 360, 495, 255});
}

}  // namespace ravemo
