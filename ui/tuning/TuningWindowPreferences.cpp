// The tuning window's remembered choices and the arrangement of its bars: what is read from and
// written to its preferences file, and how the tool bars wrap on a narrow screen.

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>

#include "files/MessageReporter.h"
#include "ui/aural/AuralBar.h"
#include "ui/tuning/BandsPanel.h"
#include "ui/tuning/FeedlineBar.h"
#include "ui/tuning/ScreenFit.h"
#include "ui/tuning/TuningToolBar.h"
#include "ui/tuning/TuningWindow.h"

namespace ravemo {
namespace {

// The first size, where no size is remembered, and its share of a smaller screen.
constexpr int kFirstWidthPx = 1180;
constexpr int kFirstHeightPx = 780;
constexpr double kLargestScreenShare = 0.9;

}  // namespace

void TuningWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    wrapToolBars();
}

void TuningWindow::wrapToolBars() {
    const auto breakBefore = [this](QToolBar* bar, bool wanted) {
        if (wanted == toolBarBreak(bar)) return;
        if (wanted) {
            insertToolBarBreak(bar);
        } else {
            removeToolBarBreak(bar);
        }
    };
    // Each bar starts a new row where the row before it has no room left for it.
    QToolBar& commands = toolBar_->commandBar();
    const int first = toolBar_->sizeHint().width();
    const int second = commands.sizeHint().width();
    const bool commandsWrap = width() < first + second;
    breakBefore(&commands, commandsWrap);
    const int rowSoFar = commandsWrap ? second : first + second;
    breakBefore(feedlineBar_, width() < rowSoFar + feedlineBar_->sizeHint().width());
}

void TuningWindow::applyPreferences(const TuningPreferences& p) {
    toolBar_->showChoices(p);
    feedlineBar_->showChoices(p.feedline, p.atAntenna);
    aural_->showChoices(p.aural);
    choices_.region = toolBar_->region();
    choices_.scale = toolBar_->scale();
    choices_.rightAxis = toolBar_->rightAxis();
    bands_->setPickerBands(AmateurBandsOf(choices_.region));
    if (p.geometry.isEmpty() || !restoreGeometry(p.geometry)) resize(kFirstWidthPx, kFirstHeightPx);
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        setGeometry(FittedOnScreen(geometry(), screen->availableGeometry(), kLargestScreenShare));
    }
    restoreState(p.windowState);
    wrapToolBars();
    for (QSplitter* splitter : panes_.splitters()) {
        const auto saved = p.paneSizes.find(splitter->objectName());
        if (saved != p.paneSizes.end()) splitter->restoreState(saved->second);
    }
    showPictures();
    showTexts();
}

TuningPreferences TuningWindow::preferences() const {
    TuningPreferences p;
    p.region = choices_.region;
    p.scale = choices_.scale;
    p.rightAxis = choices_.rightAxis;
    p.targetHz = toolBar_->targetHz();
    p.feedline = feedlineBar_->feedlineText();
    p.atAntenna = feedlineBar_->antennaChosen();
    p.aural = aural_->choices();
    p.geometry = saveGeometry();
    p.windowState = saveState();
    for (const QSplitter* splitter : panes_.splitters()) {
        p.paneSizes[splitter->objectName()] = splitter->saveState();
    }
    return p;
}

void TuningWindow::closeEvent(QCloseEvent* event) {
    // The choices stay in force for this run; the user learns they will not come back.
    if (!SaveTuningPreferences(preferencesPath_, preferences())) {
        reporter_->reportError(
            tr("Tuning window"),
            tr("The tuning window's choices could not be kept in %1: check that the folder "
               "exists and may be written. They stay in force until the program ends.")
                .arg(QDir::toNativeSeparators(preferencesPath_)));
    }
    QMainWindow::closeEvent(event);
}

}  // namespace ravemo
