#pragma once

#include <QStringList>

#include "cli/CliContext.h"

namespace ravemo {

// ravemo-cli [--settings FILE] COMMAND [OPTIONS]; `arguments` without the program name.
// Returns the exit status.
int RunCli(const QStringList& arguments, CliContext& context);

// The individual commands, each given the words after its name.
int RunSettingsCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunSweepCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunConvertCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunReadoutCommand(const QStringList& words, CliContext& context);
int RunAnalyseCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunReportCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunCableCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunCalibrateCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunDoctorCommand(const QStringList& words, const QString& settingsPath, CliContext& context);
int RunWatchCommand(const QStringList& words, const QString& settingsPath, CliContext& context);

// The command `arguments` name (the first word after the --settings option), empty if none.
// main() reads it to make a GUI application, which paints text, only for the report.
QString CliCommandName(const QStringList& arguments);

}  // namespace ravemo
