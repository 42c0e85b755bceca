#include "ui/WindowColourTargets.h"

#include <QLabel>
#include <QPushButton>

#include "ui/ControlFactory.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {

void WindowColourTargets::setLabelTextColour(ColourLabel label, std::uint32_t colour) {
    const QColor qcolour = colourFromNumber(colour);
    QLabel* caption = nullptr;
    switch (label) {
        case ColourLabel::SwrCaption:
            caption = c_.Label34;
            break;
        case ColourLabel::PhaseCaption:
            caption = c_.Label22;
            break;
        case ColourLabel::ReturnLossCaption:
            caption = c_.Label21;
            break;
        case ColourLabel::ReactanceCaption:
            caption = c_.Label26;
            break;
        case ColourLabel::ResistanceCaption:
            caption = c_.Label27;
            break;
        case ColourLabel::ImpedanceCaption:
            caption = c_.Label28;
            break;
        case ColourLabel::Marker1Tag:
        case ColourLabel::Marker2Tag: {
            const int marker = label == ColourLabel::Marker1Tag ? 1 : 2;
            c_.Picture1->tag(marker).colour = qcolour;
            c_.Picture1->update();
            return;
        }
    }
    if (caption) setTextColour(caption, qcolour);
}

void WindowColourTargets::setButtonBackground(ColourButton button, std::uint32_t colour) {
    constexpr int kFirstColourCommand = 3;
    const int command = kFirstColourCommand + static_cast<int>(button);
    setButtonColour(c_.colourButton(command), colourFromNumber(colour));
}

void WindowColourTargets::setMarkerLineColour(MarkerLine line, std::uint32_t colour) {
    c_.Picture1->line(line == MarkerLine::Marker1 ? 1 : 2).colour = colourFromNumber(colour);
    c_.Picture1->update();
}

}  // namespace ravemo
