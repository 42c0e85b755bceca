#pragma once

#include <vector>

#include <QWidget>

#include "analysis/AmateurBands.h"
#include "plot/TuningTables.h"

class QComboBox;
class QPushButton;

class QLabel;

namespace ravemo {

class TextTableWidget;

// The band report of the latest sweep (the amateur bands it meets), and a band picker with
// "Sweep band" that asks for a sweep over any band of the region.
class BandsPanel final : public QWidget {
    Q_OBJECT
  public:
    explicit BandsPanel(QWidget* parent = nullptr);

    void showBands(const TextTable& bands);
    // Where the figures stand, in the title; empty: at the analyser, as measured.
    void showPlane(const QString& text);
    // The bands the picker offers; the band picked before stays picked where the new list has
    // one of its name.
    void setPickerBands(const std::vector<AmateurBand>& bands);

    const TextTableWidget& table() const { return *table_; }
    QComboBox& picker() const { return *picker_; }
    QPushButton& sweepButton() const { return *sweepBand_; }

  Q_SIGNALS:
    // The user asked to sweep the band at this index of the picker's list.
    void sweepBand(int index);

  private:
    QLabel* title_ = nullptr;
    TextTableWidget* table_;
    QComboBox* picker_;
    QPushButton* sweepBand_;
};

}  // namespace ravemo
