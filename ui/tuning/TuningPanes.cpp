#include "ui/tuning/TuningPanes.h"

#include <QLabel>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace ravemo {
namespace {

// The first split of the panes, in pixels (the splitters keep the proportions).
constexpr int kFirstChartWidthPx = 780;
constexpr int kFirstSmithWidthPx = 380;
constexpr int kFirstPicturesHeightPx = 540;
constexpr int kFirstPanelsHeightPx = 220;
constexpr int kFirstChartHeightPx = 440;
constexpr int kFirstHistoryHeightPx = 90;
constexpr int kFirstDipsWidthPx = 690;
constexpr int kFirstBandsWidthPx = 470;

QSplitter* Splitter(Qt::Orientation orientation, const char* name) {
    auto* splitter = new QSplitter(orientation);
    splitter->setObjectName(QString::fromLatin1(name));
    splitter->setChildrenCollapsible(false);
    return splitter;
}

}  // namespace

TuningPanes BuildTuningPanes(const TuningPaneWidgets& w, QWidget* parent) {
    TuningPanes panes;
    auto* chartColumn = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartColumn);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(w.chart, 1);
    chartLayout->addWidget(w.readout);

    panes.history = Splitter(Qt::Vertical, "ChartAndHistory");
    panes.history->addWidget(chartColumn);
    panes.history->addWidget(w.historyStrip);
    panes.history->setStretchFactor(0, 1);
    panes.history->setSizes({kFirstChartHeightPx, kFirstHistoryHeightPx});

    // The Smith chart beside the tuning chart rather than on a tab: the crosshair marks the
    // same frequency on both, and a tuner watches both while trimming.
    panes.charts = Splitter(Qt::Horizontal, "ChartsSideBySide");
    panes.charts->addWidget(panes.history);
    panes.charts->addWidget(w.smith);
    panes.charts->setStretchFactor(0, 1);
    panes.charts->setSizes({kFirstChartWidthPx, kFirstSmithWidthPx});

    panes.tables = Splitter(Qt::Horizontal, "DipsAndBands");
    panes.tables->addWidget(w.dips);
    panes.tables->addWidget(w.bands);
    panes.tables->setSizes({kFirstDipsWidthPx, kFirstBandsWidthPx});

    panes.main = Splitter(Qt::Vertical, "PicturesAndTables");
    panes.main->addWidget(panes.charts);
    panes.main->addWidget(panes.tables);
    panes.main->setStretchFactor(0, 1);
    panes.main->setSizes({kFirstPicturesHeightPx, kFirstPanelsHeightPx});

    // On a small or scaled screen the panes keep their smallest sizes and scroll, so that every
    // control can still be reached.
    panes.scroll = new QScrollArea(parent);
    panes.scroll->setObjectName(QStringLiteral("PanesScroll"));
    panes.scroll->setFrameShape(QFrame::NoFrame);
    // No tab stop of its own (it could show no focus): Tab goes to the controls inside, and the
    // area scrolls to the one that has the focus.
    panes.scroll->setFocusPolicy(Qt::NoFocus);
    panes.scroll->setWidgetResizable(true);
    panes.scroll->setWidget(panes.main);
    return panes;
}

}  // namespace ravemo
