#pragma once

#include <QLocale>

namespace ravemo {

class MainWindow;

// Names and descriptions of the main window's controls for assistive technology (a screen
// reader reads a readout as "SWR at marker 1", a limit box with its unit), and the chart's text
// equivalent (ui/access/TextEquivalent.h). Captions, layout and tab order stay as they are.
void NameMainWindowControls(MainWindow& window, const QLocale& locale);

}  // namespace ravemo
