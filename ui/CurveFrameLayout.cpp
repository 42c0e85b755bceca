#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QToolButton>

#include "ui/WindowLayout.h"

namespace ravemo {
namespace {

constexpr double kColourButtonWidth = 435;
constexpr double kColourButtonHeight = 150;
constexpr double kColourButtonTop = 945;
constexpr double kSwitchWidth = 225;
constexpr double kSwitchHeight = 435;
constexpr double kSwitchTop = 1260;

// One column of the frame: the curve's caption, its colour button and its enable switch.
struct CurveColumn {
    const char* labelName;
    QString caption;
    TwipsRect labelRect;
    double pointSize;
    std::optional<QColor> captionColour;
    const char* buttonName;
    double buttonLeft;
    QColor buttonColour;
    const char* switchName;
    double switchLeft;
    bool ticked;
};

struct BuiltColumn {
    QLabel* caption;
    QPushButton* button;
    QCheckBox* enable;
};

BuiltColumn buildColumn(const ControlFactory& f, QWidget* frame, const CurveColumn& col) {
    BuiltColumn built{};
    built.caption =
        f.label(frame, col.labelName, col.caption, col.labelRect, col.captionColour, col.pointSize);
    built.button =
        f.colourButton(frame, col.buttonName,
                       {col.buttonLeft, kColourButtonTop, kColourButtonWidth, kColourButtonHeight},
                       col.buttonColour);
    built.enable =
        f.checkBox(frame, col.switchName, QString(),
                   {col.switchLeft, kSwitchTop, kSwitchWidth, kSwitchHeight}, col.ticked);
    return built;
}

}  // namespace

void buildCurveFrame(const ControlFactory& f, QWidget* window, MainWindowControls& c) {
    QGroupBox* frame = f.frame(window, "Frame3", QStringLiteral("LINE ENABLE AND COLORS"),
                               {4410, 4620, 6525, 2115});
    c.Frame3 = frame;
    const QColor buttonText = window->palette().color(QPalette::ButtonText);

    // Left to right: SWR, phase, return loss, |Xs|, Rs, |Z|.
    const BuiltColumn swr = buildColumn(f, frame,
                                        {"Label34",
                                         QStringLiteral("SWR"),
                                         {105, 630, 645, 330},
                                         kSmallFontPt,
                                         QColor(0xFF, 0x00, 0x00),
                                         "Command3",
                                         105,
                                         QColor(0xFF, 0x00, 0x00),
                                         "Check6",
                                         210,
                                         true});
    const BuiltColumn phase = buildColumn(f, frame,
                                          {"Label22",
                                           QStringLiteral("Phase /° refl coef."),
                                           {840, 420, 735, 465},
                                           kSmallFontPt,
                                           QColor(0xFF, 0xFF, 0x00),
                                           "Command4",
                                           945,
                                           QColor(0xFF, 0xFF, 0x00),
                                           "Check1",
                                           1050,
                                           false});
    const BuiltColumn loss = buildColumn(f, frame,
                                         {"Label21",
                                          QStringLiteral("Return   loss /dB"),
                                          {1680, 315, 795, 570},
                                          kLargeFontPt,
                                          QColor(0x00, 0x00, 0xC0),
                                          "Command5",
                                          1785,
                                          QColor(0x00, 0x00, 0xFF),
                                          "Check5",
                                          1890,
                                          true});
    const BuiltColumn xs = buildColumn(f, frame,
                                       {"Label26",
                                        QStringLiteral("|Xs| / ohm"),
                                        {2625, 525, 945, 255},
                                        kLargeFontPt,
                                        QColor(0x00, 0x80, 0x00),
                                        "Command6",
                                        2730,
                                        QColor(0x00, 0x80, 0x00),
                                        "Check2",
                                        2835,
                                        false});
    const BuiltColumn rs = buildColumn(f, frame,
                                       {"Label27",
                                        QStringLiteral("Rs / ohm"),
                                        {3570, 525, 840, 255},
                                        kLargeFontPt,
                                        QColor(0x80, 0x00, 0x80),
                                        "Command7",
                                        3675,
                                        QColor(0x80, 0x00, 0x80),
                                        "Check3",
                                        3780,
                                        false});
    const BuiltColumn z = buildColumn(f, frame,
                                      {"Label28",
                                       QStringLiteral("|Z| / ohm"),
                                       {4515, 525, 840, 255},
                                       kLargeFontPt,
                                       std::nullopt,
                                       "Command8",
                                       4620,
                                       buttonText,
                                       "Check4",
                                       4725,
                                       false});

    c.Label34 = swr.caption;
    c.Label22 = phase.caption;
    c.Label21 = loss.caption;
    c.Label26 = xs.caption;
    c.Label27 = rs.caption;
    c.Label28 = z.caption;
    c.Check6 = swr.enable;
    c.Check1 = phase.enable;
    c.Check5 = loss.enable;
    c.Check2 = xs.enable;
    c.Check3 = rs.enable;
    c.Check4 = z.enable;
    c.colourButtons[0] = swr.button;
    c.colourButtons[1] = phase.button;
    c.colourButtons[2] = loss.button;
    c.colourButtons[3] = xs.button;
    c.colourButtons[4] = rs.button;
    c.colourButtons[5] = z.button;

    c.Command1 = f.pictureButton(frame, "Command1", QStringLiteral("save"),
                                 QStringLiteral(":/icons/save.png"), {5670, 210, 750, 750});
    c.Command2 = f.pictureButton(frame, "Command2", QStringLiteral("open"),
                                 QStringLiteral(":/icons/open.png"), {5670, 1155, 750, 750});
}

}  // namespace ravemo
