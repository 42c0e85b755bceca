#include <QApplication>

#include "instrument/RecordingPort.h"
#include "startup/LoadSettings.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ravemo::SettingsLoad load = ravemo::LoadSettings(QString(), QLocale::system());
    ravemo::RecordingPort port;
    ravemo::MainWindow window(load.settings, port, {"simulated", true});
    window.show();
    return QApplication::exec();
}
