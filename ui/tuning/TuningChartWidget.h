#pragma once

#include <optional>

#include <QPointF>
#include <QWidget>

#include "plot/FrequencyView.h"
#include "plot/PlotStyle.h"
#include "plot/TuningChartContent.h"
#include "plot/TuningLayout.h"

namespace ravemo {

// The tuning chart on a widget: the plot painter over the whole widget, and the mouse as a
// tuner uses it. Moving over the plot reports the frequency under the pointer (the
// crosshair); the wheel zooms about the pointer, a drag with the left button pans, a
// double-click returns to the whole sweep. The widget only reports: the owner keeps the view
// and the crosshair and hands the next content back. Only the view changes, never the sweep.
class TuningChartWidget final : public QWidget {
    Q_OBJECT
  public:
    // Each wheel notch zooms in (or out) by this factor.
    static constexpr double kZoomPerNotch = 1.25;

    explicit TuningChartWidget(QWidget* parent = nullptr);

    // What to paint. The samples and dips it borrows must stay alive until the next call.
    void setContent(const TuningChartContent& content);
    const TuningLayout& chartLayout() const { return layout_; }

  Q_SIGNALS:
    void crosshairMoved(double hz);
    void crosshairLeft();
    void viewChanged(const ravemo::FrequencyView& view);
    void viewReset();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void relayout();
    ViewLimits limits() const;

    PlotStyle style_;
    TuningChartContent content_;
    TuningLayout layout_;
    // Where a drag started and the view then.
    std::optional<double> dragStartX_;
    FrequencyView dragStartView_;
};

}  // namespace ravemo
