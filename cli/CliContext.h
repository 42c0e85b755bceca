#pragma once

#include <cstdint>
#include <functional>

#include <QLocale>
#include <QString>
#include <QTextStream>

#include "instrument/PortChoice.h"

namespace ravemo {

// Exit statuses of the command-line tool.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;   // the work could not be done (port, file system)
inline constexpr int kExitBadInput = 2;  // bad arguments or bad input

// What a command runs with: where it prints, the locale its numbers follow, where the settings
// file is looked for and how a port is opened. Tests build one on strings and a chosen locale.
struct CliContext {
    QTextStream& out;
    QTextStream& err;
    QLocale locale;
    QString programFolder;
    QString configFolder;
    bool progressOnTerminal = false;  // stderr is a terminal: show a progress bar on long runs
    // Opens the back end a sweep asks for (`--port`); tests put a fake port here.
    std::function<OpenedPort(const QString& choice, std::int16_t address1)> openPort =
        [](const QString& choice, std::int16_t address1) { return OpenPort(choice, address1); };
};

// Prints one clear line on stderr and gives the status.
inline int Fail(CliContext& context, int status, const QString& message) {
    context.err << "ravemo-cli: " << message << '\n';
    context.err.flush();
    return status;
}

}  // namespace ravemo
