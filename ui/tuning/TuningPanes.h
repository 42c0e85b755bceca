#pragma once

#include <array>

class QLabel;
class QScrollArea;
class QSplitter;
class QWidget;

namespace ravemo {

// The widgets the tuning window lays out in its panes.
struct TuningPaneWidgets {
    QWidget* chart;
    QLabel* readout;  // under the chart
    QWidget* historyStrip;
    QWidget* smith;
    QWidget* dips;
    QWidget* bands;
};

// The tuning window's panes: the tuning chart with its readout over the history strip, the
// Smith chart beside them, the dips and the bands below; each split by a splitter the user can
// drag (its state is remembered by the splitter's name), the whole in a scroll area.
struct TuningPanes {
    QScrollArea* scroll = nullptr;
    QSplitter* main = nullptr;     // pictures over tables
    QSplitter* charts = nullptr;   // tuning chart and history beside the Smith chart
    QSplitter* history = nullptr;  // tuning chart over history strip
    QSplitter* tables = nullptr;   // dips beside bands

    std::array<QSplitter*, 4> splitters() const { return {main, charts, history, tables}; }
};

// Builds the panes around `widgets`, the scroll area a child of `parent`.
TuningPanes BuildTuningPanes(const TuningPaneWidgets& widgets, QWidget* parent);

}  // namespace ravemo
