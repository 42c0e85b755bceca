#pragma once

#include <QWidget>

#include "plot/TuningTables.h"

class QLabel;
class QPushButton;

namespace ravemo {

class TextTableWidget;

// The dips of the latest sweep with a "Sweep around this dip" button on each, and under them
// the resonances, the trim advice and the shift since the reference, as text.
class DipsPanel final : public QWidget {
    Q_OBJECT
  public:
    explicit DipsPanel(QWidget* parent = nullptr);

    void showDips(const TextTable& dips);
    void showResonances(const QString& text);
    void showTrim(const QString& text);
    void showReferenceShift(const QString& text);
    // Where the figures stand ("at the antenna, through 20 m of RG-58"), in the title; empty:
    // at the analyser, as measured.
    void showPlane(const QString& text);

    const TextTableWidget& table() const { return *table_; }
    // The button of the dip in `row`, or null.
    QPushButton* sweepButton(int row) const;

  Q_SIGNALS:
    // The user asked to sweep around the dip of this row (deepest first).
    void sweepAroundDip(int row);

  private:
    TextTableWidget* table_;
    QLabel* title_;
    QLabel* resonances_;
    QLabel* trim_;
    QLabel* referenceShift_;
};

}  // namespace ravemo
