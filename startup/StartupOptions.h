#pragma once

#include <QString>
#include <QStringList>

namespace ravemo {

// What the command line asks for.
struct StartupOptions {
    bool showHelp = false;
    bool showVersion = false;
    bool noSplash = false;    // skip the 2-second splash wait
    bool openTuning = false;  // --tuning: open the tuning window with the main window
    QString settingsPath;     // --settings FILE; empty: the usual places
    QString portChoice;       // --port CHOICE; empty: the settings file's Port key
    QString helpText;         // the usage text, for --help and for errors
    QString error;            // an unknown option or a missing value; empty when fine
};

// Reads the arguments (the first one is the program). Never exits.
StartupOptions ParseStartupOptions(const QStringList& arguments);

// "ravemo 1.0.6", what --version prints.
QString VersionLine();

}  // namespace ravemo
