#include "ui/AdapterWidgets.h"

#include <array>
#include <initializer_list>
#include <utility>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/MainWindowControls.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

// Puts each widget at the index of its enumerator.
template <typename Enum, typename Widget, std::size_t N>
void PlaceByEnum(std::array<Widget*, N>& widgets,
                 std::initializer_list<std::pair<Enum, Widget*>> placed) {
    for (const auto& [which, widget] : placed) widgets.at(static_cast<std::size_t>(which)) = widget;
}

}  // namespace

SweepControlWidgets SweepControlWidgetsOf(const MainWindowControls& c) {
    SweepControlWidgets w;
    w.lowerLimit = c.txtVal[0];
    w.upperLimit = c.txtVal[1];
    w.fullSweep = c.Check7;
    w.hold = c.Check8;
    w.offset = c.Text18;
    w.singleMarker = c.Check9;
    w.chart = c.Picture1;
    PlaceByEnum<Readout>(w.readoutBoxes, {{Readout::Mk1Phase, c.anglemk1},
                                          {Readout::Mk2Phase, c.anglemk2},
                                          {Readout::Mk1ReturnLoss, c.Text4},
                                          {Readout::Mk2ReturnLoss, c.Text10},
                                          {Readout::Mk1Reactance, c.Text6},
                                          {Readout::Mk2Reactance, c.Text11},
                                          {Readout::Mk1Resistance, c.Text7},
                                          {Readout::Mk2Resistance, c.Text12},
                                          {Readout::Mk1Swr, c.Text3},
                                          {Readout::Mk2Swr, c.Text9},
                                          {Readout::Mk1Impedance, c.Text8},
                                          {Readout::Mk2Impedance, c.Text13},
                                          {Readout::Mk1Capacitance, c.Text14},
                                          {Readout::Mk2Capacitance, c.Text16},
                                          {Readout::Mk1Inductance, c.Text1},
                                          {Readout::Mk2Inductance, c.Text2}});
    w.mk1FrequencyCaption = c.Label8;
    w.mk2FrequencyCaption = c.Label14;
    QPushButton* mk2Button = c.colourButtons[static_cast<std::size_t>(ColourButton::Marker2)];
    w.secondMarkerWidgets = {c.Text9, c.anglemk2, c.Text10,  c.Text11,  c.Text12, c.Text13,
                             c.Text2, c.Text16,   c.Label13, c.Label14, mk2Button};
    return w;
}

CurveControlWidgets CurveControlWidgetsOf(const MainWindowControls& c) {
    CurveControlWidgets w;
    PlaceByEnum<CurveSwitch>(w.switches, {{CurveSwitch::Phase, c.Check1},
                                          {CurveSwitch::Xs, c.Check2},
                                          {CurveSwitch::Rs, c.Check3},
                                          {CurveSwitch::Z, c.Check4},
                                          {CurveSwitch::ReturnLoss, c.Check5},
                                          {CurveSwitch::Swr, c.Check6}});
    w.offset = c.Text18;
    w.sweepTime = c.Text5;
    return w;
}

ColourTargetWidgets ColourTargetWidgetsOf(const MainWindowControls& c) {
    ColourTargetWidgets w;
    PlaceByEnum<ColourLabel>(w.curveCaptions, {{ColourLabel::SwrCaption, c.Label34},
                                               {ColourLabel::PhaseCaption, c.Label22},
                                               {ColourLabel::ReturnLossCaption, c.Label21},
                                               {ColourLabel::ReactanceCaption, c.Label26},
                                               {ColourLabel::ResistanceCaption, c.Label27},
                                               {ColourLabel::ImpedanceCaption, c.Label28}});
    w.buttons = c.colourButtons;
    w.chart = c.Picture1;
    return w;
}

}  // namespace ravemo
