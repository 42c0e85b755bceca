#pragma once

#include <memory>
#include <optional>

#include <QLocale>
#include <QWidget>

#include "analysis/AntennaSample.h"
#include "analysis/CableMeasurement.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ravemo {

class DistanceToFaultWidget;
class FileDialog;
class Measurement;
class MessageReporter;
class WindowDialogs;

// The Cable window: a cable left open or shorted at its far end, measured from the latest
// sweep (or an opened file): its loss per band and fit, its velocity factor or length, and
// the distance to each fault. A window of its own, opened from the tuning window. It follows
// the measurement's sweeps while shown and showing the sweep; it never touches the port.
class CableWindow final : public QWidget {
    Q_OBJECT
  public:
    // Its file dialog and message box come from `dialogs`, which must outlive it.
    CableWindow(Measurement& measurement, WindowDialogs& dialogs, const QLocale& locale,
                QWidget* parent = nullptr);
    ~CableWindow() override;

    // Measures the latest sweep again, as after each sweep.
    void measureLatestSweep();
    // Measures a file (.vec or .s1p) instead of the sweep; the message for the user, empty
    // when the file was taken.
    QString openFile(const QString& path);
    // Back to the sweep.
    void followSweep();

    const CableMeasurement& measurement() const { return measured_; }
    QComboBox& endBox() const { return *end_; }
    QComboBox& knownBox() const { return *known_; }
    QLineEdit& knownValueBox() const { return *value_; }
    QPlainTextEdit& findings() const { return *findings_; }
    QLabel& sourceLabel() const { return *source_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Names and descriptions for assistive technology; the plot's text equivalent.
    void nameControls();
    void nameValueBox();
    CableQuestion question() const;
    void measure();
    void showFindings(const QString& text);
    void chooseFile();

    Measurement& measurement_;
    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<MessageReporter> reporter_;
    QLocale locale_;
    QComboBox* end_;
    QComboBox* known_;
    QLineEdit* value_;
    QPushButton* open_;
    QPushButton* sweep_;
    QLabel* source_;
    QPlainTextEdit* findings_;
    DistanceToFaultWidget* plot_;
    AntennaSamples samples_;
    bool fromFile_ = false;
    CableMeasurement measured_;
};

}  // namespace ravemo
