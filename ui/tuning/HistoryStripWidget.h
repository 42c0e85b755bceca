#pragma once

#include <span>
#include <vector>

#include <QLocale>
#include <QWidget>

#include "plot/PlotStyle.h"
#include "plot/TuningHistory.h"

namespace ravemo {

// The tuning history's strip chart on a widget: a short, wide strip under the tuning chart.
class HistoryStripWidget final : public QWidget {
    Q_OBJECT
  public:
    explicit HistoryStripWidget(const QLocale& locale, QWidget* parent = nullptr);

    void setPoints(std::span<const HistoryPoint> points);
    std::span<const HistoryPoint> points() const { return points_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLocale locale_;
    PlotStyle style_;
    std::vector<HistoryPoint> points_;
};

}  // namespace ravemo
