#include "ui/WindowSweepControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/CheckBoxValue.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

constexpr int kGreyed = 2;

// The box that shows a readout, or nothing for the two frequency captions (labels).
QLineEdit* readoutBox(const MainWindowControls& c, Readout readout) {
    switch (readout) {
        case Readout::Mk1Phase:
            return c.anglemk1;
        case Readout::Mk2Phase:
            return c.anglemk2;
        case Readout::Mk1ReturnLoss:
            return c.Text4;
        case Readout::Mk2ReturnLoss:
            return c.Text10;
        case Readout::Mk1Reactance:
            return c.Text6;
        case Readout::Mk2Reactance:
            return c.Text11;
        case Readout::Mk1Resistance:
            return c.Text7;
        case Readout::Mk2Resistance:
            return c.Text12;
        case Readout::Mk1Swr:
            return c.Text3;
        case Readout::Mk2Swr:
            return c.Text9;
        case Readout::Mk1Impedance:
            return c.Text8;
        case Readout::Mk2Impedance:
            return c.Text13;
        case Readout::Mk1Capacitance:
            return c.Text14;
        case Readout::Mk2Capacitance:
            return c.Text16;
        case Readout::Mk1Inductance:
            return c.Text1;
        case Readout::Mk2Inductance:
            return c.Text2;
        case Readout::Mk1Frequency:
        case Readout::Mk2Frequency:
            return nullptr;
    }
    return nullptr;
}

QLabel* frequencyCaption(const MainWindowControls& c, Readout readout) {
    return readout == Readout::Mk1Frequency ? c.Label8 : c.Label14;
}

}  // namespace

int checkValue(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return kTicked;
        case Qt::PartiallyChecked:
            return kGreyed;
        case Qt::Unchecked:
            return kUnticked;
    }
    return kUnticked;
}

QString WindowSweepControls::lowerLimitText() const { return c_.txtVal[0]->text(); }
QString WindowSweepControls::upperLimitText() const { return c_.txtVal[1]->text(); }
void WindowSweepControls::setLowerLimitText(const QString& text) { c_.txtVal[0]->setText(text); }
void WindowSweepControls::setUpperLimitText(const QString& text) { c_.txtVal[1]->setText(text); }
int WindowSweepControls::fullSweepValue() const { return checkValue(c_.Check7); }
int WindowSweepControls::holdValue() const { return checkValue(c_.Check8); }
QString WindowSweepControls::offsetText() const { return c_.Text18->text(); }

float WindowSweepControls::markerLineX(int marker) const {
    return static_cast<float>(c_.Picture1->line(marker).x1);
}

double WindowSweepControls::chartWidth() const { return c_.Picture1->widthTwips(); }

QString WindowSweepControls::readoutText(Readout readout) const {
    if (QLineEdit* box = readoutBox(c_, readout)) return box->text();
    return frequencyCaption(c_, readout)->text();
}

void WindowSweepControls::setReadoutText(Readout readout, const QString& text) {
    if (QLineEdit* box = readoutBox(c_, readout)) {
        box->setText(text);
        // Show the start of a long number, not its end.
        box->setCursorPosition(0);
        return;
    }
    frequencyCaption(c_, readout)->setText(text);
}

int WindowSweepControls::singleMarkerValue() const { return checkValue(c_.Check9); }

void WindowSweepControls::setSecondMarkerVisible(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(c_.Text9), static_cast<QWidget*>(c_.anglemk2),
                       static_cast<QWidget*>(c_.Text10), static_cast<QWidget*>(c_.Text11),
                       static_cast<QWidget*>(c_.Text12), static_cast<QWidget*>(c_.Text13),
                       static_cast<QWidget*>(c_.Text2), static_cast<QWidget*>(c_.Text16),
                       static_cast<QWidget*>(c_.Label13), static_cast<QWidget*>(c_.Label14),
                       static_cast<QWidget*>(c_.colourButton(10))}) {
        w->setVisible(visible);
    }
    c_.Picture1->setMarkerVisible(2, visible);
}

}  // namespace ravemo
