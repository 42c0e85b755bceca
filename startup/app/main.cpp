// The program's start: command line, one copy per user, splash, settings, screen check, the
// instrument's back end, then the main window.

#include <cstdio>
#include <memory>
#include <optional>

#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

#include "common/ProgramVersion.h"
#include "instrument/PortChoice.h"
#include "startup/LoadSettings.h"
#include "startup/ScreenCheck.h"
#include "startup/SettingsLocation.h"
#include "startup/SingleInstance.h"
#include "startup/StartupOptions.h"
#include "startup/app/ProgramIcon.h"
#include "startup/app/SplashWindow.h"
#include "ui/MainWindow.h"

namespace ravemo {
namespace {

// Exit statuses besides 0: the start was refused or abandoned; the input (settings file or
// command line) is wrong.
constexpr int kExitAbandoned = 1;
constexpr int kExitBadInput = 2;

constexpr unsigned long kSplashTimeMs = 2000;
constexpr double kDefaultLogicalDpi = 96.0;

const QString kWarningTitle = QStringLiteral("Warning");
const QString kSettingsTitle = QStringLiteral("Ravemo settings");

void printLine(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text + u'\n'), stream);
    std::fflush(stream);
}

// The warning form of the program: the beep, then a box with the exclamation icon and OK.
void warn(QWidget* parent, const QString& text) {
    QApplication::beep();
    QMessageBox::warning(parent, kWarningTitle, text);
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void checkScreen(QWidget* parent) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QSize size = screen->size();
    if (ScreenWarningNeeded(size.width(), size.height(), screen->logicalDotsPerInch())) {
        warn(parent,
             QStringLiteral("At least a monitor resolution of 800x600 pixels and small characters "
                            "(96 dpi) are suggested for this program."));
    }
}

// Opens the back end the user asked for; when it fails, offers the simulated instrument.
// Nothing (a null port) when the user declines. The reason stays with the result, for the
// window's status line.
OpenedPort openInstrument(const QString& choice, std::int16_t address1, QWidget* parent) {
    return OpenPortOrSimulator(choice, address1, [&](const QString& problem) {
        printLine(stderr, QStringLiteral("ravemo: ") + problem);
        QApplication::beep();
        const auto answer = QMessageBox::question(
            parent, QStringLiteral("Ravemo instrument"),
            QStringLiteral("The instrument cannot be driven as asked (%1): %2.\n\nContinue with "
                           "the simulated instrument?")
                .arg(choice.isEmpty() ? QStringLiteral("automatic choice") : choice, problem),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        return answer == QMessageBox::Yes;
    });
}

// --help, --version and a bad command line are answered before any window; nothing when the
// program is to start.
std::optional<int> answerWithoutWindow(const StartupOptions& options) {
    if (!options.error.isEmpty()) {
        printLine(stderr, QStringLiteral("ravemo: ") + options.error +
                              QStringLiteral("\nTry 'ravemo --help'."));
        return kExitBadInput;
    }
    if (options.showHelp) {
        printLine(stdout, options.helpText);
        return 0;
    }
    if (options.showVersion) {
        printLine(stdout, VersionLine());
        return 0;
    }
    return std::nullopt;
}

// One copy per user: false when another copy holds the lock (the user has been told). A lock
// that cannot be made is only reported.
bool lockOneCopy(SingleInstance& instance) {
    const SingleInstance::Outcome lock = instance.acquire();
    if (lock == SingleInstance::Outcome::HeldByAnother) {
        const QString text = QStringLiteral("The  'Ravemo'  program is already running");
        printLine(stderr, QStringLiteral("ravemo: ") + text);
        warn(nullptr, text);
        return false;
    }
    if (lock == SingleInstance::Outcome::LockUnavailable) {
        printLine(stderr, QStringLiteral("ravemo: cannot create the lock file %1; a second copy "
                                         "of the program will not be detected.")
                              .arg(instance.lockFilePath()));
    }
    return true;
}

// The splash, shown for its two seconds.
std::unique_ptr<SplashWindow> showSplash() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    auto splash = std::make_unique<SplashWindow>(
        QApplication::windowIcon(), screen ? screen->logicalDotsPerInch() : kDefaultLogicalDpi);
    splash->showAndPaint();
    QThread::msleep(kSplashTimeMs);
    return splash;
}

// The settings file, or nothing when it cannot be used (the user has been told why).
std::optional<Settings> loadSettings(const StartupOptions& options, QWidget* parent) {
    const SettingsLocation location =
        FindSettingsFile(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                         options.settingsPath);
    SettingsLoad load;
    load.error = location.problem;
    if (load.ok()) load = LoadSettings(location.path, QLocale::system());
    if (load.ok()) return load.settings;
    printLine(stderr, QStringLiteral("ravemo: ") + load.error);
    QApplication::beep();
    QMessageBox::critical(parent, kSettingsTitle, load.error);
    return std::nullopt;
}

int run(int argc, char* argv[]) {
    // The command line comes first, before any window, so --help and --version need no display.
    const StartupOptions options = ParseStartupOptions(argumentsOf(argc, argv));
    if (const std::optional<int> status = answerWithoutWindow(options)) return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ravemo"));
    QApplication::setApplicationVersion(QLatin1String(kProgramVersion));
    QApplication::setWindowIcon(ProgramIcon());

    SingleInstance instance(SingleInstance::defaultLockFolder());
    if (!lockOneCopy(instance)) return kExitAbandoned;

    std::unique_ptr<SplashWindow> splash = options.noSplash ? nullptr : showSplash();
    const std::optional<Settings> settings = loadSettings(options, splash.get());
    if (!settings) return kExitBadInput;
    checkScreen(splash.get());

    const QString choice = options.portChoice.isEmpty() ? settings->Port : options.portChoice;
    OpenedPort opened = openInstrument(choice, settings->Address1, splash.get());
    if (!opened.port) return kExitAbandoned;

    // The settings have been checked: the window and its measurement can be built.
    MainWindow window(*settings, std::move(opened), QLocale::system());
    window.show();
    if (options.openTuning) window.showTuning();
    splash.reset();
    return QApplication::exec();
}

}  // namespace
}  // namespace ravemo

int main(int argc, char* argv[]) { return ravemo::run(argc, argv); }
