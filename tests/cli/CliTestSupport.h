#pragma once

#include <cstdint>
#include <functional>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/CliCommands.h"
#include "support/FileBytes.h"

namespace ravemo {

// Standard output on a full disk: every write fails.
class FailingDevice final : public QIODevice {
  public:
    FailingDevice() { open(QIODevice::WriteOnly); }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

// Runs the command-line tool in-process on a temporary program folder holding a settings file,
// capturing what it prints.
class CliRun {
  public:
    explicit CliRun(const QString& settingsText,
                    const QLocale& locale = QLocale(QLocale::English, QLocale::UnitedStates))
        : locale_(locale) {
        writeFile(QStringLiteral("ravemo.ini"), settingsText.toUtf8());
    }

    int run(const QStringList& arguments) {
        out_.clear();
        err_.clear();
        FailingDevice full;
        QTextStream out(&out_);
        if (outputFails) out.setDevice(&full);
        QTextStream err(&err_);
        CliContext context{out,  err, locale_, dir_.path(), dir_.filePath(QStringLiteral("config")),
                           false};
        if (openPort) context.openPort = openPort;
        const int status = RunCli(arguments, context);
        out.flush();
        err.flush();
        return status;
    }

    // When set, standard output fails as on a full disk.
    bool outputFails = false;
    // When set, opens the ports of sweeps instead of the real choices.
    std::function<OpenedPort(const QString& choice, std::int16_t address1)> openPort;

    QString path(const QString& name) const { return dir_.filePath(name); }
    // A command line split at blanks; "@name" stands for a file in the run's folder.
    QStringList words(const QString& line) const {
        QStringList result;
        for (const QString& word : line.split(' ', Qt::SkipEmptyParts)) {
            result << (word.startsWith('@') ? path(word.mid(1)) : word);
        }
        return result;
    }
    const QString& out() const { return out_; }
    const QString& err() const { return err_; }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        test::WriteFileBytes(path(name), bytes);
    }
    QByteArray fileBytes(const QString& name) const { return test::ReadFileBytes(path(name)); }

  private:
    QTemporaryDir dir_;
    QLocale locale_;
    QString out_;
    QString err_;
};

// A small sweep geometry so whole sweeps run fast in tests.
inline const char kSmallSweepSettings[] =
    "[PARAMETERS]\nFMax=30000000\nFMin=1000000\nChamp=40\nStep=1\n[PORTSETTING]\nAddress1=888\n";

}  // namespace ravemo
