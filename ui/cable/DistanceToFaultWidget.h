#pragma once

#include <QLocale>
#include <QWidget>

#include "analysis/CableMeasurement.h"

namespace ravemo {

// Shows the distance-to-fault plot of a cable measurement; paintEvent only paints.
class DistanceToFaultWidget final : public QWidget {
  public:
    explicit DistanceToFaultWidget(const QLocale& locale, QWidget* parent = nullptr);
    void setMeasurement(const CableMeasurement& measurement);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLocale locale_;
    CableMeasurement measurement_;
};

}  // namespace ravemo
