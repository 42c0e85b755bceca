#include "ui/access/TuningWindowNames.h"

#include <utility>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/access/NamedComboBox.h"
#include "ui/access/TextEquivalent.h"
#include "ui/access/TuningChartTexts.h"
#include "ui/access/WindowKey.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/DipsPanel.h"
#include "ui/tuning/FeedlineBar.h"
#include "ui/tuning/HistoryStripWidget.h"
#include "ui/tuning/SmithChartWidget.h"
#include "ui/tuning/TextTableWidget.h"
#include "ui/tuning/TuningChartWidget.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

// Controls found by their object names: the name a screen reader reads, and what helps.
struct ControlName {
    const char* objectName;
    const char* name;
    const char* description;
};

// clang-format off
const ControlName kControls[] = {
    {"Region", "Band plan", "The IARU region whose bands are shaded and reported"},
    {"SwrScale", "SWR scale", "The chart's SWR scale"},
    {"RightAxis", "Right axis", "What the chart's right axis shows"},
    {"Target", "Target frequency", "MHz; the trim advice aims here (Ctrl+T)"},
    {"Average", "Averaging", "How many sweeps are averaged"},
    {"Feedline", "Feedline", "The feedline from the analyser to the antenna, e.g. rg58:20"},
    {"ReferencePlane", "Reference plane", "Where the figures stand: analyser or antenna"},
    {"DipsPanel", "Dips", ""},
    {"DipsTable", "Dips table", "SWR dips, deepest first (Ctrl+Down and Ctrl+Up step through them)"},
    {"BandsPanel", "Bands", ""},
    {"BandsTable", "Bands table", "The amateur bands the sweep meets"},
    {"BandPicker", "Band to sweep", "Ctrl+B picks, Ctrl+Shift+B sweeps it"},
    {"SweepBand", "Sweep band", "Sweep the picked band (Ctrl+Shift+B)"},
};
// clang-format on

}  // namespace

void NameTuningWindowControls(TuningWindow& window, const QLocale& locale) {
    for (const ControlName& c : kControls) {
        QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(c.objectName));
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            NameComboBox(*box, QString::fromUtf8(c.name), QString::fromUtf8(c.description));
        } else {
            SetAccessibleText(widget, QString::fromUtf8(c.name), QString::fromUtf8(c.description));
        }
    }
    // The tool bars' overflow buttons, shown where the window is too narrow for them.
    for (const auto& [bar, more] : {std::pair{"TuningToolBar", "More view choices"},
                                    std::pair{"TuningCommands", "More commands"},
                                    std::pair{"FeedlineBar", "More feedline choices"}}) {
        if (auto* toolBar = window.findChild<QWidget*>(QString::fromLatin1(bar))) {
            SetAccessibleText(toolBar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button")),
                              QString::fromLatin1(more));
        }
    }
    TuningChartWidget& chart = window.chart();
    SetAccessibleText(&chart, QStringLiteral("Tuning chart"), {});
    SetTextEquivalent(chart, [&window, locale] {
        return TuningChartText(window.chart().chartLayout().view, window.analysis(), locale);
    });
    SetAccessibleText(&window.smith(), QStringLiteral("Smith chart"), {});
    SetTextEquivalent(window.smith(),
                      [&window, locale] { return SmithChartText(window.analysis(), locale); });
    SetAccessibleText(&window.historyStrip(), QStringLiteral("Tuning history"), {});
    SetTextEquivalent(window.historyStrip(), [&window, locale] {
        return HistoryText(window.historyStrip().points(), locale);
    });
}

}  // namespace ravemo
