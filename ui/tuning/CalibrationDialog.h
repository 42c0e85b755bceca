#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QDialog>
#include <QString>

#include "sweep/SweepData.h"

class QLabel;
class QPushButton;

namespace ravemo {

class FileDialog;
class Measurement;
class MessageReporter;
class WindowDialogs;

// Walks the user through a calibration over the range being swept: connect the short, the open
// and the 50 ohm load at the reference plane in turn and take one whole sweep of each (readings
// as read: the measurement corrects nothing meanwhile), then save the calibration file, which
// then applies. A saved calibration can be loaded, and the one in force cleared, here too. Its
// file dialog and message boxes come from `dialogs`, which must outlive it.
class CalibrationDialog final : public QDialog {
    Q_OBJECT
  public:
    enum class Standard { Short, Open, Load };
    static constexpr std::size_t kStandards = 3;

    CalibrationDialog(Measurement& measurement, WindowDialogs& dialogs, QWidget* parent = nullptr);
    ~CalibrationDialog() override;

    // Starts the sweep of a standard: the next sweep wholly after this call is kept. The message
    // for the user when it cannot start (Hold ticked), empty when it started.
    QString sweepStandard(Standard standard);
    bool swept(Standard standard) const { return sweeps_[index(standard)].has_value(); }
    // Makes the calibration from the three sweeps, writes it to `path` and applies it. The
    // message for the user, empty when it was saved.
    QString saveTo(const QString& path);
    // Reads a calibration file and applies it; the message, empty when it applies.
    QString loadFrom(const QString& path);
    void clearCalibration();

  protected:
    void done(int result) override;

  private:
    static std::size_t index(Standard standard) { return static_cast<std::size_t>(standard); }
    void onSweepFinished();
    void stopWaiting();
    void showState();
    void chooseSaveFile();
    void chooseLoadFile();

    Measurement& measurement_;
    std::unique_ptr<FileDialog> fileDialog_;
    std::unique_ptr<MessageReporter> reporter_;
    std::array<std::optional<SweepData>, kStandards> sweeps_;
    std::array<QPushButton*, kStandards> buttons_{};
    std::array<QLabel*, kStandards> states_{};
    QLabel* inForce_;
    QPushButton* save_;
    QPushButton* clear_;
    std::optional<Standard> waitingFor_;
    int sweepsToWait_ = 0;
    QDateTime firstSweptAt_;
};

}  // namespace ravemo
