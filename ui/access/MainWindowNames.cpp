#include "ui/access/MainWindowNames.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "ui/MainWindow.h"
#include "ui/access/MainChartText.h"
#include "ui/access/TextEquivalent.h"
#include "ui/access/WindowKey.h"
#include "ui/chart/ChartWidget.h"

namespace ravemo {
namespace {

using C = MainWindowControls;

struct BoxName {
    QLineEdit* C::*box;
    const char* name;
    const char* description;
};

// Readouts by marker: the box of marker 1 and of marker 2, what they read, and the unit.
struct ReadoutName {
    QLineEdit* C::*marker1;
    QLineEdit* C::*marker2;
    const char* quantity;
    const char* unit;
};

struct SwitchName {
    QCheckBox* C::*box;
    const char* name;
};

// clang-format off
const BoxName kBoxes[] = {
    {&C::Text18, "Return loss offset", "dB, added to every return-loss reading"},
    {&C::Text5, "Sweep time", "milliseconds, of the latest sweep"},
    {&C::Text15, "Cable velocity factor", ""},
    {&C::Text17, "Help hint", ""},
};
const ReadoutName kReadouts[] = {
    {&C::Text3, &C::Text9, "SWR", ""},
    {&C::anglemk1, &C::anglemk2, "Phase", "degrees"},
    {&C::Text4, &C::Text10, "Return loss", "dB"},
    {&C::Text6, &C::Text11, "Reactance |Xs|", "ohms"},
    {&C::Text7, &C::Text12, "Resistance Rs", "ohms"},
    {&C::Text8, &C::Text13, "Impedance |Z|", "ohms"},
    {&C::Text1, &C::Text2, "Inductance", "microhenries, where the reactance is inductive"},
    {&C::Text14, &C::Text16, "Capacitance", "picofarads, where the reactance is capacitive"},
};
// The unlabelled curve switches, by the caption above them.
const SwitchName kCurveSwitches[] = {
    {&C::Check6, "SWR curve"},      {&C::Check1, "Phase curve"},
    {&C::Check5, "Return loss curve"}, {&C::Check2, "Reactance |Xs| curve"},
    {&C::Check3, "Resistance Rs curve"}, {&C::Check4, "Impedance |Z| curve"},
};
// The colour buttons Command3..Command10, in ColourButton's order.
const char* const kColourOf[] = {
    "SWR curve", "phase curve", "return loss curve", "reactance |Xs| curve",
    "resistance Rs curve", "impedance |Z| curve", "marker 1", "marker 2",
};
// clang-format on

}  // namespace

void NameMainWindowControls(MainWindow& window, const QLocale& locale) {
    const MainWindowControls& c = window.controls();
    SetAccessibleText(c.txtVal[0], QStringLiteral("Lower sweep limit"), QStringLiteral("MHz"));
    SetAccessibleText(c.txtVal[1], QStringLiteral("Upper sweep limit"), QStringLiteral("MHz"));
    for (const BoxName& box : kBoxes) {
        SetAccessibleText(c.*box.box, QString::fromUtf8(box.name),
                          QString::fromUtf8(box.description));
    }
    for (const ReadoutName& r : kReadouts) {
        const QString quantity = QString::fromUtf8(r.quantity);
        SetAccessibleText(c.*r.marker1, QStringLiteral("%1 at marker 1").arg(quantity),
                          QString::fromUtf8(r.unit));
        SetAccessibleText(c.*r.marker2, QStringLiteral("%1 at marker 2").arg(quantity),
                          QString::fromUtf8(r.unit));
    }
    for (const SwitchName& s : kCurveSwitches) {
        SetAccessibleText(c.*s.box, QString::fromUtf8(s.name),
                          QStringLiteral("Draw it on the chart"));
    }
    for (std::size_t i = 0; i < c.colourButtons.size(); ++i) {
        SetAccessibleText(c.colourButtons[i],
                          QStringLiteral("Colour of the %1").arg(QString::fromUtf8(kColourOf[i])),
                          QStringLiteral("Opens a colour chooser"));
    }
    SetAccessibleText(c.Command1, QStringLiteral("Save"),
                      QStringLiteral("Save the sweep to a file (Ctrl+S)"));
    SetAccessibleText(c.Command2, QStringLiteral("Open"),
                      QStringLiteral("Open a saved sweep (Ctrl+O)"));
    SetAccessibleText(c.Check7, c.Check7->text(),
                      QStringLiteral("Sweep the synthesiser's whole range (Ctrl+F)"));
    SetAccessibleText(c.Check8, c.Check8->text(),
                      QStringLiteral("Stop reading, keep the sweep shown (Ctrl+H)"));
    SetAccessibleText(c.Check9, c.Check9->text(), QStringLiteral("Hide marker 2"));
    SetAccessibleText(&window.tuningButton(), QStringLiteral("Tuning"),
                      QStringLiteral("Open the tuning window (F2)"));

    ChartWidget& chart = *c.Picture1;
    SetAccessibleText(&chart, QStringLiteral("Sweep chart"));
    const Measurement& measurement = window.measurement();
    SetTextEquivalent(chart,
                      [&c, &measurement, locale] { return MainChartText(measurement, c, locale); });
}

}  // namespace ravemo
