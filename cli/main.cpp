#include <unistd.h>

#include <cstdio>

#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTextStream>

#include "cli/CliCommands.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    ravemo::CliContext context{
        out,
        err,
        QLocale::system(),
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        isatty(STDERR_FILENO) == 1,
    };
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = ravemo::RunCli(arguments, context);
    out.flush();
    err.flush();
    return status;
}
