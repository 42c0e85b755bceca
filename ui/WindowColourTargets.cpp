#include "ui/WindowColourTargets.h"

#include <QLabel>
#include <QPushButton>

#include "ui/ControlFactory.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {

void WindowColourTargets::setLabelTextColour(ColourLabel label, std::uint32_t colour) {
    const QColor qcolour = ColourFromNumber(colour);
    if (label == ColourLabel::Marker1Tag || label == ColourLabel::Marker2Tag) {
        w_.chart->tag(label == ColourLabel::Marker1Tag ? 1 : 2).colour = qcolour;
        w_.chart->update();
        return;
    }
    SetTextColour(w_.curveCaptions.at(static_cast<std::size_t>(label)), qcolour);
}

void WindowColourTargets::setButtonBackground(ColourButton button, std::uint32_t colour) {
    SetButtonColour(w_.buttons.at(static_cast<std::size_t>(button)), ColourFromNumber(colour));
}

void WindowColourTargets::setMarkerLineColour(MarkerLine line, std::uint32_t colour) {
    w_.chart->line(line == MarkerLine::Marker1 ? 1 : 2).colour = ColourFromNumber(colour);
    w_.chart->update();
}

}  // namespace ravemo
