#pragma once

#include <QString>
#include <QWidget>

#include "common/Settings.h"
#include "instrument/PortIo.h"

namespace ravemo {

// Which back end drives the instrument, as the caption and the status line tell the user.
struct BackEndInfo {
    QString description;  // e.g. "simulated instrument: dipole resonant near 14.2 MHz"
    bool simulated = true;
};

// chart1, the program's only working window. Its load handler runs when the window is built:
// it lays out the chart, creates the sample arrays from settings.Champ, clears the synthesiser
// through `port` and starts the 50 ms sweep timer. Settings and port outlive the window.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(Settings& settings, PortIo& port, BackEndInfo backEnd, QWidget* parent = nullptr);
};

}  // namespace ravemo
