#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTextStream>

#include "cli/CliCommands.h"

namespace {

// The report paints text, which needs a GUI application and its fonts; it runs without a
// display on the offscreen platform unless the user chose one. Every other command stays on
// a core application: nothing of the window system is loaded for them.
std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char* argv[]) {
    QStringList words;
    for (int i = 1; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    if (ravemo::CliCommandName(words) != QStringLiteral("report")) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> app = MakeApplication(argc, argv);
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
    // What stdio still holds is written here: a failure now is a failure of the command too
    // (RunCli has already said so when the stream itself failed).
    const bool reported = out.status() != QTextStream::Ok;
    if ((std::fflush(stdout) != 0 || std::ferror(stdout) != 0) && !reported) {
        std::fprintf(stderr, "ravemo-cli: cannot write the output: %s\n", std::strerror(errno));
        return status == ravemo::kExitSuccess ? ravemo::kExitFailure : status;
    }
    return status;
}
