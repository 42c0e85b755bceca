#include "ui/MainWindow.h"

namespace ravemo {

MainWindow::MainWindow(Settings& /*settings*/, PortIo& /*port*/, BackEndInfo backEnd,
                       QWidget* parent)
    : QWidget(parent) {
    setWindowTitle("Ravemo - " + backEnd.description);
}

}  // namespace ravemo
