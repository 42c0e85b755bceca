#include <optional>

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QToolButton>

#include "files/ColourTargets.h"
#include "ui/WindowLayout.h"

namespace ravemo {
namespace {

constexpr double kColourButtonWidth = 435;
constexpr double kColourButtonHeight = 150;
constexpr double kColourButtonTop = 945;
constexpr double kSwitchWidth = 225;
constexpr double kSwitchHeight = 435;
constexpr double kSwitchTop = 1260;

// One column of the frame: the curve's caption, its colour button and its enable switch, and
// where the window keeps them. A colour left out is the window's own (text, button text).
struct CaptionPart {
    const char* name;
    const char* text;  // UTF-8
    TwipsRect rect;
    double pointSize;
    std::optional<QRgb> colour;
};
struct ButtonPart {
    const char* name;
    double left;
    std::optional<QRgb> colour;
    ColourButton which;
};
struct SwitchPart {
    const char* name;
    double left;
    bool ticked;
    QCheckBox* MainWindowControls::*control;
};
struct CurveColumn {
    CaptionPart caption;
    QLabel* MainWindowControls::*captionControl;
    ButtonPart button;
    SwitchPart enable;
};

using C = MainWindowControls;

// Left to right: SWR, phase, return loss, |Xs|, Rs, |Z|.
// clang-format off
const CurveColumn kCurveColumns[] = {
    {{"Label34", "SWR", {105, 630, 645, 330}, kSmallFontPt, 0xFF0000}, &C::Label34,
     {"Command3", 105, 0xFF0000, ColourButton::SwrCurve},
     {"Check6", 210, true, &C::Check6}},
    {{"Label22", "Phase /° refl coef.", {840, 420, 735, 465}, kSmallFontPt, 0xFFFF00}, &C::Label22,
     {"Command4", 945, 0xFFFF00, ColourButton::PhaseCurve},
     {"Check1", 1050, false, &C::Check1}},
    {{"Label21", "Return   loss /dB", {1680, 315, 795, 570}, kLargeFontPt, 0x0000C0}, &C::Label21,
     {"Command5", 1785, 0x0000FF, ColourButton::ReturnLossCurve},
     {"Check5", 1890, true, &C::Check5}},
    {{"Label26", "|Xs| / ohm", {2625, 525, 945, 255}, kLargeFontPt, 0x008000}, &C::Label26,
     {"Command6", 2730, 0x008000, ColourButton::ReactanceCurve},
     {"Check2", 2835, false, &C::Check2}},
    {{"Label27", "Rs / ohm", {3570, 525, 840, 255}, kLargeFontPt, 0x800080}, &C::Label27,
     {"Command7", 3675, 0x800080, ColourButton::ResistanceCurve},
     {"Check3", 3780, false, &C::Check3}},
    {{"Label28", "|Z| / ohm", {4515, 525, 840, 255}, kLargeFontPt, std::nullopt}, &C::Label28,
     {"Command8", 4620, std::nullopt, ColourButton::ImpedanceCurve},
     {"Check4", 4725, false, &C::Check4}},
};
// clang-format on

std::optional<QColor> colourOf(std::optional<QRgb> rgb) {
    if (!rgb) return std::nullopt;
    return QColor(*rgb);
}

void buildColumn(const ControlFactory& f, QWidget* frame, const CurveColumn& col,
                 const QColor& buttonText, MainWindowControls& c) {
    const CaptionPart& caption = col.caption;
    c.*col.captionControl = f.label(frame, caption.name, QString::fromUtf8(caption.text),
                                    caption.rect, colourOf(caption.colour), caption.pointSize);
    const ButtonPart& button = col.button;
    c.colourButtons[static_cast<std::size_t>(button.which)] =
        f.colourButton(frame, button.name,
                       {button.left, kColourButtonTop, kColourButtonWidth, kColourButtonHeight},
                       colourOf(button.colour).value_or(buttonText));
    const SwitchPart& enable = col.enable;
    c.*enable.control =
        f.checkBox(frame, enable.name, QString(),
                   {enable.left, kSwitchTop, kSwitchWidth, kSwitchHeight}, enable.ticked);
}

}  // namespace

void BuildCurveFrame(const ControlFactory& f, QWidget* window, MainWindowControls& c) {
    QGroupBox* frame = f.frame(window, "Frame3", QStringLiteral("LINE ENABLE AND COLORS"),
                               {4410, 4620, 6525, 2115});
    c.Frame3 = frame;
    const QColor buttonText = window->palette().color(QPalette::ButtonText);
    for (const CurveColumn& column : kCurveColumns) buildColumn(f, frame, column, buttonText, c);

    c.Command1 = f.pictureButton(frame, "Command1", QStringLiteral("save"),
                                 QStringLiteral(":/icons/save.png"), {5670, 210, 750, 750});
    c.Command2 = f.pictureButton(frame, "Command2", QStringLiteral("open"),
                                 QStringLiteral(":/icons/open.png"), {5670, 1155, 750, 750});
}

}  // namespace ravemo
