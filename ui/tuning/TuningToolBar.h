#pragma once

#include <optional>

#include <QLocale>
#include <QToolBar>

#include "plot/RightAxis.h"
#include "plot/SwrScale.h"
#include "ui/tuning/TuningPreferences.h"

class QAction;
class QComboBox;
class QLineEdit;

namespace ravemo {

// The tuning window's tool bar: how to look (band-plan region, SWR scale, right axis) and the
// target frequency of the trim advice; beside it (or under it, where the window is narrow) the
// commands bar: the reference trace, and the report and picture of what the window shows. Two
// bars, so that a narrow window wraps them into two rows instead of hiding the commands in an
// overflow menu.
class TuningToolBar final : public QToolBar {
    Q_OBJECT
  public:
    TuningToolBar(const QLocale& locale, QWidget* parent = nullptr);

    // Shows the remembered choices without signalling.
    void showChoices(const TuningPreferences& preferences);

    int region() const;
    SwrScaleChoice scale() const;
    RightAxisQuantity rightAxis() const;
    // The target box as a frequency; none while it is empty or holds no frequency above 0 (the
    // box is then marked, and its tool tip says what to type).
    std::optional<double> targetHz() const;

    QComboBox& regionBox() const { return *region_; }
    QComboBox& scaleBox() const { return *scale_; }
    QLineEdit& targetBox() const { return *target_; }
    // How many sweeps the measurement averages: 1, 2, 4, 8 or 16.
    int averageDepth() const;
    // Shows the measurement's depth without signalling.
    void showAverageDepth(int depth);
    QAction& keepReferenceAction() const { return *keep_; }
    QAction& loadReferenceAction() const { return *load_; }
    QAction& clearReferenceAction() const { return *clear_; }
    QAction& saveReportAction() const { return *saveReport_; }
    QAction& copyPictureAction() const { return *copyPicture_; }
    // Opens the Cable window (Ctrl+L).
    QAction& cableAction() const { return *cable_; }
    // Opens the calibration dialog; also Ctrl+K.
    QAction& calibrationAction() const { return *calibration_; }
    // Opens the "Share to phone" window.
    QAction& shareAction() const { return *share_; }
    // The commands bar; the window adds it after this one.
    QToolBar& commandBar() const { return *commands_; }

  Q_SIGNALS:
    void viewChoiceChanged();      // the SWR scale or the right axis
    void analysisChoiceChanged();  // the region or the target
    void averageDepthChanged(int depth);

  private:
    void markTarget();

    QLocale locale_;
    QComboBox* region_;
    QComboBox* scale_;
    QComboBox* rightAxis_;
    QLineEdit* target_;
    QComboBox* average_;
    QToolBar* commands_;
    QAction* keep_;
    QAction* load_;
    QAction* clear_;
    QAction* saveReport_;
    QAction* copyPicture_;
    QAction* cable_;
    QAction* calibration_;
    QAction* share_;
};

}  // namespace ravemo
