#pragma once

#include "files/FileCommandControls.h"

class QCheckBox;
class QLineEdit;

namespace ravemo {

// The widgets the file commands touch.
struct FileControlWidgets {
    QCheckBox* hold = nullptr;        // Check8
    QCheckBox* fullSweep = nullptr;   // Check7
    QLineEdit* lowerLimit = nullptr;  // txtVal(0), MHz
    QLineEdit* upperLimit = nullptr;  // txtVal(1), MHz
};

// The file commands' view of chart1: the Hold and Full Sweep switches (set through the boxes,
// so their click rules run) and the two limit boxes.
class WindowFileControls final : public FileCommandControls {
  public:
    explicit WindowFileControls(const FileControlWidgets& widgets) : w_(widgets) {}

    int holdValue() const override;
    void setHoldValue(int value) override;
    void setFullSweepValue(int value) override;
    QString lowerLimitText() const override;
    QString upperLimitText() const override;
    void setLowerLimitText(const QString& text) override;
    void setUpperLimitText(const QString& text) override;

  private:
    FileControlWidgets w_;
};

}  // namespace ravemo
