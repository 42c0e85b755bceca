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
        case ColourLabel::Label34:
            caption = c_.Label34;
            break;
        case ColourLabel::Label22:
            caption = c_.Label22;
            break;
        case ColourLabel::Label21:
            caption = c_.Label21;
            break;
        case ColourLabel::Label26:
            caption = c_.Label26;
            break;
        case ColourLabel::Label27:
            caption = c_.Label27;
            break;
        case ColourLabel::Label28:
            caption = c_.Label28;
            break;
        case ColourLabel::Label37:
        case ColourLabel::Label38: {
            const int marker = label == ColourLabel::Label37 ? 1 : 2;
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
    c_.Picture1->line(line == MarkerLine::Line1 ? 1 : 2).colour = colourFromNumber(colour);
    c_.Picture1->update();
}

}  // namespace ravemo
